#include "logic/RunModule.h"

#include "platform/vbscript/Parser.h"

ModuleRun RunModule(ScriptHost& host, const QString& name, const QString& source)
{
    // A source that does not parse runs as it stands, so that the engine reports where it fails.
    const std::optional<vbscript::TextOutline> outline = vbscript::outlineOf(source);
    if (!outline || outline->runsStatements) {
        RunScript(host, source);
        return ModuleRun::Ran;
    }
    if (!outline->plainProcedures.contains(name.toLower()))
        return ModuleRun::NothingToRun;
    // The call goes on a line of its own after an empty one: a last line continued with " _" joins only that.
    RunScript(host, source + QStringLiteral("\n\n") + name);
    return ModuleRun::Ran;
}
