#pragma once
// Runs a script text in a fresh engine with "MyObject" as its one named item. Nothing of a script
// survives its run.
#include "logic/CEvalExpr.h"
#include "platform/com/interfaces.h"

#include <QString>

// What a script runs for: its "MyObject", and after the run whether the script failed.
struct ScriptHost {
    CEvalExpr evalExpr;
    bool scriptError = false;
};

// Afterwards host.scriptError tells whether the engine reported an error (or could not be set up, which
// is also shown as a message), and g_strScriptResult holds what the script handed to ShowResult.
void RunScript(ScriptHost& host, const QString& script);

// The engine's maker (in process, class CLSID_VBScript). Returns the previous one; tests put in one that fails.
using ScriptEngineFactory = HRESULT (*)(REFIID riid, void** object);
ScriptEngineFactory setScriptEngineFactory(ScriptEngineFactory factory);
