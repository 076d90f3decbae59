#include "CliCommands.h"
#include "CliPaths.h"

#include "data/DatabaseLifecycle.h"
#include "data/HeadlessDatabaseWindow.h"
#include "tables/IndexManager.h"

int runIndex(const QStringList& args)
{
    if (args.size() != 3 || args.first() != QLatin1String("list"))
        return usageError(kIndexUsage);
    const auto path = databasePathArgument(args[1]);
    if (!path)
        return 1;
    CAppContext context;
    HeadlessDatabaseWindow window;
    if (!OpenDatabase(context, window, *path))
        return 1;
    IndexManager manager(context, args[2]);
    if (!manager.load())
        return 1;
    QTextStream out(stdout);
    out << IndexManager::columnTitles().join(QLatin1Char('\t')) << '\n';
    for (const IndexRow& row : manager.rows())
        out << row.columns().join(QLatin1Char('\t')) << '\n';
    return 0;
}
