#include "logic/CScriptSite.h"

#include "platform/vbscript/Bstr.h"

HRESULT CScriptSite::QueryInterface(REFIID, void** object)
{
    if (object)
        *object = nullptr;
    return E_NOTIMPL;
}

HRESULT CScriptSite::GetItemInfo(LPCOLESTR name, DWORD returnMask, IUnknown** item, ITypeInfo** typeInfo)
{
    if (returnMask & SCRIPTINFO_ITYPEINFO) {
        if (typeInfo)
            *typeInfo = nullptr;
        return TYPE_E_ELEMENTNOTFOUND;
    }
    if ((returnMask & SCRIPTINFO_IUNKNOWN) && item && m_object &&
        vbscript::fromBstr(name).compare(QLatin1String("MyObject"), Qt::CaseInsensitive) == 0) {
        m_object->AddRef();
        *item = m_object;
    }
    return S_OK;
}

HRESULT CScriptSite::OnScriptError(IActiveScriptError* error)
{
    BSTR line = nullptr;
    error->GetSourceLineText(&line);
    vbscript::freeBstr(line);
    EXCEPINFO info;
    error->GetExceptionInfo(&info);
    DWORD context = 0;
    ULONG lineNumber = 0;
    std::int32_t column = 0;
    error->GetSourcePosition(&context, &lineNumber, &column);
    m_errorText = QStringLiteral("%1: %2 (line %3)")
                      .arg(vbscript::fromBstr(info.bstrSource), vbscript::fromBstr(info.bstrDescription))
                      .arg(lineNumber + 1);
    vbscript::freeBstr(info.bstrSource);
    vbscript::freeBstr(info.bstrDescription);
    m_error = 1;
    return S_OK;
}

HRESULT CScriptSite::OnEnterScript()
{
    m_error = 0;
    m_errorText.clear();
    return S_OK;
}
