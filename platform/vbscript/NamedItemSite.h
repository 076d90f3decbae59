#pragma once
// The common part of a host's script site: it hands out one named item, answers the engine's other
// questions with the plain defaults, and passes each script error on as its details. A host says only
// what an error means to it, and shows MsgBox and InputBox when it has dialogs (it has none unless it
// overrides ShowMessage and AskText). The site lives on its host's stack, longer than the engine that uses it.
#include "platform/vbscript/ActiveScript.h"
#include "platform/vbscript/ScriptDialogs.h"
#include "platform/vbscript/ScriptErrorReport.h"

#include <QString>

namespace vbscript {

class NamedItemSite : public IActiveScriptSite, public IScriptSiteDialogs {
public:
    // `object` is handed out for `itemName` (compared ignoring case); it may be set later.
    explicit NamedItemSite(QString itemName, IUnknown* object = nullptr)
        : m_itemName(std::move(itemName)), m_object(object)
    {
    }
    void setObject(IUnknown* object) { m_object = object; }

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override { return --m_references; }
    HRESULT GetLCID(LCID* lcid) override;
    HRESULT GetItemInfo(LPCOLESTR name, DWORD returnMask, IUnknown** item, ITypeInfo** typeInfo) override;
    HRESULT GetDocVersionString(BSTR*) override { return E_NOTIMPL; }
    HRESULT OnScriptTerminate(const VARIANT*, const EXCEPINFO*) override { return S_OK; }
    HRESULT OnStateChange(SCRIPTSTATE) override { return S_OK; }
    HRESULT OnScriptError(IActiveScriptError* error) override;
    HRESULT OnEnterScript() override { return S_OK; }
    HRESULT OnLeaveScript() override { return S_OK; }
    HRESULT ShowMessage(LPCOLESTR, LPCOLESTR, std::int32_t, std::int32_t*) override { return E_NOTIMPL; }
    HRESULT AskText(LPCOLESTR, LPCOLESTR, LPCOLESTR, BSTR*) override { return E_NOTIMPL; }

protected:
    ~NamedItemSite() = default;
    virtual void onScriptError(const ScriptErrorReport::Details& error) = 0;

private:
    QString m_itemName;
    IUnknown* m_object;
    ULONG m_references = 1;
};

} // namespace vbscript
