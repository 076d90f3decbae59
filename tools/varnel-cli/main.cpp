#include "CliCommand.h"
#include "CliCommands.h"
#include "data/ApplicationIdentity.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

// Each subcommand lives in its own file; add its declaration and one row below.
int runSql(const QStringList& args);
int runCreateEmpty(const QStringList& args);
int runScript(const QStringList& args);
int runReg(const QStringList& args);
int runEval(const QStringList& args);

static const std::vector<CliCommand>& commands()
{
    static const std::vector<CliCommand> all = {
        {"sql", "sql [--edit] DATABASE STATEMENT...  run statements on a database, printing results", runSql},
        {"create-empty", "create-empty PATH                  create an empty database file", runCreateEmpty},
        {"script", "script FILE [--db DATABASE]        run a script module with the console's MyObject", runScript},
        {"reg", "reg query KEY | register LIBRARY | unregister LIBRARY", runReg},
        {"create", kCreateUsage, runCreate},
        {"tables", kTablesUsage, runTables},
        {"delete", kDeleteUsage, runDelete},
        {"copy", kCopyUsage, runCopy},
        {"index", kIndexUsage, runIndex},
        {"profile", kProfileUsage, runProfile},
        {"form", kFormUsage, runForm},
        {"import", kImportUsage, runImport},
        {"export", kExportUsage, runExport},
        {"macro", kMacroUsage, runMacro},
        {"export-sqlite", kExportSqliteUsage, runExportSqlite},
        {"query", kQueryUsage, runQuery},
        {"print", kPrintUsage, runPrint},
        {"history", kHistoryUsage, runHistory},
        {"undo", kUndoUsage, runUndo},
        {"redo", kRedoUsage, runRedo},
        {"deleted-tables", kDeletedTablesUsage, runDeletedTables},
        {"restore-table", kRestoreTableUsage, runRestoreTable},
        {"eval", "eval DATABASE EXPRESSION           print the value of an expression over the records\n"
                 "  eval ... [--offset N] [--logical]  at record N (default 0), with And, Or, Not restored",
         runEval},
    };
    return all;
}

static int printHelp(FILE* stream)
{
    QTextStream out(stream);
    out << "usage: varnel-cli COMMAND [ARGUMENTS]\n\nVarnel Desk's headless companion. Commands:\n";
    for (const CliCommand& command : commands())
        out << "  " << command.usage << "\n";
    return stream == stdout ? 0 : 1;
}

// Printing measures and draws text, which takes the fonts of a graphical application, though no window.
static std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "print") != 0)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

int main(int argc, char** argv)
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    installApplicationIdentity();
    QStringList args = app->arguments().mid(1);
    if (args.isEmpty())
        return printHelp(stderr);
    const QString name = args.takeFirst();
    if (name == "--help" || name == "-h" || name == "help")
        return printHelp(stdout);
    for (const CliCommand& command : commands())
        if (name == command.name)
            return command.run(args);
    QTextStream(stderr) << "error: unknown command '" << name << "'\n";
    return printHelp(stderr);
}
