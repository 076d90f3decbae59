#include "platform/cedb/SchemaChanges.h"

#include "platform/cedb/Failures.h"

#include <algorithm>

namespace cedb {

namespace {

HRESULT refused(const QString& reason)
{
    return fail(DB_E_ERRORSINCOMMAND, reason);
}

// The user table `name`; the engine's own tables are not changed by statements.
HRESULT userTable(Store& db, const QString& name, const TableInfo*& table)
{
    table = db.catalogue().table(name);
    if (!table)
        return refused(QStringLiteral("Unknown table %1").arg(name));
    if (table->isEngineTable())
        return refused(QStringLiteral("The engine table %1 cannot be changed").arg(name));
    return S_OK;
}

HRESULT typeOf(const ColumnDef& column, ColumnType& type)
{
    const std::optional<ColumnType> known = columnTypeFromName(column.typeName, column.length);
    if (!known)
        return refused(QStringLiteral("Unknown type %1 for %2").arg(column.typeName, column.name));
    type = *known;
    return S_OK;
}

bool validName(const QString& name)
{
    return !name.trimmed().isEmpty();
}

HRESULT insertField(Store& db, int tableId, const QString& name, int fieldId, const ColumnType& type,
                    const QByteArray& storage)
{
    return db.run("INSERT INTO MSysFields (TableID, FieldName, FieldID, FieldLen, ODBCType, Storage) "
                  "VALUES (?, ?, ?, ?, ?, ?)",
                  {qint64(tableId), name, qint64(fieldId), qint64(type.length), qint64(type.code),
                   QString::fromLatin1(storage)});
}

HRESULT dropStoredIndex(Store& db, int tableId, const IndexInfo& index)
{
    HRESULT hr = db.run("DROP INDEX " + index.storage);
    if (SUCCEEDED(hr))
        hr = db.run("DELETE FROM MSysIndexes WHERE TableID = ? AND Storage = ?",
                    {qint64(tableId), QString::fromLatin1(index.storage)});
    return hr;
}

QByteArray nextIndexStorage(const Catalogue& catalogue)
{
    int highest = 0;
    for (const TableInfo& table : catalogue.tables())
        for (const IndexInfo& index : table.indexes)
            highest = std::max(highest, index.storage.mid(1).toInt());
    return "i" + QByteArray::number(highest + 1);
}

} // namespace

HRESULT createTable(Store& db, const CreateTable& statement)
{
    if (!validName(statement.table) || db.catalogue().table(statement.table))
        return refused(QStringLiteral("A table named %1 exists already").arg(statement.table));
    std::vector<ColumnType> types;
    for (size_t i = 0; i < statement.columns.size(); ++i) {
        const ColumnDef& column = statement.columns[i];
        ColumnType type;
        if (FAILED(typeOf(column, type)))
            return DB_E_ERRORSINCOMMAND;
        if (!validName(column.name))
            return refused(QStringLiteral("A column needs a name"));
        for (size_t j = 0; j < i; ++j)
            if (statement.columns[j].name.compare(column.name, Qt::CaseInsensitive) == 0)
                return refused(QStringLiteral("The column %1 is named twice").arg(column.name));
        types.push_back(type);
    }
    return db.write(Store::Change::Schema, [&]() -> HRESULT {
        HRESULT hr = db.run("INSERT INTO MSysTables (TableName) VALUES (?)", {statement.table});
        if (FAILED(hr))
            return hr;
        const int id = int(db.lastInsertRowid());
        QByteArray columns;
        for (size_t i = 0; i < types.size(); ++i) {
            const QByteArray storage = columnStorage(int(i) + 1);
            columns += (i ? ", " : "") + db.declaration(storage, types[i]);
            hr = insertField(db, id, statement.columns[i].name, int(i) + 1, types[i], storage);
            if (FAILED(hr))
                return hr;
        }
        // A server table keys its rows itself, as a file's rowid does.
        if (db.catalogue().dialect() == SqlDialect::Postgres)
            columns.prepend(columns.isEmpty() ? "rowid bigserial PRIMARY KEY" : "rowid bigserial PRIMARY KEY, ");
        return db.run("CREATE TABLE " + tableStorage(id) + " (" + columns + ")");
    });
}

HRESULT dropTable(Store& db, const DropTable& statement)
{
    const TableInfo* table = nullptr;
    if (FAILED(userTable(db, statement.table, table)))
        return DB_E_ERRORSINCOMMAND;
    const qint64 id = table->id;
    const QByteArray storage = table->storage;
    return db.write(Store::Change::Schema, [&]() -> HRESULT {
        HRESULT hr = db.run("DROP TABLE " + storage);
        for (const char* sql : {"DELETE FROM MSysIndexes WHERE TableID = ?", "DELETE FROM MSysFields WHERE TableID = ?",
                                "DELETE FROM MSysTables WHERE TableID = ?"})
            if (SUCCEEDED(hr))
                hr = db.run(sql, {id});
        return hr;
    });
}

QByteArray indexSql(SqlDialect dialect, const QByteArray& storage, const QByteArray& table, const QByteArray& column,
                    int flags)
{
    const char* binary = dialect == SqlDialect::Sqlite ? " COLLATE BINARY" : " COLLATE \"C\"";
    return "CREATE INDEX " + storage + " ON " + table + " (" + column + (flags & indexCaseSensitive ? binary : "") +
           (flags & indexDescending ? " DESC" : "") + ")";
}

HRESULT createIndex(Store& db, const CreateIndex& statement)
{
    const QByteArray storage = nextIndexStorage(db.catalogue());
    const TableInfo* table = nullptr;
    if (FAILED(userTable(db, statement.table, table)))
        return DB_E_ERRORSINCOMMAND;
    const ColumnInfo* column = table->column(statement.column);
    if (!column)
        return refused(QStringLiteral("Unknown column %1").arg(statement.column));
    if (!validName(statement.index) || table->index(statement.index))
        return refused(QStringLiteral("An index named %1 exists already").arg(statement.index));
    const int flags = (statement.descending ? indexDescending : 0) | (statement.unknownFirst ? 0 : indexNullsLast) |
                      (statement.caseSensitive ? indexCaseSensitive : 0);
    const QByteArray sql = indexSql(db.catalogue().dialect(), storage, table->storage, column->storage, flags);
    const qint64 id = table->id, fieldId = column->fieldId;
    return db.write(Store::Change::Schema, [&]() -> HRESULT {
        const HRESULT hr = db.run(sql);
        if (FAILED(hr))
            return hr;
        return db.run("INSERT INTO MSysIndexes (TableID, IndexName, FieldID, Flags, Storage) VALUES (?, ?, ?, ?, ?)",
                      {id, statement.index, fieldId, qint64(flags), QString::fromLatin1(storage)});
    });
}

HRESULT dropIndex(Store& db, const DropIndex& statement)
{
    const TableInfo* table = nullptr;
    if (FAILED(userTable(db, statement.table, table)))
        return DB_E_ERRORSINCOMMAND;
    const IndexInfo* found = table->index(statement.index);
    if (!found)
        return refused(QStringLiteral("Unknown index %1").arg(statement.index));
    const IndexInfo index = *found;
    const int id = table->id;
    return db.write(Store::Change::Schema, [&] { return dropStoredIndex(db, id, index); });
}

HRESULT addColumn(Store& db, const AlterAdd& statement)
{
    const TableInfo* table = nullptr;
    ColumnType type;
    if (FAILED(userTable(db, statement.table, table)) || FAILED(typeOf(statement.column, type)))
        return DB_E_ERRORSINCOMMAND;
    if (!validName(statement.column.name) || table->column(statement.column.name))
        return refused(QStringLiteral("A column named %1 exists already").arg(statement.column.name));
    const QByteArray storage = columnStorage(table->nextStorageColumn());
    const int id = table->id, fieldId = int(table->columns.size()) + 1;
    const QByteArray sql = "ALTER TABLE " + table->storage + " ADD COLUMN " + db.declaration(storage, type);
    return db.write(Store::Change::Schema, [&]() -> HRESULT {
        const HRESULT hr = db.run(sql);
        return FAILED(hr) ? hr : insertField(db, id, statement.column.name, fieldId, type, storage);
    });
}

HRESULT renameColumn(Store& db, const AlterRename& statement)
{
    const TableInfo* table = nullptr;
    if (FAILED(userTable(db, statement.table, table)))
        return DB_E_ERRORSINCOMMAND;
    const ColumnInfo* column = table->column(statement.from);
    if (!column)
        return refused(QStringLiteral("Unknown column %1").arg(statement.from));
    const ColumnInfo* clash = table->column(statement.to);
    if (!validName(statement.to) || (clash && clash != column))
        return refused(QStringLiteral("A column named %1 exists already").arg(statement.to));
    const qint64 id = table->id, fieldId = column->fieldId;
    return db.write(Store::Change::Schema, [&] {
        return db.run("UPDATE MSysFields SET FieldName = ? WHERE TableID = ? AND FieldID = ?",
                      {statement.to, id, fieldId});
    });
}

// The columns after the dropped one move up, so FieldIDs keep numbering the columns 1, 2, 3 ...
HRESULT dropColumn(Store& db, const AlterDrop& statement)
{
    const TableInfo* table = nullptr;
    if (FAILED(userTable(db, statement.table, table)))
        return DB_E_ERRORSINCOMMAND;
    const ColumnInfo* column = table->column(statement.column);
    if (!column)
        return refused(QStringLiteral("Unknown column %1").arg(statement.column));
    if (table->columns.size() == 1)
        return refused(QStringLiteral("The last column of %1 cannot be dropped").arg(table->name));
    const TableInfo copy = *table;
    const ColumnInfo dropped = *column;
    return db.write(Store::Change::Schema, [&]() -> HRESULT {
        HRESULT hr = S_OK;
        for (const IndexInfo& index : copy.indexes)
            if (SUCCEEDED(hr) && index.fieldId == dropped.fieldId)
                hr = dropStoredIndex(db, copy.id, index);
        if (SUCCEEDED(hr))
            hr = db.run("ALTER TABLE " + copy.storage + " DROP COLUMN " + dropped.storage);
        const std::vector<StoredValue> where{qint64(copy.id), qint64(dropped.fieldId)};
        for (const char* sql : {"DELETE FROM MSysFields WHERE TableID = ? AND FieldID = ?",
                                "UPDATE MSysFields SET FieldID = FieldID - 1 WHERE TableID = ? AND FieldID > ?",
                                "UPDATE MSysIndexes SET FieldID = FieldID - 1 WHERE TableID = ? AND FieldID > ?"})
            if (SUCCEEDED(hr))
                hr = db.run(sql, where);
        return hr;
    });
}

} // namespace cedb
