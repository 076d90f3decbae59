#include "platform/vbscript/ErrObject.h"

#include "platform/vbscript/Bstr.h"
#include "platform/vbscript/OperatorsCoercion.h"

namespace vbscript {

namespace {

enum Member : DISPID { Number = DISPID_VALUE, Description = 1, Source = 2, Clear = 3, Raise = 4, HelpFile = 5,
                       HelpContext = 6 };

const QString runtimeSource = QStringLiteral("Microsoft VBScript runtime error");

const Variant& argument(const DISPPARAMS& params, UINT index)
{
    return params.rgvarg[params.cArgs - 1 - index];   // the platform passes them last first
}

bool given(const DISPPARAMS& params, UINT index)
{
    if (index >= params.cArgs)
        return false;
    const Variant& value = argument(params, index);
    return !(value.vt() == VT_ERROR && value.scode() == DISP_E_PARAMNOTFOUND);
}

} // namespace

std::int32_t errorNumberOf(HRESULT scode)
{
    if ((std::uint32_t(scode) & 0xFFFF0000u) == 0x800A0000u)
        return std::int32_t(std::uint32_t(scode) & 0xFFFFu);
    return scode;
}

HRESULT scodeOf(std::int32_t number)
{
    return number > 0 && number <= 0xFFFF ? HRESULT(0x800A0000u | std::uint32_t(number)) : HRESULT(number);
}

HRESULT automationException(const ScriptError& error, EXCEPINFO* exception)
{
    if (exception) {
        *exception = EXCEPINFO();
        exception->scode = scodeOf(error.number);
        exception->bstrSource = allocBstr(error.source);
        exception->bstrDescription = allocBstr(error.description);
    }
    return DISP_E_EXCEPTION;
}

ScriptError errorFromInvoke(HRESULT hr, const EXCEPINFO& exception)
{
    switch (hr) {
    case DISP_E_MEMBERNOTFOUND:
    case DISP_E_UNKNOWNNAME: return {error::NoSuchMember, errorDescription(error::NoSuchMember)};
    case DISP_E_BADPARAMCOUNT: return {error::WrongArgumentCount, errorDescription(error::WrongArgumentCount)};
    case DISP_E_TYPEMISMATCH: return {error::TypeMismatch, errorDescription(error::TypeMismatch)};
    case DISP_E_OVERFLOW: return {error::Overflow, errorDescription(error::Overflow)};
    case DISP_E_PARAMNOTFOUND: return {449, errorDescription(449)};
    case DISP_E_DIVBYZERO: return {error::DivisionByZero, errorDescription(error::DivisionByZero)};
    case DISP_E_EXCEPTION: {
        const std::int32_t number = exception.scode ? errorNumberOf(exception.scode) : exception.wCode;
        const QString description = fromBstr(exception.bstrDescription);
        return {number, description.isEmpty() ? errorDescription(number) : description, fromBstr(exception.bstrSource)};
    }
    default: return {errorNumberOf(hr), errorDescription(errorNumberOf(hr))};
    }
}

void raiseFromInvoke(HRESULT hr, EXCEPINFO& exception)
{
    ScriptError error = errorFromInvoke(hr, exception);
    freeBstr(exception.bstrSource);
    freeBstr(exception.bstrDescription);
    freeBstr(exception.bstrHelpFile);
    throw error;
}

void ErrObject::set(const ScriptError& error)
{
    m_number = error.number;
    m_description = error.description;
    m_source = error.source.isEmpty() ? runtimeSource : error.source;
}

void ErrObject::clear()
{
    m_number = 0;
    m_description.clear();
    m_source.clear();
    m_helpFile.clear();
    m_helpContext = 0;
}

HRESULT ErrObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    static const std::pair<const char*, DISPID> members[] = {
        {"number", Number}, {"description", Description}, {"source", Source}, {"clear", Clear},
        {"raise", Raise},   {"helpfile", HelpFile},       {"helpcontext", HelpContext}};
    HRESULT result = S_OK;
    for (UINT i = 0; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        const QString name = fromBstr(names[i]).toLower();
        for (const auto& [text, id] : members)
            if (name == QLatin1String(text))
                ids[i] = id;
        if (ids[i] == DISPID_UNKNOWN)
            result = DISP_E_UNKNOWNNAME;
    }
    return result;
}

HRESULT ErrObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                          EXCEPINFO* exception, UINT*)
{
    const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    const UINT positional = params->cArgs - params->cNamedArgs;
    if (id == Clear || id == Raise) {
        if (put)
            return DISP_E_MEMBERNOTFOUND;
        if (id == Raise)
            return raise(params, exception);
        if (positional != 0)
            return DISP_E_BADPARAMCOUNT;
        clear();
        return S_OK;
    }
    if (put) {
        if (params->cArgs != 1)
            return DISP_E_BADPARAMCOUNT;
        const Variant& value = params->rgvarg[0];
        try {
            switch (id) {
            case Number: m_number = longOf(value); break;
            case Description: m_description = textOf(value); break;
            case Source: m_source = textOf(value); break;
            case HelpFile: m_helpFile = textOf(value); break;
            case HelpContext: m_helpContext = longOf(value); break;
            default: return DISP_E_MEMBERNOTFOUND;
            }
        } catch (const ScriptError&) {
            return DISP_E_TYPEMISMATCH;
        }
        return S_OK;
    }
    if (positional != 0)
        return DISP_E_BADPARAMCOUNT;
    Variant value;
    switch (id) {
    case Number: value = Variant(m_number); break;
    case Description: value = Variant(m_description); break;
    case Source: value = Variant(m_source); break;
    case HelpFile: value = Variant(m_helpFile); break;
    case HelpContext: value = Variant(m_helpContext); break;
    default: return DISP_E_MEMBERNOTFOUND;
    }
    if (result)
        *result = std::move(value);
    return S_OK;
}

// Raise(number[, source[, description]]): the error also stays in Err, as it is when the script catches it.
HRESULT ErrObject::raise(DISPPARAMS* params, EXCEPINFO* exception)
{
    if (!given(*params, 0) || params->cArgs > 5)
        return DISP_E_BADPARAMCOUNT;
    ScriptError error;
    try {
        error.number = longOf(argument(*params, 0));
        error.source = given(*params, 1) ? textOf(argument(*params, 1)) : runtimeSource;
        error.description = given(*params, 2) ? textOf(argument(*params, 2)) : errorDescription(error.number);
    } catch (const ScriptError&) {
        return DISP_E_TYPEMISMATCH;
    }
    set(error);
    return automationException(error, exception);
}

} // namespace vbscript
