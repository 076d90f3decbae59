#include "platform/cedb/RowWrites.h"

#include "platform/cedb/Failures.h"
#include "platform/cedb/InsertTarget.h"
#include "platform/cedb/QueryCompiler.h"

#include <sqlite3.h>

#include <algorithm>

namespace cedb {

namespace {

// The names of one recordset's columns share their text, so a name given again is told by its pointer
// before its characters are compared.
bool sameName(const QByteArray& a, const QByteArray& b)
{
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

bool sameNames(const std::vector<QByteArray>& a, const std::vector<QByteArray>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameName);
}

QByteArray placeholders(size_t count)
{
    QByteArray marks;
    marks.reserve(qsizetype(count) * 3);
    for (size_t i = 0; i < count; ++i)
        marks.append(i ? ", ?" : "?");
    return marks;
}

QByteArray joined(const std::vector<QByteArray>& names, const char* suffix = "")
{
    QByteArray list;
    list.reserve(qsizetype(names.size()) * 8);
    for (const QByteArray& name : names) {
        if (!list.isEmpty())
            list.append(", ");
        list.append(name).append(suffix);
    }
    return list;
}

} // namespace

HRESULT writableTable(const Catalogue& catalogue, const QString& name, const TableInfo*& table)
{
    table = catalogue.table(name);
    if (!table)
        return fail(DB_E_ERRORSINCOMMAND, QStringLiteral("Unknown table %1").arg(name));
    if (table->isEngineTable())
        return fail(DB_E_ERRORSINCOMMAND, QStringLiteral("The engine table %1 is written by the engine only").arg(name));
    return S_OK;
}

HRESULT insertRow(Store& db, const Insert& statement)
{
    const InsertTarget* target = nullptr;
    if (FAILED(insertTarget(db.catalogue(), statement, target)))
        return DB_E_ERRORSINCOMMAND;
    const size_t count = target->types.size();
    if (count != statement.values.size())
        return fail(DB_E_ERRORSINCOMMAND,
                    QStringLiteral("%1 values for %2 columns").arg(statement.values.size()).arg(count));
    // Their room is kept from one statement to the next; every one is written below before it is read.
    thread_local std::vector<StoredValue> values;
    values.resize(count);
    for (size_t i = 0; i < count; ++i)
        if (FAILED(toStored(statement.values[i], target->types[i], LengthCheck::Enforce, values[i])))
            return fail(DB_E_BADVALUES, QStringLiteral("The value %1 does not fit the column %2")
                                            .arg(statement.values[i].toString(), target->names[i]));
    qint64 rowid = 0;
    return insertBySql(db, target->table, target->storage, target->sql, values, rowid);
}

HRESULT deleteRows(Store& db, const Delete& statement)
{
    const TableInfo* table = nullptr;
    if (FAILED(writableTable(db.catalogue(), statement.table, table)))
        return DB_E_ERRORSINCOMMAND;
    Scope scope(db.catalogue().dialect());
    scope.add(*table);
    QByteArray sql = "DELETE FROM " + table->storage + " AS " + Scope::alias(0);
    std::vector<StoredValue> parameters;
    if (statement.where) {
        sql += " WHERE ";
        const HRESULT hr = compileCondition(*statement.where, scope, sql, parameters);
        if (FAILED(hr))
            return hr;
    }
    return db.write(Store::Change::Data, [&] { return db.run(sql, parameters); });
}

QByteArray insertSql(const QByteArray& table, const std::vector<QByteArray>& columns)
{
    if (columns.empty())
        return "INSERT INTO " + table + " DEFAULT VALUES";
    return "INSERT INTO " + table + " (" + joined(columns) + ") VALUES (" + placeholders(columns.size()) + ")";
}

HRESULT insertStored(Store& db, const QByteArray& table, const std::vector<QByteArray>& columns,
                     const std::vector<StoredValue>& values, qint64& rowid)
{
    // A bulk import sends the same table and columns over and over: its text is built once.
    thread_local QByteArray lastTable, sql;
    thread_local std::vector<QByteArray> lastColumns;
    if (sql.isEmpty() || !sameName(table, lastTable) || !sameNames(columns, lastColumns)) {
        sql = insertSql(table, columns);
        lastTable = table;
        lastColumns = columns;
    }
    return insertBySql(db, table, columns, sql, values, rowid);
}

HRESULT insertBySql(Store& db, const QByteArray& table, const std::vector<QByteArray>& columns, const QByteArray& sql,
                    const std::vector<StoredValue>& values, qint64& rowid)
{
    // One reference captured keeps the function's body within std::function's own room: no allocation
    // for each row.
    struct Insertion {
        Store& db;
        const QByteArray& sql;
        const std::vector<StoredValue>& values;
        qint64& rowid;
    } row{db, sql, values, rowid};
    return db.writeAdded(table, columns, values, [&row]() -> HRESULT {
        // Asked after a failure, the server would answer for the failure instead of telling it.
        const HRESULT hr = row.db.run(row.sql, row.values);
        if (SUCCEEDED(hr))
            row.rowid = row.db.lastInsertRowid();
        return hr;
    });
}

HRESULT updateStored(Store& db, const QByteArray& table, qint64 rowid, const std::vector<QByteArray>& columns,
                     const std::vector<StoredValue>& values)
{
    if (columns.empty())
        return S_OK;
    std::vector<StoredValue> parameters = values;
    parameters.push_back(rowid);
    const QByteArray sql = "UPDATE " + table + " SET " + joined(columns, " = ?") + " WHERE rowid = ?";
    return db.write(Store::Change::Data, [&] { return db.run(sql, parameters); });
}

HRESULT deleteStored(Store& db, const QByteArray& table, qint64 rowid)
{
    return db.write(Store::Change::Data,
                    [&] { return db.run("DELETE FROM " + table + " WHERE rowid = ?", {rowid}); });
}

} // namespace cedb
