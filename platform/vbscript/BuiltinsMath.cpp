#include "platform/vbscript/BuiltinsSupport.h"

namespace vbscript::builtins {

std::span<const Builtin> mathBuiltins()
{
    return {};
}

} // namespace vbscript::builtins
