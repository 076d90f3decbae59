// What a script cannot reach: it gets no objects beyond the host's named items and the language's own
// RegExp (CreateObject, which makes that, is the interpreter's).
#include "platform/vbscript/BuiltinsSupport.h"
#include "platform/vbscript/Errors.h"

namespace vbscript::builtins {

namespace {

Variant refuseObject(std::vector<Variant>&)
{
    raiseError(error::CantCreateObject);
}

constexpr Builtin table[] = {
    {"GetObject", 0, 2, refuseObject},
};

} // namespace

std::span<const Builtin> sandboxBuiltins()
{
    return table;
}

} // namespace vbscript::builtins
