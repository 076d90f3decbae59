#pragma once
// The site of one script run. It hands out "MyObject" of its run and remembers whether the engine reported
// a script error; script errors show no message, the callers decide what a failed script means. Each run
// has its own, so a run started inside another (a script's SetFieldValue evaluates an expression) leaves
// the outer run's error and object alone.
#include "platform/vbscript/ActiveScript.h"

#include <QString>

#include <atomic>

class CScriptSite final : public IActiveScriptSite {
public:
    explicit CScriptSite(IUnknown* object) : m_object(object) {}

    bool errorFlag() const { return m_error != 0; }
    // What the engine said about the run's script error ("source: description (line n)"), for the
    // headless tools that print it; empty when the run had none.
    QString errorText() const { return m_errorText; }

    HRESULT QueryInterface(REFIID riid, void** object) override;
    // The site lives on its run's stack and outlives the engine; counting is only for the engine's sake.
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
    ULONG m_references = 1;
    IUnknown* m_object;
    // Written by the run, which may go on in a worker thread while the user can stop it.
    std::atomic<int> m_error{0};
    // Written only by the run and read after it has ended.
    QString m_errorText;
};
