#include "platform/cedb/HistoryTables.h"

#include "platform/cedb/Database.h"
#include "platform/cedb/Failures.h"
#include "platform/cedb/HistoryText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sqlite3.h>

#include <algorithm>

namespace cedb::history {

namespace {

// Where the catalogue tables hold rows of one user table: by its TableID, or by its name.
struct CatalogueRowsOf {
    const char* table;
    std::vector<const char*> columns;
    bool byName;
};

const std::vector<CatalogueRowsOf>& catalogueRows()
{
    static const std::vector<CatalogueRowsOf> rows = {
        {"MSysTables", {"TableID"}, false},
        {"MSysFields", {"TableID"}, false},
        {"MSysIndexes", {"TableID"}, false},
        {"XNSysFields", {"TableID"}, false},
        {"XNSysRelations", {"LeftTable", "RightTable"}, true},
        {"XNSysTables", {"TableSource"}, true},
    };
    return rows;
}

// Steps `sql` and hands each row to `row`.
bool eachRow(Database& db, const QByteArray& sql, const std::vector<StoredValue>& values,
             const std::function<void(sqlite3_stmt*)>& row)
{
    PooledStatement statement;
    if (FAILED(db.prepare(sql, statement)))
        return false;
    statement.bind(values);
    int rc;
    while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW)
        row(statement.get());
    return rc == SQLITE_DONE;
}

QString text(sqlite3_stmt* statement, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                             sqlite3_column_bytes(statement, column));
}

// The table's columns as SQLite has them: the catalogue's own tables hold columns (Storage) their
// description leaves out.
TableInfo storedColumns(Database& db, const TableInfo& table)
{
    TableInfo stored;
    stored.storage = table.storage;
    eachRow(db, "SELECT name FROM pragma_table_info(?)", {QString::fromLatin1(table.storage)}, [&](sqlite3_stmt* row) {
        stored.columns.push_back(ColumnInfo{{}, 0, {}, text(row, 0).toLatin1()});
    });
    return stored;
}

bool hasColumn(const TableInfo& table, const QByteArray& storage)
{
    return std::any_of(table.columns.begin(), table.columns.end(),
                       [&](const ColumnInfo& column) { return column.storage == storage; });
}

QJsonObject parse(const QByteArray& snapshot) { return QJsonDocument::fromJson(snapshot).object(); }

} // namespace

QByteArray tableSnapshot(Database& db, const TableInfo& table)
{
    QJsonArray schema;
    eachRow(db,
            "SELECT sql FROM main.sqlite_schema WHERE tbl_name = ? AND sql IS NOT NULL ORDER BY type = 'index', rowid",
            {QString::fromLatin1(table.storage)}, [&](sqlite3_stmt* row) { schema.append(text(row, 0)); });
    QJsonArray rows;
    for (const CatalogueRowsOf& of : catalogueRows()) {
        const TableInfo* catalogue = db.catalogue().table(QString::fromLatin1(of.table));
        if (!catalogue)
            continue;
        QByteArray where;
        std::vector<StoredValue> values;
        for (const char* name : of.columns) {
            const ColumnInfo* column = catalogue->column(QString::fromLatin1(name));
            if (!column)
                continue;
            where += (where.isEmpty() ? "" : " OR ") + ("r." + column->storage) + (of.byName ? " = ? COLLATE NOCASE" : " = ?");
            values.push_back(of.byName ? StoredValue(table.name) : StoredValue(qint64(table.id)));
        }
        if (where.isEmpty())
            continue;
        eachRow(db, "SELECT r.rowid, " + historyRowText(storedColumns(db, *catalogue), "r") + " FROM " + catalogue->storage + " AS r WHERE " + where,
                values, [&](sqlite3_stmt* row) {
                    rows.append(QJsonObject{{"table", QString::fromLatin1(of.table)},
                                            {"rowid", QString::number(sqlite3_column_int64(row, 0))},
                                            {"values", text(row, 1)}});
                });
    }
    const QJsonObject snapshot{{"name", table.name}, {"id", table.id}, {"schema", schema}, {"rows", rows}};
    return QJsonDocument(snapshot).toJson(QJsonDocument::Compact);
}

QString snapshotTableName(const QByteArray& snapshot) { return parse(snapshot).value("name").toString(); }

HRESULT recreateTable(Database& db, const QByteArray& snapshot, QString& why)
{
    const QJsonObject table = parse(snapshot);
    const QString name = table.value("name").toString();
    if (name.isEmpty() || db.catalogue().table(name)) {
        why = QStringLiteral("a table named %1 exists now.").arg(name);
        return E_FAIL;
    }
    const HRESULT hr = db.write(Database::Change::Schema, [&]() -> HRESULT {
        for (const QJsonValue sql : table.value("schema").toArray())
            if (const HRESULT made = db.run(sql.toString().toUtf8()); FAILED(made))
                return made;
        for (const QJsonValue entry : table.value("rows").toArray()) {
            const QJsonObject row = entry.toObject();
            const TableInfo* catalogue = db.catalogue().table(row.value("table").toString());
            std::vector<HistoryValue> values;
            if (!catalogue || !parseRowText(row.value("values").toString().toUtf8(), values))
                continue;
            const TableInfo stored = storedColumns(db, *catalogue);
            QByteArray columns = "rowid", marks = "?";
            std::vector<StoredValue> parameters{row.value("rowid").toString().toLongLong()};
            for (const HistoryValue& value : values) {
                if (!hasColumn(stored, value.storage))
                    continue;
                columns += ", " + value.storage;
                marks += ", ?";
                parameters.push_back(literalValue(value.literal));
            }
            const HRESULT put = db.run("INSERT INTO " + catalogue->storage + " (" + columns + ") VALUES (" + marks + ")",
                                       parameters);
            if (FAILED(put))
                return put;
        }
        return S_OK;
    });
    if (FAILED(hr))
        why = lastError().description;
    return hr;
}

HRESULT removeTable(Database& db, const QByteArray& snapshot, QString& why)
{
    const QJsonObject table = parse(snapshot);
    const int id = table.value("id").toInt();
    const TableInfo* found = nullptr;
    for (const TableInfo& candidate : db.catalogue().tables())
        if (candidate.id == id)
            found = &candidate;
    const QString name = table.value("name").toString();
    if (!found) {
        why = QStringLiteral("the table %1 is not there any more.").arg(name);
        return E_FAIL;
    }
    bool holdsRecords = false;
    eachRow(db, "SELECT 1 FROM " + found->storage + " LIMIT 1", {}, [&](sqlite3_stmt*) { holdsRecords = true; });
    if (holdsRecords) {
        why = QStringLiteral("the table %1 holds records added since.").arg(name);
        return E_FAIL;
    }
    const QByteArray storage = found->storage;
    const HRESULT hr = db.write(Database::Change::Schema, [&]() -> HRESULT {
        if (const HRESULT dropped = db.run("DROP TABLE " + storage); FAILED(dropped))
            return dropped;
        for (const QJsonValue entry : table.value("rows").toArray()) {
            const QJsonObject row = entry.toObject();
            const TableInfo* catalogue = db.catalogue().table(row.value("table").toString());
            if (!catalogue)
                continue;
            const HRESULT gone = db.run("DELETE FROM " + catalogue->storage + " WHERE rowid = ?",
                                        {row.value("rowid").toString().toLongLong()});
            if (FAILED(gone))
                return gone;
        }
        return S_OK;
    });
    if (FAILED(hr))
        why = lastError().description;
    return hr;
}

} // namespace cedb::history
