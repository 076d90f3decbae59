#include "CliCommands.h"
#include "CliDatabase.h"

#include "tables/IndexManager.h"

int runIndex(const QStringList& args)
{
    if (args.size() != 3 || args.first() != QLatin1String("list"))
        return usageError(kIndexUsage);
    CAppContext context;
    if (!openDatabaseArgument(context, args[1]))
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
