#include "CliCommands.h"
#include "CliPaths.h"

#include "data/DatabaseLifecycle.h"
#include "data/HeadlessDatabaseWindow.h"

int runTables(const QStringList& args)
{
    if (args.size() != 1)
        return usageError(kTablesUsage);
    const auto path = databasePathArgument(args.first());
    if (!path)
        return 1;
    CAppContext context;
    HeadlessDatabaseWindow window;
    if (!OpenDatabase(context, window, *path))
        return 1;
    QTextStream out(stdout);
    for (const HeadlessDatabaseWindow::TableRow& row : window.rows())
        out << row.name << '\t' << row.recordCount << '\t' << row.tableId << '\n';
    return 0;
}
