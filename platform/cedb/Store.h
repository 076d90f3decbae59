#pragma once
// Where a database's tables live: a .cdb file in SQLite, or a database on a PostgreSQL server named by a
// postgresql:// address. Statements, schema changes and recordsets work on either through this; only
// the SQL text differs where the two disagree, which the catalogue's dialect tells.
#include "platform/cedb/Catalogue.h"
#include "platform/cedb/QueryCompiler.h"
#include "platform/cedb/ServerAddress.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace cedb {

struct Row {
    qint64 rowid = 0;   // 0 when the result cannot be edited
    qint64 version = 0; // the row's version as it was read, where the store keeps one
    std::vector<Variant> values;
};

class Store;

// The records of a query by position, without reading them all.
class Paging {
public:
    virtual ~Paging() = default;
    virtual const CompiledQuery& query() const = 0;
    virtual Store& store() const = 0;
    // The record at `position`, or null past the end (or on a failure, which `failure` then holds).
    virtual const Row* row(qint64 position, HRESULT& failure) = 0;
    virtual HRESULT count(qint64& count) = 0;
    // Whether the result has no record, without moving the window away from where reading goes on.
    virtual bool empty(HRESULT& failure) = 0;
    // Before the first write through the recordset, the result's rows are fixed by their rowids, so
    // that writing a record never moves others in or out from under the cursor (a loop that changes
    // the column its WHERE tests still visits every record). Only for editable results.
    virtual HRESULT freezeKeys() = 0;
    // After a write through the recordset: the record at `position` changed, went, or was added last.
    virtual void changed(qint64 position) = 0;
    virtual void removed(qint64 position) = 0;
    virtual void added(qint64 rowid) = 0;
};

class Store : public std::enable_shared_from_this<Store> {
public:
    // The database at `address`: a postgresql:// (or postgres://) URI, else a file's device or host path.
    static HRESULT open(const QString& address, std::shared_ptr<Store>& store);
    // A new database with an empty catalogue: `<path>.cdb`, or the empty server database at the URI.
    static HRESULT create(const QString& pathWithoutExtension);
    static bool isServerAddress(const QString& address);
    // Lets go of every database no recordset uses any more.
    static void closeUnused();

    virtual ~Store() = default;

    // The catalogue, read again first when another program has changed it.
    virtual const Catalogue& catalogue() = 0;
    // Runs `sql` with `values` to its end; "?" marks each value.
    virtual HRESULT run(const QByteArray& sql, const std::vector<StoredValue>& values = {}) = 0;
    // Runs `body` as one unit: all of it is stored, or none. Schema changes re-read the catalogue.
    enum class Change { Data, Schema };
    virtual HRESULT write(Change change, const std::function<HRESULT()>& body) = 0;
    // Runs `body`, which adds one record to the table stored as `table`, as a data change; a store may keep
    // the history and the count of many records added so at once.
    virtual HRESULT writeAdded(const QByteArray& table, const std::function<HRESULT()>& body)
    {
        return write(Change::Data, body);
    }
    // The same, `body` writing `values` into the storage columns `columns` of the table: a store may keep
    // what it needs of the record from them instead of reading it back.
    virtual HRESULT writeAdded(const QByteArray& table, const std::vector<QByteArray>& columns,
                               const std::vector<StoredValue>& values, const std::function<HRESULT()>& body)
    {
        Q_UNUSED(columns);
        Q_UNUSED(values);
        return writeAdded(table, body);
    }
    // The key the last INSERT gave its row.
    virtual qint64 lastInsertRowid() = 0;
    // The column as CREATE TABLE and ADD COLUMN declare it.
    virtual QByteArray declaration(const QByteArray& storage, const ColumnType& type) const = 0;

    virtual std::unique_ptr<Paging> page(CompiledQuery query) = 0;
    // Writes the changed columns of `row` as read; a store that keeps row versions refuses the write
    // when the row is no longer as it was read.
    virtual HRESULT updateRow(const CompiledQuery& query, const Row& row, const std::vector<QByteArray>& columns,
                              const std::vector<StoredValue>& values) = 0;
    virtual HRESULT deleteRow(const CompiledQuery& query, const Row& row) = 0;

    // DB_E_DESIGNCHANGED when another program changed or dropped a table `query` reads since it was
    // compiled. Only the server engine keeps watch; a file answers S_OK.
    virtual HRESULT checkDesign(const CompiledQuery& query) { return S_OK; }

    // From holdReads to releaseReads the store's statements read one state of it, which a file then checks
    // and locks once instead of once for each statement. Only reads may happen in between: a file would
    // keep a write made outside a transaction only when the hold ends.
    virtual void holdReads() {}
    virtual void releaseReads() {}

    virtual HRESULT beginTransaction() = 0;
    virtual HRESULT commitTransaction() = 0;
    virtual HRESULT rollbackTransaction() = 0;
};

// Holds a store's reads while it lives; no store, no hold.
class ReadHold {
public:
    explicit ReadHold(Store* store) : m_store(store)
    {
        if (m_store)
            m_store->holdReads();
    }
    ~ReadHold()
    {
        if (m_store)
            m_store->releaseReads();
    }
    ReadHold(const ReadHold&) = delete;
    ReadHold& operator=(const ReadHold&) = delete;

private:
    Store* m_store;
};

} // namespace cedb
