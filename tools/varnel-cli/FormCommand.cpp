// varnel-cli form SUBCOMMAND: stored forms of a database, read and moved between files without a window.
#include "CliCommands.h"
#include "CliDatabase.h"

#include "forms/format/CtrlProps.h"
#include "forms/format/DatabaseFormStore.h"

#include <QTextStream>

namespace {

struct FormSubcommand {
    const char* name;
    int arguments; // after the database
    int (*run)(DatabaseFormStore& store, const QStringList& args);
};

int fail(const QString& reason)
{
    QTextStream(stderr) << "error: " << reason << "\n";
    return 1;
}

void printProperties(QTextStream& out, const PropertySet& set)
{
    for (qsizetype i = 0; i < set.count(); ++i)
        out << "  " << set.names.at(i) << '=' << set.values.at(i) << '\n';
}

// The form's row, then every property ParseForm gives, in catalogue order.
int show(DatabaseFormStore& store, const QStringList& args)
{
    const std::optional<FormRow> row = store.findForm(args.at(0));
    if (!row)
        return fail(QStringLiteral("no form named ") + args.at(0));
    const ParsedForm parsed = ParseForm(row->ctrlProps);
    QTextStream out(stdout);
    out << "form\t" << row->name << '\t' << row->tableSource << "\nFormProps\n";
    printProperties(out, parsed.form);
    for (qsizetype n = 0; n < parsed.controls.size(); ++n) {
        const PropertySet& control = parsed.controls.at(n);
        const QString typeName = KindName(control.kind);
        out << "control\t" << n << '\t' << (typeName.isEmpty() ? QStringLiteral("?") : typeName) << '\n';
        printProperties(out, control);
    }
    return 0;
}

int exportForm(DatabaseFormStore& store, const QStringList& args)
{
    const auto path = databasePathArgument(args.at(1));
    if (!path)
        return 1;
    switch (ExportFormFile(store, args.at(0), *path)) {
    case ExportResult::Written: return 0;
    case ExportResult::NoSuchForm: return fail(QStringLiteral("no form named ") + args.at(0));
    case ExportResult::WriteFailed: break;
    }
    return fail(QStringLiteral("could not write ") + args.at(1));
}

int importForm(DatabaseFormStore& store, const QStringList& args)
{
    const auto path = databasePathArgument(args.at(0));
    if (!path)
        return 1;
    QString name;
    switch (ImportFormFile(store, *path, &name)) {
    case ImportResult::Added: return 0;
    case ImportResult::Unreadable: return fail(QStringLiteral("could not read ") + args.at(0));
    case ImportResult::InvalidName: return fail(QStringLiteral("Invalid Form Name : ") + name);
    case ImportResult::Exists: return fail(QStringLiteral("a form named ") + name + QStringLiteral(" exists already"));
    case ImportResult::AddFailed: break;
    }
    return fail(QStringLiteral("could not add the form ") + name);
}

const FormSubcommand kSubcommands[] = {
    {"show", 1, show},
    {"export", 2, exportForm},
    {"import", 1, importForm},
};

} // namespace

int runForm(const QStringList& args)
{
    if (args.value(0) == QLatin1String("run"))
        return runFormRun(args.mid(1));
    for (const FormSubcommand& subcommand : kSubcommands) {
        if (args.value(0) != QLatin1String(subcommand.name))
            continue;
        if (args.size() != subcommand.arguments + 2)
            return usageError(kFormUsage);
        CAppContext context;
        if (!openDatabaseArgument(context, args.at(1)))
            return 1;
        DatabaseFormStore store(context);
        return subcommand.run(store, args.mid(2));
    }
    return usageError(kFormUsage);
}
