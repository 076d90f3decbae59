#include "platform/cedb/DatabaseCopy.h"

#include "platform/cedb/Failures.h"
#include "platform/cedb/RowWrites.h"
#include "platform/cedb/SchemaChanges.h"
#include "platform/cedb/Store.h"

namespace cedb {

namespace {

QString withoutExtension(const QString& path)
{
    return Store::isServerAddress(path) || !path.endsWith(QLatin1String(".cdb"), Qt::CaseInsensitive)
               ? path
               : path.left(path.size() - 4);
}

// The table's description in the target's catalogue, under its source TableID and storage names.
HRESULT copyDefinition(Store& target, const TableInfo& table)
{
    HRESULT hr = target.run("INSERT INTO MSysTables (TableName, TableID) VALUES (?, ?)", {table.name, qint64(table.id)});
    QByteArray columns = target.catalogue().dialect() == SqlDialect::Postgres ? "rowid bigserial PRIMARY KEY" : "";
    for (const ColumnInfo& column : table.columns) {
        if (SUCCEEDED(hr))
            hr = target.run("INSERT INTO MSysFields (TableID, FieldName, FieldID, FieldLen, ODBCType, Storage) "
                            "VALUES (?, ?, ?, ?, ?, ?)",
                            {qint64(table.id), column.name, qint64(column.fieldId), qint64(column.type.length),
                             qint64(column.type.code), QString::fromLatin1(column.storage)});
        columns += (columns.isEmpty() ? "" : ", ") + target.declaration(column.storage, column.type);
    }
    if (SUCCEEDED(hr))
        hr = target.run("CREATE TABLE " + table.storage + " (" + columns + ")");
    for (const IndexInfo& index : table.indexes) {
        const ColumnInfo* column = table.columnById(index.fieldId);
        if (SUCCEEDED(hr) && column)
            hr = target.run(indexSql(target.catalogue().dialect(), index.storage, table.storage, column->storage,
                                     index.flags));
        if (SUCCEEDED(hr))
            hr = target.run("INSERT INTO MSysIndexes (TableID, IndexName, FieldID, Flags, Storage) VALUES (?, ?, ?, ?, ?)",
                            {qint64(table.id), index.name, qint64(index.fieldId), qint64(index.flags),
                             QString::fromLatin1(index.storage)});
    }
    return hr;
}

// The records in their order; each gets a new key in the target, in the same order.
HRESULT copyRecords(Store& source, Store& target, const TableInfo& table)
{
    CompiledQuery query;
    HRESULT hr = compileTable(table.name, source.catalogue(), query);
    if (FAILED(hr))
        return hr;
    std::vector<QByteArray> columns;
    for (const ResultColumn& column : query.columns)
        columns.push_back(column.storage);
    std::unique_ptr<Paging> records = source.page(query);
    for (qint64 position = 0;; ++position) {
        const Row* row = records->row(position, hr);
        if (!row)
            return hr;
        std::vector<StoredValue> values(columns.size());
        for (size_t i = 0; i < columns.size() && SUCCEEDED(hr); ++i)
            hr = toStored(row->values[i], query.columns[i].type, LengthCheck::Ignore, values[i]);
        qint64 rowid = 0;
        if (SUCCEEDED(hr))
            hr = insertStored(target, table.storage, columns, values, rowid);
        if (FAILED(hr))
            return hr;
    }
}

} // namespace

HRESULT copyDatabase(const QString& sourceAddress, const QString& targetAddress)
{
    std::shared_ptr<Store> source, target;
    HRESULT hr = Store::open(sourceAddress, source);
    if (SUCCEEDED(hr))
        hr = Store::create(withoutExtension(targetAddress));
    if (SUCCEEDED(hr))
        hr = Store::open(targetAddress, target);
    if (SUCCEEDED(hr))
        hr = target->beginTransaction();
    if (FAILED(hr))
        return hr;
    const std::vector<TableInfo> tables = source->catalogue().tables();
    for (const TableInfo& table : tables) {
        if (table.isEngineTable())
            continue;
        hr = target->write(Store::Change::Schema, [&] { return copyDefinition(*target, table); });
        if (SUCCEEDED(hr))
            hr = copyRecords(*source, *target, table);
        if (FAILED(hr))
            break;
    }
    // TableIDs were given here, not drawn from the server's counter: it goes on after the highest.
    if (SUCCEEDED(hr) && target->catalogue().dialect() == SqlDialect::Postgres)
        hr = target->run("SELECT setval(pg_get_serial_sequence('msystables', 'tableid'), "
                         "(SELECT max(TableID) FROM MSysTables))");
    if (FAILED(hr)) {
        const ErrorInfo why = lastError();
        target->rollbackTransaction();
        return fail(why.code, why.description);
    }
    return target->commitTransaction();
}

} // namespace cedb
