#include "platform/vbscript/BuiltinsSupport.h"

namespace vbscript::builtins {

std::span<const Builtin> formattingBuiltins()
{
    return {};
}

} // namespace vbscript::builtins
