#pragma once
// The one site every script engine of the process talks to. It hands out "MyObject" of the run in
// progress and remembers whether the engine reported a script error; script errors show no message,
// the callers decide what a failed script means.
#include "platform/vbscript/ActiveScript.h"

#include <QString>

#include <atomic>

class CScriptSite final : public IActiveScriptSite {
public:
    // The process-wide site; it lives until the process ends.
    static CScriptSite& instance();

    void setObject(IUnknown* object) { m_object = object; }
    bool errorFlag() const { return m_error != 0; }
    // What the engine said about the run's script error ("source: description (line n)"), for the
    // headless tools that print it; empty when the run had none.
    QString errorText() const { return m_errorText; }

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override { return --m_references; }
    HRESULT GetLCID(LCID*) override { return S_OK; }
    HRESULT GetItemInfo(LPCOLESTR name, DWORD returnMask, IUnknown** item, ITypeInfo** typeInfo) override;
    HRESULT GetDocVersionString(BSTR*) override { return S_OK; }
    HRESULT OnScriptTerminate(const VARIANT*, const EXCEPINFO*) override { return S_OK; }
    HRESULT OnStateChange(SCRIPTSTATE) override { return S_OK; }
    HRESULT OnScriptError(IActiveScriptError* error) override;
    HRESULT OnEnterScript() override;
    HRESULT OnLeaveScript() override { return S_OK; }

private:
    CScriptSite() = default;

    ULONG m_references = 1;
    // Written by the run, which may go on in a worker thread while the user can stop it.
    std::atomic<int> m_error{0};
    IUnknown* m_object = nullptr;
    // Written only by the run and read after it has ended.
    QString m_errorText;
};
