#include "CliCommands.h"
#include "CliDatabase.h"

#include "data/SqliteExport.h"

#include <QTextStream>

int runExportSqlite(const QStringList& args)
{
    if (args.size() != 2)
        return usageError(kExportSqliteUsage);
    const auto file = databasePathArgument(args[1]);
    const auto host = file ? device::toHostPath(*file) : std::nullopt;
    if (!host)
        return 1;
    CAppContext context;
    if (!openDatabaseArgument(context, args[0]))
        return 1;
    const std::optional<int> tables = exportSqliteDatabase(context, *host);
    if (!tables)
        return 1;
    QTextStream(stdout) << "Exported " << *tables << " tables to " << args[1] << '\n';
    return 0;
}
