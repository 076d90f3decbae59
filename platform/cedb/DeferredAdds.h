#pragma once
// Records added inside a transaction are kept in the history and counted many at a time instead of one by
// one by the triggers: a table's INSERT triggers are set aside at its first added record, and what was
// added since is kept in ranges (see AddedRanges.h) before any other write, any read of what the triggers
// keep, and the commit. Added records are the ones past the table's last rowid as it was before they came:
// SQLite gives a new row the rowid after the last one, and nothing but adds happens to the table between
// taking that rowid and keeping the records, so the history's order of changes stays as it was written.
// All of it happens inside the transaction: a crash takes the records, their history and their count
// away together.
//
// Each record's digest is taken as it is written, when it can be, and kept here until then, so that
// keeping the records does not read them back; a table's records are read back when one came without.
// What is kept is bounded: the records are kept once kMaxWritten of a table wait.
#include "platform/cedb/AddedRanges.h"
#include "platform/cedb/Catalogue.h"

#include <optional>
#include <vector>

struct sqlite3;

namespace cedb {

class HistoryRecording;
class RecordCounts;

class DeferredAdds {
public:
    DeferredAdds(HistoryRecording& history, RecordCounts& counts) : m_history(history), m_counts(counts) {}

    // Before a record is added to `table` inside a transaction; false when it is to be kept one by one.
    bool adding(sqlite3* db, const TableInfo& table);
    // The record `rowid` was added to the table `tableId` after `adding`; `digest` is its digest when it
    // was taken as it was written.
    void written(int tableId, qint64 rowid, std::optional<quint64> digest);
    // So many records wait with their digests that they are to be kept now.
    bool full() const { return m_full; }
    // The table `storage` whose records are being added so, if it is one.
    const TableInfo* deferred(const QByteArray& storage) const;
    bool deferring(int tableId) const;
    // Keeps and counts what was added so far; the tables stay set aside for the next records.
    bool keep(sqlite3* db);
    // keep, and the triggers come back: before a design change and the commit.
    bool end(sqlite3* db);
    // The transaction was rolled back: its records went with it, and its triggers' removal too.
    void drop()
    {
        m_tables.clear();
        m_full = false;
    }

    static constexpr size_t kMaxWritten = 65536;

private:
    struct Table {
        TableInfo info;
        qint64 lastBefore = 0; // the table's last rowid before the records not yet kept
        bool pending = false;  // records may have been added since lastBefore was taken
        // Since lastBefore, each record added with its digest, unless readBack.
        std::vector<WrittenRecord> written;
        bool readBack = false;
    };
    HistoryRecording& m_history;
    RecordCounts& m_counts;
    std::vector<Table> m_tables; // in the order of their first added record
    bool m_full = false;
};

} // namespace cedb
