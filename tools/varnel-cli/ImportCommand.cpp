#include "CliCommands.h"
#include "CliDatabase.h"

#include "tables/delimited/ImportProposal.h"
#include "tables/delimited/TextImport.h"

#include <QTextStream>

namespace {

// The choices the command line gives; the others are the ones the import dialog proposes for the file.
struct ImportArguments {
    QString database;
    QString file;
    QString table;
    std::optional<QString> delimiter;
    std::optional<bool> firstRowNames;
    std::optional<bool> skipComments;
    bool typed = true;
    bool append = false;
};

std::optional<ImportArguments> parse(const QStringList& args)
{
    ImportArguments parsed;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--header") || arg == QLatin1String("--no-header"))
            parsed.firstRowNames = arg == QLatin1String("--header");
        else if (arg == QLatin1String("--skip-comments"))
            parsed.skipComments = true;
        else if (arg == QLatin1String("--append"))
            parsed.append = true;
        else if (arg == QLatin1String("--delimiter") && hasValue && !args[i + 1].isEmpty())
            parsed.delimiter = args[++i];
        else if (arg == QLatin1String("--table") && hasValue)
            parsed.table = args[++i];
        else if (arg == QLatin1String("--types") && hasValue &&
                 (args[i + 1] == QLatin1String("auto") || args[i + 1] == QLatin1String("text")))
            parsed.typed = args[++i] == QLatin1String("auto");
        else if (arg.startsWith(QLatin1String("--")))
            return std::nullopt;
        else
            positional << arg;
    }
    if (positional.size() != 2)
        return std::nullopt;
    parsed.database = positional[0];
    parsed.file = positional[1];
    return parsed;
}

ImportSettings settingsFor(const QString& file, const ImportArguments& given)
{
    const ImportProposal proposal = proposeImport(file);
    return {file, given.delimiter.value_or(proposal.delimiter), given.firstRowNames.value_or(proposal.firstRowNames),
            given.typed, given.skipComments.value_or(proposal.skipComments)};
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
    const ImportSettings settings = settingsFor(*file, *parsed);
    CAppContext context;
    if (!openDatabaseArgument(context, parsed->database))
        return 1;
    const std::optional<ImportPreview> preview = readImportPreview(settings);
    if (!preview)
        return 1;
    const QString table = parsed->table.isEmpty() ? importTableName(*file) : parsed->table;
    const ImportOutcome outcome =
        TextImport(context, settings)
            .run(table, preview->fields, parsed->append ? TextImport::Mode::Append : TextImport::Mode::Create);
    if (outcome.state != ImportOutcome::State::Imported)
        return 1;
    QTextStream(stdout) << outcome.summary(table) << '\n';
    return 0;
}
