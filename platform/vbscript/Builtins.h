#pragma once
// The built-in functions of the script language, looked up by name.
#include "platform/automation/variant.h"

#include <QString>

#include <vector>

namespace vbscript {

// Arguments arrive in source order; an omitted optional argument is either absent or VT_ERROR.
using BuiltinFunction = Variant (*)(std::vector<Variant>& args);

struct Builtin {
    const char* name;
    int minArgs;
    int maxArgs;
    BuiltinFunction function;
};

// Case-insensitive; nullptr when there is no built-in of that name.
const Builtin* findBuiltin(const QString& name);

} // namespace vbscript
