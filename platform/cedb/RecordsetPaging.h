#pragma once
// The records of a query by position, without reading them all: a small window of decoded rows, and one
// statement that keeps stepping forward while reads go forward. A jump starts the statement again at
// the wanted offset; going backwards reads a window that ends at the wanted row.
#include "platform/cedb/Database.h"
#include "platform/cedb/QueryCompiler.h"

#include <deque>
#include <optional>

namespace cedb {

struct Row {
    qint64 rowid = 0; // 0 when the result cannot be edited
    std::vector<Variant> values;
};

class RecordsetPaging : public Reader {
public:
    RecordsetPaging(std::shared_ptr<Database> db, CompiledQuery query);
    ~RecordsetPaging() override;

    const CompiledQuery& query() const { return m_query; }
    Database& database() const { return *m_db; }
    // The record at `position`, or null past the end (or on a failure, which `failure` then holds).
    const Row* row(qint64 position, HRESULT& failure);
    HRESULT count(qint64& count);
    // Whether the result has no record, without moving the window away from where reading goes on.
    bool empty(HRESULT& failure);
    // Before the first write through the recordset, the result's rows are fixed by their rowids, so
    // that writing a record never moves others in or out from under the cursor (a loop that changes
    // the column its WHERE tests still visits every record). Only for editable results.
    HRESULT freezeKeys();
    // After a write through the recordset: the record at `position` changed, went, or was added last.
    void changed(qint64 position);
    void removed(qint64 position);
    void added(qint64 rowid);

    void suspend() override;

private:
    HRESULT restartAt(qint64 offset);
    const Row* keyedRow(qint64 position, HRESULT& failure);
    void forgetRows();
    HRESULT step(bool decode, Row* row, bool& more);

    static constexpr qint64 window = 64;
    static constexpr qint64 skipLimit = 2048; // rows stepped over rather than starting again

    std::shared_ptr<Database> m_db;
    CompiledQuery m_query;
    PooledStatement m_rows;
    qint64 m_next = 0;            // position of the row m_rows gives next
    qint64 m_startOffset = 0;
    std::deque<Row> m_cache;
    qint64 m_cacheStart = 0;
    qint64 m_count = -1;
    bool m_hasRecords = false; // a record was seen
    std::optional<std::vector<qint64>> m_keys;
};

} // namespace cedb
