#include "logic/RunScript.h"

#include "logic/CScriptSite.h"
#include "logic/ScriptValues.h"
#include "logic/ScriptWatch.h"
#include "platform/framework/MessageBox.h"
#include "platform/vbscript/Engine.h"

namespace {

ScriptEngineFactory g_engineFactory = vbscript::CreateVBScriptEngine;
// Runs in progress; runs start and end on the user-interface thread only.
int g_runsInProgress = 0;

struct RunInProgress {
    RunInProgress() { ++g_runsInProgress; }
    ~RunInProgress() { --g_runsInProgress; }
};

// Releases whatever interfaces were obtained, whichever step the run ended at.
struct EngineInterfaces {
    IActiveScript* engine = nullptr;
    IActiveScriptParse* parse = nullptr;
    ~EngineInterfaces()
    {
        if (parse)
            parse->Release();
        if (engine)
            engine->Release();
    }
};

// An engine that cannot be set up is a failed run, not the end of the program: the user's open work
// stays as it is.
void setUpFailed(ScriptHost& host, const char* step)
{
    framework::showMessage(QString::fromLatin1(step));
    host.scriptError = true;
    host.result = g_strScriptResult;
}

} // namespace

ScriptEngineFactory setScriptEngineFactory(ScriptEngineFactory factory)
{
    ScriptEngineFactory previous = g_engineFactory;
    g_engineFactory = factory;
    return previous;
}

OuterRunValues::OuterRunValues()
    : m_kept(g_runsInProgress > 0), m_result(m_kept ? g_strScriptResult : QString()),
      m_recordNumber(g_nRecNum), m_recordCount(g_nRecCount)
{
}

OuterRunValues::~OuterRunValues()
{
    if (!m_kept)
        return;
    g_strScriptResult = m_result;
    g_nRecNum = m_recordNumber;
    g_nRecCount = m_recordCount;
}

void RunScript(ScriptHost& host, const QString& script)
{
    const OuterRunValues outer;
    const RunInProgress inProgress;
    CScriptSite site(host.evalExpr.GetIDispatch());
    // Declared after the site: the engine lets go of it before it ends.
    EngineInterfaces engine;
    if (FAILED(g_engineFactory(IID_IActiveScript, reinterpret_cast<void**>(&engine.engine))) || !engine.engine)
        return setUpFailed(host, "CoCreateInstance() for CLSID_VBScript");
    if (FAILED(engine.engine->QueryInterface(IID_IActiveScriptParse, reinterpret_cast<void**>(&engine.parse))) ||
        !engine.parse)
        return setUpFailed(host, "QueryInterface() for IID_IActiveScriptParse");
    if (FAILED(engine.engine->SetScriptSite(&site)))
        return setUpFailed(host, "IActiveScript::SetScriptSite()");
    if (FAILED(engine.parse->InitNew()))
        return setUpFailed(host, "IActiveScriptParse::InitNew()");
    if (FAILED(engine.engine->AddNamedItem(u"MyObject", SCRIPTITEM_ISVISIBLE | SCRIPTITEM_ISSOURCE)))
        return setUpFailed(host, "IActiveScript::AddNamedItem()");

    const std::u16string code = script.toStdU16String();
    EXCEPINFO exception{};
    // A syntax error reaches the site's error callback; the result needs no check of its own.
    engine.parse->ParseScriptText(code.c_str(), u"MyObject", nullptr, nullptr, 0, 0, 0, nullptr, &exception);
    IActiveScript* running = engine.engine;
    // Closing lets go of what the script still holds: the Class_Terminate that runs then is watched too.
    const auto connect = [running] {
        running->SetScriptState(SCRIPTSTATE_CONNECTED);
        running->Close();
    };
    bool escaped = false;
    try {
        if (ScriptWatch* watch = scriptWatch())
            host.stopped = watch->watch(connect, [running] { running->InterruptScriptThread(SCRIPTTHREADID_BASE, nullptr, 0); });
        else
            connect();
    } catch (...) {
        // Whatever got out of the run, on this thread or handed over from the script's, fails the run only.
        escaped = true;
    }

    host.scriptError = escaped || site.errorFlag();
    host.result = g_strScriptResult;
    host.errorText = site.errorText();
    host.errorLine = site.errorLine();
    host.errorDescription = site.errorDescription();
}
