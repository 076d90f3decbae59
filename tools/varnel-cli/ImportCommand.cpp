#include "CliCommands.h"
#include "CliDatabase.h"

#include "tables/delimited/TextImport.h"

#include <QTextStream>

namespace {

struct ImportArguments {
    QString database;
    QString file;
    QString table;
    ImportSettings settings{QString(), QStringLiteral(","), false, true};
    bool append = false;
};

std::optional<ImportArguments> parse(const QStringList& args)
{
    ImportArguments parsed;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--header"))
            parsed.settings.firstRowNames = true;
        else if (arg == QLatin1String("--skip-comments"))
            parsed.settings.skipComments = true;
        else if (arg == QLatin1String("--append"))
            parsed.append = true;
        else if (arg == QLatin1String("--delimiter") && hasValue)
            parsed.settings.delimiter = args[++i];
        else if (arg == QLatin1String("--table") && hasValue)
            parsed.table = args[++i];
        else if (arg == QLatin1String("--types") && hasValue &&
                 (args[i + 1] == QLatin1String("auto") || args[i + 1] == QLatin1String("text")))
            parsed.settings.typed = args[++i] == QLatin1String("auto");
        else if (arg.startsWith(QLatin1String("--")))
            return std::nullopt;
        else
            positional << arg;
    }
    if (positional.size() != 2 || parsed.settings.delimiter.isEmpty())
        return std::nullopt;
    parsed.database = positional[0];
    parsed.file = positional[1];
    return parsed;
}

} // namespace

int runImport(const QStringList& args)
{
    std::optional<ImportArguments> parsed = parse(args);
    if (!parsed)
        return usageError(kImportUsage);
    const auto file = databasePathArgument(parsed->file);
    if (!file)
        return 1;
    parsed->settings.path = *file;
    CAppContext context;
    if (!openDatabaseArgument(context, parsed->database))
        return 1;
    const std::optional<ImportPreview> preview = readImportPreview(parsed->settings);
    if (!preview)
        return 1;
    const QString table = parsed->table.isEmpty() ? importTableName(*file) : parsed->table;
    const ImportOutcome outcome =
        TextImport(context, parsed->settings)
            .run(table, preview->fields, parsed->append ? TextImport::Mode::Append : TextImport::Mode::Create);
    if (outcome.state != ImportOutcome::State::Imported)
        return 1;
    QTextStream(stdout) << outcome.summary(table) << '\n';
    return 0;
}
