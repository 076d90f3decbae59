#include "CliCommands.h"
#include "CliDatabase.h"

#include "data/CAppContext.h"

#include <algorithm>

int runDeletedTables(const QStringList& args)
{
    if (args.size() != 1)
        return usageError(kDeletedTablesUsage);
    CAppContext context;
    if (!openKeepingHistory(context, args[0]))
        return 1;
    QTextStream out(stdout);
    for (const cedb::history::DeletedTable& table : cedb::history::deletedTables(context.databasePath()))
        out << table.step.at << '\t' << table.name << '\t' << table.step.records << '\n';
    return 0;
}

int runRestoreTable(const QStringList& args)
{
    if (args.size() != 2)
        return usageError(kRestoreTableUsage);
    CAppContext context;
    if (!openKeepingHistory(context, args[0]))
        return 1;
    // The list is newest first: of several deleted under one name, the last one deleted comes back.
    const std::vector<cedb::history::DeletedTable> deleted = cedb::history::deletedTables(context.databasePath());
    const auto table = std::find_if(deleted.begin(), deleted.end(), [&](const cedb::history::DeletedTable& entry) {
        return entry.name.compare(args[1], Qt::CaseInsensitive) == 0;
    });
    if (table == deleted.end()) {
        QTextStream(stderr) << "error: no deleted table named " << args[1] << '\n';
        return 1;
    }
    QString message;
    if (!cedb::history::restoreTable(context.databasePath(), table->change, message)) {
        QTextStream(stderr) << "error: " << message << '\n';
        return 1;
    }
    QTextStream(stdout) << "Restored " << table->name << " with " << table->step.records << " records\n";
    return 0;
}
