#include "data/Catalogue.h"
#include "data/CDbRecordset.h"
#include "data/DatabaseLifecycle.h"
#include "data/OdbcType.h"
#include "data/ReadOnlyDatabase.h"
#include "data/SqlText.h"

#include "platform/cedb/Engine.h"
#include "platform/framework/MessageBox.h"

#include <optional>
#include <set>

namespace {

constexpr int kFieldPropertyColumns = 26;
constexpr int kTypeColumn = 4;

// The statement that gives one engine field (the current row of `engineFields`) its default properties.
QString defaultFieldRow(CDbRecordset& engineFields)
{
    QStringList values(kFieldPropertyColumns);
    for (int column = 0; column < kTypeColumn; ++column)
        values[column] = engineFields.GetFieldString(column);
    values[kTypeColumn] = QString::number(odbc::codeOfEngineType(engineFields.GetFieldString(kTypeColumn).toInt()));
    for (int position : {5, 6, 8, 9, 11, 25})
        values[position] = QStringLiteral("0");

    static const std::set<int> unquoted = {2, 3, 4, 5, 6, 8, 9, 11};
    QString statement = QStringLiteral("Insert into XNSysFields values(") + values[0];
    for (int position = 1; position < kFieldPropertyColumns; ++position)
        statement += QLatin1Char(',') + (unquoted.count(position) ? values[position] : sqlQuoted(values[position]));
    return statement + QLatin1Char(')');
}

QString fieldsOfTable(const QString& catalogue, const QString& id)
{
    return QStringLiteral("SELECT * FROM '%1' WHERE 'TableID' = %2 ORDER BY 'TableID', 'FieldID'")
        .arg(catalogue, sqlQuoted(id));
}

// Earlier versions copied the engine's type code into the properties of the fields they added. Such a row
// holds exactly its column's engine code where that differs from the property code; it is given the right one.
bool mendTypeCode(CAppContext& context, CDbRecordset& properties, CDbRecordset& engineFields)
{
    const QString engineType = engineFields.GetFieldString(kTypeColumn);
    const int code = odbc::codeOfEngineType(engineType.toInt());
    if (properties.GetFieldString(kTypeColumn) != engineType || QString::number(code) == engineType)
        return true;
    CDbRecordset row(context.connection, context.databasePath());
    return row.Open(QStringLiteral("SELECT * FROM XNSysFields WHERE TableID = %1 AND FieldID = %2")
                        .arg(sqlQuoted(properties.GetFieldString(0)), sqlQuoted(properties.GetFieldString(2))),
                    2, 3) &&
           !row.IsEOF() && row.SetFieldString(QStringLiteral("ODBCType"), QString::number(code)) && row.Update();
}

// Adds default property rows for the fields of table `id` that have none yet, and mends the type code of
// those written wrongly; the rest of the existing rows stays as it is. False when the table's fields could
// not be read or a row could not be added or mended.
bool completeFieldRows(CAppContext& context, const QString& id)
{
    const QString path = context.databasePath();
    CDbRecordset properties(context.connection, path);
    CDbRecordset engineFields(context.connection, path);
    CDbRecordset inserter(context.connection, path);
    bool complete = properties.Open(fieldsOfTable(QStringLiteral("XNSysFields"), id), 0, 3) &&
                    engineFields.Open(fieldsOfTable(QStringLiteral("MSysFields"), id), 0, 1);
    const std::int32_t fieldCount = complete ? engineFields.GetRecordCount() : 0;
    for (std::int32_t k = 0; k < fieldCount; ++k) {
        if (!properties.IsEOF() && properties.GetFieldString(2) == engineFields.GetFieldString(2)) {
            complete = mendTypeCode(context, properties, engineFields) && complete;
            properties.MoveNext();
        } else if (!inserter.Open(defaultFieldRow(engineFields), 0, 3)) {
            complete = false;
        }
        engineFields.MoveNext();
    }
    return complete;
}

// Makes the catalogue tables that are missing, drops the field properties of tables that are gone, adds
// those of fields that have none and mends wrong type codes; names in `failed` what it could not do.
void mendCatalogue(CAppContext& context, const std::set<QString>& presentCatalogue,
                   const QList<std::pair<QString, QString>>& userTables, QStringList& failed)
{
    QStringList userTableIds;
    for (const auto& table : userTables)
        userTableIds << sqlQuoted(table.second);
    // With no user table left the statement has no condition and empties the field properties.
    QString cleanup = QStringLiteral("DELETE 'XNSysFields' ");
    if (!userTableIds.isEmpty())
        cleanup += QStringLiteral("WHERE 'TableID' <> ") + userTableIds.join(QStringLiteral(" AND 'TableID' <> "));

    CDbRecordset statement(context.connection, context.databasePath());
    for (const CatalogueTable& table : catalogueTables()) {
        if (presentCatalogue.count(table.name))
            continue;
        for (const QString& sql : table.statements)
            if (!statement.Open(sql, 0, 1))
                failed << QStringLiteral("creating ") + table.name;
    }
    if (!statement.Open(cleanup, 0, 1))
        failed << QStringLiteral("removing the field properties of deleted tables");
    statement.Close();

    for (const auto& [name, id] : userTables)
        if (!completeFieldRows(context, id))
            failed << QStringLiteral("adding the field properties of ") + name;
}

// What listing the tables found: the catalogue tables present and the user tables, name and id, in the
// order the tables list shows them.
struct ListedTables {
    std::set<QString> presentCatalogue;
    QList<std::pair<QString, QString>> userTables;
};

// Fills the tables list with every user table and its record count; reads only. Nullopt, after saying so,
// when the engine's catalogue cannot be read; a table that cannot be counted is named in `failed`.
std::optional<ListedTables> listTables(CAppContext& context, DatabaseWindowSink& window, QStringList& failed)
{
    window.clearTablesList();
    window.clearSecondList();

    const QString path = context.databasePath();
    CDbRecordset tables(context.connection, path);
    if (!tables.Open(QStringLiteral("SELECT * FROM MSysTables"), 0, 1)) {
        framework::showMessage(QStringLiteral("Unable to execute command : fDBInit"));
        return std::nullopt;
    }
    ListedTables listed;
    int row = 0;
    tables.MoveFirst();
    while (!tables.IsEOF() && tables.GetFieldCount() >= 1) {
        const QString name = tables.GetFieldString(0);
        for (const CatalogueTable& table : catalogueTables())
            if (name == table.name)
                listed.presentCatalogue.insert(name);
        if (isUserTable(name)) {
            CDbRecordset counter(context.connection, path);
            if (!counter.Open(sqlQuoted(name), 0, 1))
                failed << QStringLiteral("counting the records of ") + name;
            const QString id = tables.GetFieldString(1);
            window.addTableRow(row++, name, QString::number(counter.GetRecordCount()), QStringLiteral("0"), id);
            listed.userTables.append({name, id});
        }
        tables.MoveNext();
    }
    return listed;
}

void tellFailures(QStringList failed)
{
    if (failed.isEmpty())
        return;
    failed.removeDuplicates();
    framework::showMessage(QStringLiteral("The catalogue check could not finish: ") + failed.join(QStringLiteral("; ")));
}

} // namespace

bool fDBInit(CAppContext& context, DatabaseWindowSink& window)
{
    // The check goes on past every failure below and names what it could not do at the end.
    QStringList failed;
    const std::optional<ListedTables> listed = listTables(context, window, failed);
    if (!listed)
        return false;
    // A file marked read-only cannot be mended: it is shown as it is, and the window says it is read-only.
    if (!isReadOnlyDatabase(context.databasePath()))
        mendCatalogue(context, listed->presentCatalogue, listed->userTables, failed);
    tellFailures(failed);
    return true;
}

bool relistTables(CAppContext& context, DatabaseWindowSink& window)
{
    QStringList failed;
    const bool listed = listTables(context, window, failed).has_value();
    tellFailures(failed);
    return listed;
}
