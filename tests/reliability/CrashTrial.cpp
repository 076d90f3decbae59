// One side of a crash trial. "write" makes the steps of the crash model one after another and notes each
// confirmed step in a journal it flushes to disk; the trial kills it at a random moment. "check" then
// opens what is left and says whether every confirmed step is there, the file is sound and the
// catalogue agrees with the tables.
#include "CrashModel.h"
#include "data/ApplicationIdentity.h"
#include "data/CDbRecordset.h"
#include "data/DatabaseLifecycle.h"
#include "data/HeadlessDatabaseWindow.h"
#include "tables/FieldCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTextStream>

#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>

using namespace crashtrial;

namespace {

const QString kDatabase = QStringLiteral("\\Crash.cdb");

int fail(const QString& why)
{
    QTextStream(stderr) << "crash trial: " << why << "\n";
    return 1;
}

class Journal {
public:
    explicit Journal(const QString& path) : m_file(path) { m_file.open(QIODevice::WriteOnly | QIODevice::Append); }
    // The line is on disk before the writer goes on: a step noted here was confirmed.
    void note(const QByteArray& line)
    {
        m_file.write(line + '\n');
        m_file.flush();
        ::fsync(m_file.handle());
    }

private:
    QFile m_file;
};

FieldDefinition definition(const QString& name, const QString& type)
{
    return {name, type, fieldtypes::propertyTemplate(type)};
}

bool run(CAppContext& context, const QString& sql)
{
    CDbRecordset statement(context.connection, context.databasePath());
    return statement.Open(sql, 0, 1);
}

// ---- the writer

bool prepare(CAppContext& context, HeadlessDatabaseWindow& window)
{
    if (!CreateDatabase(context, window, kDatabase) || !fDBInit(context, window))
        return false;
    FieldDefinition name = definition(QStringLiteral("Name"), fieldtypes::kText);
    name.properties[0].value = QStringLiteral("80");
    return FieldCatalogue(context, QStringLiteral("People"))
               .CreateTable({name, definition(QStringLiteral("Age"), fieldtypes::kInteger)}) &&
           FieldCatalogue(context, QStringLiteral("Shape"))
               .CreateTable({definition(QStringLiteral("Label"), fieldtypes::kText)});
}

// The first record of People in the given order, as the datasheet reaches it.
bool editFirst(CAppContext& context, const QString& order, bool remove)
{
    CDbRecordset records(context.connection, context.databasePath());
    if (!records.Open(QStringLiteral("SELECT * FROM People ORDER BY Age ") + order, 2, 3))
        return false;
    if (records.IsEOF())
        return true;
    if (remove)
        return records.Delete();
    return records.SetFieldString(QStringLiteral("Name"), changedName(records.GetFieldString(0))) &&
           records.Update();
}

bool makeStep(CAppContext& context, int step)
{
    FieldCatalogue shape(context, QStringLiteral("Shape"));
    const QString field = fieldOfStep(step);
    switch (kindOf(step)) {
    case StepKind::AddRecord: {
        CDbRecordset records(context.connection, context.databasePath());
        return records.Open(QStringLiteral("People"), 2, 3) && records.AddNew() &&
               records.SetFieldString(QStringLiteral("Name"), nameOfRecord(step)) &&
               records.SetFieldLong(QStringLiteral("Age"), step) && records.Update();
    }
    case StepKind::ChangeRecord:
        return editFirst(context, QStringLiteral("ASC"), false);
    case StepKind::DeleteRecord:
        return editFirst(context, QStringLiteral("DESC"), true);
    case StepKind::AddField:
        return shape.AddFieldToTable(definition(field, fieldtypes::kText), fieldtypes::kText);
    case StepKind::RetypeField:
        return shape.ChangeFieldType(shape.PositionOf(field), definition(field, fieldtypes::kInteger));
    case StepKind::DropField:
        return shape.DeleteField(field);
    case StepKind::SaveCatalogueRows: {
        const CatalogueRow row = catalogueRowOfStep(step);
        CDbRecordset rows(context.connection, context.databasePath());
        if (!rows.Open(row.table, 2, 3) || !rows.AddNew() || !rows.SetFieldString(row.nameColumn, row.name))
            return false;
        if (row.table == QLatin1String("XNSysForms") &&
            !(rows.SetFieldString(QStringLiteral("TableSource"), QStringLiteral("People")) &&
              rows.SetFieldString(QStringLiteral("CtrlProps"), QStringLiteral("1~Name~|"))))
            return false;
        return rows.Update();
    }
    }
    return false;
}

int write(const QString& journalPath, int steps)
{
    CAppContext context;
    HeadlessDatabaseWindow window;
    Journal journal(journalPath);
    if (!prepare(context, window))
        return fail(QStringLiteral("the database could not be prepared"));
    journal.note("ready");
    for (int step = 0; step < steps; ++step) {
        if (!makeStep(context, step))
            return fail(QStringLiteral("step %1 failed").arg(step));
        journal.note("done " + QByteArray::number(step));
    }
    return 0;
}

// ---- the checker

QStringList column(CAppContext& context, const QString& sql)
{
    QStringList values;
    CDbRecordset records(context.connection, context.databasePath());
    if (records.Open(sql, 0, 1))
        for (; !records.IsEOF(); records.MoveNext())
            values << records.GetFieldString(0);
    return values;
}

// Rows of a statement on the file itself, below the engine, each column as text.
QList<QStringList> rawRows(sqlite3* db, const QString& sql)
{
    QList<QStringList> rows;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        return rows;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        QStringList row;
        for (int c = 0; c < sqlite3_column_count(statement); ++c)
            row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, c)));
        rows << row;
    }
    sqlite3_finalize(statement);
    return rows;
}

