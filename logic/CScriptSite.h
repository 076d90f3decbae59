#pragma once
// The site of one script run. It hands out "MyObject" of its run, shows the script's MsgBox and InputBox,
// and remembers whether the engine reported a script error; script errors show no message, the callers
// decide what a failed script means. Each run
// has its own, so a run started inside another (a script's SetFieldValue evaluates an expression) leaves
// the outer run's error and object alone.
#include "platform/vbscript/NamedItemSite.h"

#include <atomic>

class CScriptSite final : public vbscript::NamedItemSite {
public:
    explicit CScriptSite(IUnknown* object) : NamedItemSite(QStringLiteral("MyObject"), object) {}

    bool errorFlag() const { return m_error != 0; }
    // What the engine said about the run's script error ("source: description (line n)"), for the
    // headless tools that print it; empty when the run had none.
    QString errorText() const { return m_errorText; }
    // Where (1-based) and why the run's script error happened; 0 and empty when the run had none.
    int errorLine() const { return m_errorLine; }
    QString errorDescription() const { return m_errorDescription; }

    HRESULT ShowMessage(LPCOLESTR text, LPCOLESTR title, std::int32_t style, std::int32_t* answer) override;
    HRESULT AskText(LPCOLESTR prompt, LPCOLESTR title, LPCOLESTR initial, BSTR* text) override;

private:
    void onScriptError(const vbscript::ScriptErrorReport::Details& error) override;

    // Written by the run, which may go on in a worker thread while the user can stop it.
    std::atomic<int> m_error{0};
    // Written only by the run and read after it has ended.
    QString m_errorText;
    QString m_errorDescription;
    int m_errorLine = 0;
};
