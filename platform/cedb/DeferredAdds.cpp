#include "platform/cedb/DeferredAdds.h"

#include "platform/cedb/HistoryRecording.h"
#include "platform/cedb/RecordCounts.h"

#include <sqlite3.h>

#include <algorithm>

namespace cedb {

namespace {

// -1 when it cannot be read.
qint64 lastRowid(sqlite3* db, const QByteArray& storage)
{
    sqlite3_stmt* statement = nullptr;
    const QByteArray sql = "SELECT coalesce(max(rowid), 0) FROM main." + storage;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &statement, nullptr) != SQLITE_OK)
        return -1;
    const qint64 last = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
    sqlite3_finalize(statement);
    return last;
}

} // namespace

bool DeferredAdds::adding(sqlite3* db, const TableInfo& table)
{
    auto entry = std::find_if(m_tables.begin(), m_tables.end(), [&](const Table& t) { return t.info.id == table.id; });
    if (entry == m_tables.end()) {
        entry = m_tables.emplace(m_tables.end());
        entry->info = table;
        if (!m_history.setAsideAdded(db, table) || !m_counts.setAsideAdded(db, table))
            return false;
    }
    if (!entry->pending) {
        entry->lastBefore = lastRowid(db, table.storage);
        entry->pending = entry->lastBefore >= 0;
        entry->written.clear();
        entry->readBack = false;
    }
    return entry->pending;
}

const TableInfo* DeferredAdds::deferred(const QByteArray& storage) const
{
    for (const Table& table : m_tables)
        if (table.info.storage == storage)
            return &table.info;
    return nullptr;
}

bool DeferredAdds::deferring(int tableId) const
{
    return std::any_of(m_tables.begin(), m_tables.end(), [&](const Table& t) { return t.info.id == tableId; });
}

void DeferredAdds::written(int tableId, qint64 rowid, std::optional<quint64> digest)
{
    auto table = std::find_if(m_tables.begin(), m_tables.end(), [&](const Table& t) { return t.info.id == tableId; });
    if (table == m_tables.end() || table->readBack)
        return;
    // Records past lastBefore come in ascending order; one that does not is read back with the others.
    const qint64 last = table->written.empty() ? table->lastBefore : table->written.back().record;
    if (!digest || rowid <= last) {
        table->readBack = true;
        std::vector<WrittenRecord>().swap(table->written);
        return;
    }
    table->written.push_back(WrittenRecord{rowid, *digest});
    m_full = m_full || table->written.size() >= kMaxWritten;
}

bool DeferredAdds::keep(sqlite3* db)
{
    m_full = false;
    for (Table& table : m_tables) {
        if (!table.pending)
            continue;
        if (!m_history.keepAdded(db, table.info, table.lastBefore, table.readBack ? nullptr : &table.written))
            return false;
        table.pending = false;
        table.written.clear();
        // A count that could not be moved must not be believed: the next write counts the tables again.
        if (!m_counts.keepAdded(db, table.info, table.lastBefore)) {
            m_counts.forget(db);
            return false;
        }
    }
    return true;
}

bool DeferredAdds::end(sqlite3* db)
{
    if (m_tables.empty())
        return true;
    bool done = keep(db);
    for (const Table& table : m_tables)
        done = m_history.resumeAdded(db, table.info) && m_counts.resumeAdded(db, table.info) && done;
    drop();
    return done;
}

} // namespace cedb
