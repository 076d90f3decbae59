#include "platform/vbscript/ScriptObject.h"

#include "platform/vbscript/ErrObject.h"
#include "platform/vbscript/Interpreter.h"

namespace vbscript {

ULONG ScriptObject::Release()
{
    if (--m_references != 0)
        return m_references;
    ++m_references;
    lastReleased();
    if (--m_references != 0)
        return m_references;
    delete this;
    return 0;
}

HRESULT ScriptObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                             EXCEPINFO* exception, UINT*)
{
    Interpreter* owner = interpreter();
    if (!owner)
        return E_UNEXPECTED;
    const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    if (put && (params->cArgs == 0 || params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT))
        return DISP_E_PARAMNOTFOUND;
    if (!put && params->cNamedArgs != 0)
        return DISP_E_NONAMEDARGS;
    // The platform passes the last argument first, and the assigned value before all of them.
    const UINT first = put ? 1 : 0;
    std::vector<Variant> args;
    args.reserve(params->cArgs - first);
    for (UINT i = params->cArgs; i > first; --i)
        args.push_back(params->rgvarg[i - 1]);
    // The caller's reference may be the one the member lets go of; the object stays until the call ends.
    const Variant self(static_cast<IDispatch*>(this));
    try {
        Variant value = call(*owner, id, flags, CallArguments::fromValues(args), put ? &params->rgvarg[0] : nullptr);
        if (result)
            *result = std::move(value);
        return S_OK;
    } catch (const ScriptError& error) {
        return automationException(error, exception);
    }
}

} // namespace vbscript
