#pragma once
// The records of a query by position, without reading them all: a small window of decoded rows, and one
// statement that keeps stepping forward while reads go forward. A jump starts the statement again at
// the wanted offset; going backwards reads a window that ends at the wanted row.
#include "platform/cedb/Database.h"
#include "platform/cedb/QueryCompiler.h"

#include <deque>

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
    // Forget what was read: the file changed.
    void invalidate();
    // A row of the table read again by its rowid, as this query shows it.
    HRESULT reread(qint64 rowid, Row& row);

    void suspend() override;

private:
    HRESULT restartAt(qint64 offset);
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
    bool m_hasRecords = false; // a record was seen since the last invalidate
};

} // namespace cedb
