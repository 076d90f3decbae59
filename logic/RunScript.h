#pragma once
// Runs a script text in a fresh engine with "MyObject" as its one named item. Nothing of a script
// survives its run.
#include "logic/CEvalExpr.h"
#include "platform/automation/interfaces.h"

#include <QString>

#include <cstdint>

// What a script runs for: its "MyObject", and after the run whether the script failed, what it handed to
// ShowResult (or the result before the run when it handed nothing) and what the engine said of its error.
struct ScriptHost {
    CEvalExpr evalExpr;
    bool scriptError = false;
    QString result;
    QString errorText;
    // The user stopped the run from the watch's box; the run then also counts as a script error.
    bool stopped = false;
    int errorLine = 0; // 1-based; 0 when the engine named no place
    QString errorDescription;
};

// Afterwards host.scriptError tells whether the engine reported an error (or could not be set up, which
// is also shown as a message). Outside other runs g_strScriptResult holds the run's result too.
void RunScript(ScriptHost& host, const QString& script);

// Scripts share their result and record values with their callers through the globals of ScriptValues.h.
// A run may start another one (a script's SetFieldValue evaluates an expression): made inside a run in
// progress, this keeps the outer run's values for its lifetime and then puts them back, so the inner run
// changes nothing the outer one sees. Outside any run it keeps nothing, as callers read the values afterwards.
class OuterRunValues {
public:
    OuterRunValues();
    ~OuterRunValues();
    OuterRunValues(const OuterRunValues&) = delete;
    OuterRunValues& operator=(const OuterRunValues&) = delete;

private:
    bool m_kept;
    QString m_result;
    std::int32_t m_recordNumber;
    std::int32_t m_recordCount;
};

// The engine's maker (in process, class CLSID_VBScript). Returns the previous one; tests put in one that fails.
using ScriptEngineFactory = HRESULT (*)(REFIID riid, void** object);
ScriptEngineFactory setScriptEngineFactory(ScriptEngineFactory factory);
