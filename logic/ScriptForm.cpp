#include "logic/ScriptForm.h"

namespace {
ScriptApplication* g_application = nullptr;
}

ScriptApplication* setScriptApplication(ScriptApplication* application)
{
    ScriptApplication* previous = g_application;
    g_application = application;
    return previous;
}

ScriptApplication* scriptApplication() { return g_application; }

ScriptForm* currentScriptForm() { return g_application ? g_application->currentForm() : nullptr; }
