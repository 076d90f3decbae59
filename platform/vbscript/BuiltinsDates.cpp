#include "platform/vbscript/BuiltinsSupport.h"

namespace vbscript::builtins {

std::span<const Builtin> dateBuiltins()
{
    return {};
}

} // namespace vbscript::builtins
