#include "CliCommands.h"
#include "CliDatabase.h"

#include "data/CAppContext.h"
#include "data/DataHistory.h"

namespace {

QString shown(const Variant& value, bool present)
{
    if (!present)
        return QStringLiteral("-");
    if (value.isNull())
        return QStringLiteral("Null");
    return QLatin1Char('"') + value.toString() + QLatin1Char('"');
}

const char* kindName(cedb::history::ChangeKind kind)
{
    switch (kind) {
    case cedb::history::ChangeKind::Added: return "added";
    case cedb::history::ChangeKind::Deleted: return "deleted";
    default: return "changed";
    }
}

void print(QTextStream& out, qint64 record, const cedb::history::RecordVersion& version)
{
    out << version.step.at << '\t' << version.step.command << "\trecord " << record << '\t'
        << kindName(version.kind) << (version.step.undone ? " (undone)" : "") << '\n';
    for (const cedb::history::FieldChange& field : version.fields)
        out << "    " << field.field << ": " << shown(field.before, version.kind != cedb::history::ChangeKind::Added)
            << " -> " << shown(field.after, version.kind != cedb::history::ChangeKind::Deleted) << '\n';
}

} // namespace

int runHistory(const QStringList& args)
{
    if (args.size() != 2 && !(args.size() == 4 && args[2] == QLatin1String("--record")))
        return usageError(kHistoryUsage);
    CAppContext context;
    if (!openKeepingHistory(context, args[0]))
        return 1;
    QTextStream out(stdout);
    if (args.size() == 4) {
        bool ok = false;
        const qint64 record = args[3].toLongLong(&ok);
        if (!ok)
            return usageError(kHistoryUsage);
        for (const cedb::history::RecordVersion& version :
             cedb::history::recordHistory(context.databasePath(), args[1], record))
            print(out, record, version);
        return 0;
    }
    for (const cedb::history::RecordHistory& history : cedb::history::tableHistory(context.databasePath(), args[1]))
        for (const cedb::history::RecordVersion& version : history.versions)
            print(out, history.record, version);
    return 0;
}

int runUndo(const QStringList& args)
{
    int steps = 1;
    if (args.size() == 3 && args[1] == QLatin1String("--steps"))
        steps = args[2].toInt();
    if ((args.size() != 1 && args.size() != 3) || steps < 1)
        return usageError(kUndoUsage);
    CAppContext context;
    if (!openDatabaseArgument(context, args[0]))
        return 1;
    DataHistory history(context);
    const QString text = history.undoText();
    if (!history.undo(steps)) {
        QTextStream(stderr) << "error: " << history.message() << '\n';
        return 1;
    }
    QTextStream(stdout) << (steps == 1 ? text : QStringLiteral("Undo %1 steps").arg(steps)) << '\n';
    return 0;
}

int runRedo(const QStringList& args)
{
    if (args.size() != 1)
        return usageError(kRedoUsage);
    CAppContext context;
    if (!openDatabaseArgument(context, args[0]))
        return 1;
    DataHistory history(context);
    const QString text = history.redoText();
    if (!history.redo()) {
        QTextStream(stderr) << "error: " << history.message() << '\n';
        return 1;
    }
    QTextStream(stdout) << text << '\n';
    return 0;
}