QSet<QString> firstColumn(const QList<QStringList>& rows)
{
    QSet<QString> values;
    for (const QStringList& row : rows)
        values.insert(row.value(0));
    return values;
}

// The change counter in the file's header, which the kept record counts are stamped with.
QString headerCounter(const QString& hostPath)
{
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray header = file.read(28);
    if (header.size() < 28)
        return QString();
    const auto byte = [&](int i) { return quint32(quint8(header[i])); };
    return QString::number(byte(24) << 24 | byte(25) << 16 | byte(26) << 8 | byte(27));
}

// A record count the file keeps, while its stamp says it holds, must be the table's real count.
QString keptCountsDiffer(sqlite3* db, const QString& hostPath)
{
    const QString stamp = rawRows(db, QStringLiteral("SELECT counter FROM VarnelRecordCountStamp")).value(0).value(0);
    if (stamp.isEmpty() || stamp != headerCounter(hostPath))
        return QString();
    for (const QStringList& kept : rawRows(db, QStringLiteral("SELECT tableId, records FROM VarnelRecordCounts"))) {
        const QString real = rawRows(db, QStringLiteral("SELECT count(*) FROM t%1").arg(kept[0])).value(0).value(0);
        if (real != kept[1])
            return QStringLiteral("table t%1 keeps %2 records and holds %3").arg(kept[0], kept[1], real);
    }
    return QString();
}

// The file's soundness and the engine's catalogue against the real tables; empty when all agree.
QString checkFile(const QString& hostPath)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(hostPath).constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return QStringLiteral("the file does not open in SQLite");
    }
    QString problem;
    if (const auto verdict = rawRows(db, QStringLiteral("PRAGMA integrity_check")); verdict != QList<QStringList>{{QStringLiteral("ok")}})
        problem = QStringLiteral("integrity check: ") + verdict.value(0).value(0);
    for (const QStringList& table : rawRows(db, QStringLiteral("SELECT TableID, TableName FROM MSysTables WHERE TableID > 3"))) {
        const QSet<QString> listed = firstColumn(
            rawRows(db, QStringLiteral("SELECT Storage FROM MSysFields WHERE TableID = %1").arg(table[0])));
        const QSet<QString> real = firstColumn(rawRows(db, QStringLiteral("SELECT name FROM pragma_table_info('t%1')").arg(table[0])));
        if (listed != real)
            problem = QStringLiteral("the columns of %1 differ from MSysFields").arg(table[1]);
    }
    if (const QString kept = keptCountsDiffer(db, hostPath); !kept.isEmpty())
        problem = kept;
    sqlite3_close(db);
    return problem;
}

