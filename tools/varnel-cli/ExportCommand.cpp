#include "CliCommands.h"
#include "CliDatabase.h"

#include "tables/delimited/TextExport.h"

#include <QTextStream>

int runExport(const QStringList& args)
{
    QStringList positional;
    QString delimiter = QStringLiteral(",");
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--delimiter") && i + 1 < args.size())
            delimiter = args[++i];
        else if (args[i].startsWith(QLatin1String("--")))
            return usageError(kExportUsage);
        else
            positional << args[i];
    }
    if (positional.size() != 3 || delimiter.isEmpty())
        return usageError(kExportUsage);
    const auto file = databasePathArgument(positional[2]);
    if (!file)
        return 1;
    CAppContext context;
    if (!openDatabaseArgument(context, positional[0]))
        return 1;
    const std::optional<int> written =
        exportDelimited(context, ExportSource::fromText(positional[1]), *file, delimiter);
    if (!written)
        return 1;
    QTextStream(stdout) << "Exported " << *written << " records to " << positional[2] << '\n';
    return 0;
}
