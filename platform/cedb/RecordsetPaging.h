#pragma once
// The records of a query by position, without reading them all: a small window of decoded rows, and one
// statement that keeps stepping forward while reads go forward. A jump starts the statement again at
// the wanted offset; going backwards reads a window that ends at the wanted row.
#include "platform/cedb/Database.h"
#include "platform/cedb/QueryCompiler.h"

#include <deque>
#include <optional>

namespace cedb {

class RecordsetPaging : public Paging, public Reader {
public:
    RecordsetPaging(std::shared_ptr<Database> db, CompiledQuery query);
    ~RecordsetPaging() override;

    const CompiledQuery& query() const override { return m_query; }
    Store& store() const override { return *m_db; }
    const Row* row(qint64 position, HRESULT& failure) override;
    HRESULT count(qint64& count) override;
    bool empty(HRESULT& failure) override;
    HRESULT freezeKeys() override;
    void changed(qint64 position) override;
    void removed(qint64 position) override;
    void added(qint64 rowid) override;

    void suspend() override;

private:
    HRESULT restartAt(qint64 offset);
    const Row* keyedRow(qint64 position, HRESULT& failure);
    void forgetRows();
    HRESULT step(bool decode, Row* row, bool& more);
    void decodeRow(sqlite3_stmt* statement, Row& row) const;
    HRESULT readFromEnd(qint64 first, qint64 last);

    static constexpr qint64 window = 64;
    // Starting again at an offset lets the engine skip the rows before it, a few times faster than
    // stepping over each of them here, but from the start of the result; and it costs a statement.
    static constexpr qint64 fewRows = 64;        // always stepped over
    static constexpr qint64 stepCostRatio = 4;   // a row stepped over costs about this many skipped

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