QString describe(const ExpectedState& state)
{
    QStringList rows = state.savedRows;
    rows.sort();
    QStringList people;
    for (auto it = state.people.begin(); it != state.people.end(); ++it)
        people << QString::number(it.key()) + QLatin1Char('=') + it.value();
    return people.join(QLatin1Char(',')) + QLatin1Char('|') + state.shapeFields.join(QLatin1Char(',')) +
           QLatin1Char(':') + state.shapeTypes.join(QLatin1Char(',')) + QLatin1Char('|') +
           rows.join(QLatin1Char(','));
}

// What the database holds, in the model's terms.
ExpectedState found(CAppContext& context)
{
    ExpectedState state;
    CDbRecordset people(context.connection, context.databasePath());
    if (people.Open(QStringLiteral("SELECT Age, Name FROM People"), 0, 1))
        for (; !people.IsEOF(); people.MoveNext())
            state.people.insert(people.GetFieldString(0).toInt(), people.GetFieldString(1));
    const QList<LoadedField> fields = FieldCatalogue(context, QStringLiteral("Shape")).LoadFields();
    for (qsizetype f = 1; f < fields.size(); ++f) {
        state.shapeFields << fields[f].definition.name;
        state.shapeTypes << fields[f].definition.type;
    }
    // Every kind of catalogue row, by the cycles that write them.
    for (int cycle = 0; cycle < 4; ++cycle) {
        const CatalogueRow kind = catalogueRowOfStep(cycle * 8);
        for (const QString& name :
             column(context, QStringLiteral("SELECT ") + kind.nameColumn + QStringLiteral(" FROM ") + kind.table))
            state.savedRows << kind.table + QLatin1Char(':') + name;
    }
    return state;
}

// The engine's field names of a table against the program's field catalogue.
bool catalogueAgrees(CAppContext& context, const QString& table)
{
    const QString id = FieldCatalogue(context, table).tableId();
    QStringList engine = column(context, QStringLiteral("SELECT FieldName FROM MSysFields WHERE TableID = ") + id);
    QStringList program = column(context, QStringLiteral("SELECT FieldName FROM XNSysFields WHERE TableID = ") + id);
    engine.sort(Qt::CaseInsensitive);
    program.sort(Qt::CaseInsensitive);
    return !id.isEmpty() && engine == program;
}

int check(const QString& root, const QString& journalPath)
{
    QFile journal(journalPath);
    if (!journal.open(QIODevice::ReadOnly) || !journal.readLine().startsWith("ready"))
        return fail(QStringLiteral("the writer never got ready"));
    int confirmed = 0;
    while (journal.readLine().startsWith("done "))
        ++confirmed;
    CAppContext context;
    HeadlessDatabaseWindow window;
    if (!OpenDatabase(context, window, kDatabase))
        return fail(QStringLiteral("the database does not open after %1 confirmed steps").arg(confirmed));
    if (const QString problem = checkFile(root + QStringLiteral("/Crash.cdb")); !problem.isEmpty())
        return fail(problem);
    for (const QString& table : {QStringLiteral("People"), QStringLiteral("Shape")})
        if (!catalogueAgrees(context, table))
            return fail(QStringLiteral("XNSysFields and MSysFields differ for ") + table);
    // The step under way at the kill may or may not have reached the file.
    const QString state = describe(found(context));
    if (state != describe(expectedAfter(confirmed)) && state != describe(expectedAfter(confirmed + 1)))
        return fail(QStringLiteral("after %1 confirmed steps the database holds %2, expected %3")
                        .arg(confirmed)
                        .arg(state, describe(expectedAfter(confirmed))));
    QTextStream(stdout) << "ok after " << confirmed << " confirmed steps\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    installApplicationIdentity();
    const QStringList args = application.arguments().mid(1);
    if (args.size() < 3 || (args[0] != "write" && args[0] != "check"))
        return fail(QStringLiteral("usage: crash_trial write ROOT JOURNAL [STEPS] | check ROOT JOURNAL"));
    qputenv("VARNEL_ROOT", args[1].toUtf8());
    QDir(args[1]).mkpath(QStringLiteral("Windows"));
    if (args[0] == "write")
        return write(args[2], args.value(3, QStringLiteral("100000")).toInt());
    return check(args[1], args[2]);
}
