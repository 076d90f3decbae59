#include "logic/RunScript.h"

#include "logic/CScriptSite.h"
#include "logic/ScriptWatch.h"
#include "platform/framework/MessageBox.h"
#include "platform/vbscript/Engine.h"

namespace {

ScriptEngineFactory g_engineFactory = vbscript::CreateVBScriptEngine;

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
}

} // namespace

ScriptEngineFactory setScriptEngineFactory(ScriptEngineFactory factory)
{
    ScriptEngineFactory previous = g_engineFactory;
    g_engineFactory = factory;
    return previous;
}

void RunScript(ScriptHost& host, const QString& script)
{
    CScriptSite& site = CScriptSite::instance();
    site.setObject(host.evalExpr.GetIDispatch());

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
    const auto connect = [running] { running->SetScriptState(SCRIPTSTATE_CONNECTED); };
    bool escaped = false;
    try {
        if (ScriptWatch* watch = scriptWatch())
            watch->watch(connect, [running] { running->InterruptScriptThread(SCRIPTTHREADID_BASE, nullptr, 0); });
        else
            connect();
    } catch (...) {
        // Whatever got out of the run, on this thread or handed over from the script's, fails the run only.
        escaped = true;
    }

    host.scriptError = escaped || site.errorFlag();
}
