#include "platform/vbscript/BuiltinsSupport.h"

namespace vbscript::builtins {

std::span<const Builtin> arrayBuiltins()
{
    return {};
}

} // namespace vbscript::builtins
