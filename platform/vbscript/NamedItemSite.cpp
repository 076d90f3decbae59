#include "platform/vbscript/NamedItemSite.h"

#include "platform/vbscript/Bstr.h"
#include "platform/vbscript/ErrObject.h"

namespace vbscript {

// The site is asked for its dialogs only; the engine holds it through the site interface it was given.
HRESULT NamedItemSite::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (riid == IID_IScriptSiteDialogs) {
        *object = static_cast<IScriptSiteDialogs*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOTIMPL;
}

HRESULT NamedItemSite::GetLCID(LCID* lcid)
{
    if (!lcid)
        return E_POINTER;
    *lcid = LOCALE_EN_US;
    return S_OK;
}

// Only the item itself: no type information is offered.
HRESULT NamedItemSite::GetItemInfo(LPCOLESTR name, DWORD returnMask, IUnknown** item, ITypeInfo** typeInfo)
{
    if (returnMask & SCRIPTINFO_ITYPEINFO) {
        if (typeInfo)
            *typeInfo = nullptr;
        return TYPE_E_ELEMENTNOTFOUND;
    }
    if ((returnMask & SCRIPTINFO_IUNKNOWN) && item && m_object &&
        fromBstr(name).compare(m_itemName, Qt::CaseInsensitive) == 0) {
        m_object->AddRef();
        *item = m_object;
    }
    return S_OK;
}

HRESULT NamedItemSite::OnScriptError(IActiveScriptError* error)
{
    ScriptErrorReport::Details details;
    EXCEPINFO info{};
    error->GetExceptionInfo(&info);
    details.number = errorNumberOf(info.scode);
    details.description = fromBstr(info.bstrDescription);
    details.source = fromBstr(info.bstrSource);
    freeBstr(info.bstrDescription);
    freeBstr(info.bstrSource);
    freeBstr(info.bstrHelpFile);
    error->GetSourcePosition(&details.sourceContext, &details.line, &details.column);
    BSTR line = nullptr;
    error->GetSourceLineText(&line);
    details.lineText = fromBstr(line);
    freeBstr(line);
    onScriptError(details);
    return S_OK;
}

} // namespace vbscript
