#include "logic/RunModule.h"

#include "platform/vbscript/Parser.h"

#include <algorithm>

ModuleRun RunModule(ScriptHost& host, const QString& name, const QString& source, const ProcedureChooser& choose)
{
    // A source that does not parse runs as it stands, so that the engine reports where it fails.
    const std::optional<vbscript::TextOutline> outline = vbscript::outlineOf(source);
    if (!outline || outline->runsStatements) {
        RunScript(host, source);
        return ModuleRun::Ran;
    }
    const QStringList& procedures = outline->plainProcedures;
    const auto named = std::find_if(procedures.begin(), procedures.end(), [&name](const QString& procedure) {
        return procedure.compare(name, Qt::CaseInsensitive) == 0;
    });
    QString procedure;
    if (named != procedures.end())
        procedure = *named;
    else if (procedures.size() == 1)
        procedure = procedures.first();
    else if (procedures.size() > 1 && choose) {
        procedure = choose(procedures);
        if (!procedures.contains(procedure))
            return ModuleRun::Cancelled;
    }
    if (procedure.isEmpty())
        return ModuleRun::NothingToRun;
    // The call goes on a line of its own after an empty one: a last line continued with " _" joins only that.
    RunScript(host, source + QStringLiteral("\n\n") + procedure);
    return ModuleRun::Ran;
}
