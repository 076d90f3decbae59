#include "platform/vbscript/MethodTableDispatch.h"

#include "platform/vbscript/Bstr.h"
#include "platform/vbscript/ErrObject.h"
#include "platform/vbscript/Errors.h"

#include <exception>

namespace vbscript {

MethodTableDispatch* MethodTableDispatch::create(std::vector<Method> methods)
{
    return new MethodTableDispatch(std::move(methods));
}

ULONG MethodTableDispatch::Release()
{
    const ULONG left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

HRESULT MethodTableDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    HRESULT result = S_OK;
    for (UINT i = 0; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        const QString name = fromBstr(names[i]);
        for (std::size_t m = 0; m < m_methods.size(); ++m)
            if (m_methods[m].name.compare(name, Qt::CaseInsensitive) == 0)
                ids[i] = DISPID(m + 1);
        if (ids[i] == DISPID_UNKNOWN)
            result = DISP_E_UNKNOWNNAME;
    }
    return result;
}

namespace {

constexpr std::int32_t automationError = 440;

} // namespace

HRESULT MethodTableDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                    EXCEPINFO* exception, UINT* argumentError)
{
    if (id < 1 || std::size_t(id) > m_methods.size() || !(flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)))
        return DISP_E_MEMBERNOTFOUND;
    const Method& method = m_methods[std::size_t(id - 1)];
    if (params->cNamedArgs != 0)
        return DISP_E_NONAMEDARGS;
    if (params->cArgs != method.parameters.size())
        return DISP_E_BADPARAMCOUNT;
    std::vector<Variant> args(params->cArgs);
    for (UINT i = 0; i < params->cArgs; ++i) {
        const UINT position = params->cArgs - 1 - i;   // the platform passes the last argument first
        const VARTYPE type = method.parameters[i];
        if (type == VT_VARIANT) {
            args[i] = params->rgvarg[position];
        } else if (FAILED(VariantChangeType(args[i], params->rgvarg[position], type))) {
            if (argumentError)
                *argumentError = position;
            return DISP_E_TYPEMISMATCH;
        }
    }
    try {
        Variant value = method.call(args);
        if (result && method.result != VT_EMPTY) {
            if (method.result != VT_VARIANT && FAILED(VariantChangeType(value, value, method.result)))
                return DISP_E_TYPEMISMATCH;
            *result = std::move(value);
        }
    } catch (const ScriptError& error) {
        return automationException(error, exception);
    } catch (const std::exception& error) {
        // Nothing may be thrown through the interface: any other failure of the host reaches the script as
        // an automation error.
        return automationException({automationError, QString::fromLocal8Bit(error.what())}, exception);
    }
    return S_OK;
}

} // namespace vbscript
