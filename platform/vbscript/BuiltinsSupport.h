#pragma once
// What the groups of built-in functions share: their tables and the handling of optional arguments.
#include "platform/vbscript/Builtins.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace vbscript::builtins {

std::span<const Builtin> arrayBuiltins();
std::span<const Builtin> conversionBuiltins();
std::span<const Builtin> dateBuiltins();
std::span<const Builtin> formattingBuiltins();
std::span<const Builtin> mathBuiltins();
std::span<const Builtin> sandboxBuiltins();
std::span<const Builtin> stringBuiltins();

// An optional argument the script left out: absent, or passed as the "omitted" marker.
bool isMissing(const std::vector<Variant>& args, std::size_t index);
std::int32_t optionalLong(const std::vector<Variant>& args, std::size_t index, std::int32_t fallback);

// Comparison mode arguments: 0 binary, 1 text; anything else raises "Invalid procedure call or argument".
Qt::CaseSensitivity compareMode(const std::vector<Variant>& args, std::size_t index);

} // namespace vbscript::builtins
