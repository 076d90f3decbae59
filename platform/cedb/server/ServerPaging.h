#pragma once
// The records of a server query by position, a window at a time: the server sends only the rows of the
// window asked for. Reading on from a window of a table in its own order asks for the rows past the
// last key read; a jump asks by offset from whichever end is nearer, so the last page of a large table
// is read backwards from its end.
#include "platform/cedb/Store.h"

#include <deque>
#include <optional>

namespace cedb {

class ServerStore;
class ServerResult;

class ServerPaging : public Paging {
public:
    ServerPaging(std::shared_ptr<ServerStore> store, CompiledQuery query);

    const CompiledQuery& query() const override { return m_query; }
    Store& store() const override;
    const Row* row(qint64 position, HRESULT& failure) override;
    HRESULT count(qint64& count) override;
    bool empty(HRESULT& failure) override;
    HRESULT freezeKeys() override;
    void changed(qint64 position) override;
    void removed(qint64 position) override;
    void added(qint64 rowid) override;

private:
    enum class Direction { Forward, Backward };
    // Reads up to `window` rows from `first` on (Forward) or ending at `first` (Backward) into the cache.
    HRESULT readWindow(qint64 first, Direction direction);
    HRESULT readAfterKey(qint64 position);
    HRESULT fetch(const QByteArray& sql, const std::vector<StoredValue>& parameters, std::vector<Row>& rows);
    const Row* keyedRow(qint64 position, HRESULT& failure);
    bool inKeyOrder() const;
    void forgetRows();

    static constexpr qint64 window = 64;

    std::shared_ptr<ServerStore> m_store;
    CompiledQuery m_query;
    std::deque<Row> m_cache;
    qint64 m_cacheStart = 0;
    qint64 m_count = -1;
    bool m_hasRecords = false;
    std::optional<std::vector<qint64>> m_keys;
};

} // namespace cedb
