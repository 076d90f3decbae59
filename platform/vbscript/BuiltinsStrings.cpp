#include "platform/vbscript/BuiltinsSupport.h"

namespace vbscript::builtins {

std::span<const Builtin> stringBuiltins()
{
    return {};
}

} // namespace vbscript::builtins
