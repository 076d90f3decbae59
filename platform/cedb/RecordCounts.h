#pragma once
// The number of records of each user table, kept in the file so that opening a big table does not count
// it. Triggers of this connection move a table's number with each row added or deleted, in the same
// statement as the write. The numbers hold only while every commit since they were taken came from a
// connection that kept them: each write transaction stamps them with the change counter the file will
// have after its commit, and numbers whose stamp differs from the file's counter (another program wrote
// the file, or a design change) are taken afresh by the next write; until then the table is counted.
#include <QtGlobal>

#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace cedb {

class Catalogue;
struct TableInfo;

inline constexpr const char* kRecordCounts = "VarnelRecordCounts";
inline constexpr const char* kRecordCountStamp = "VarnelRecordCountStamp";

class RecordCounts {
public:
    RecordCounts() = default;
    RecordCounts(const RecordCounts&) = delete;
    RecordCounts& operator=(const RecordCounts&) = delete;
    ~RecordCounts();

    // After the catalogue was read: the triggers follow the tables as they are now. `allowed` is false
    // when this connection runs no triggers on the file.
    void follow(sqlite3* db, const Catalogue& catalogue, bool allowed);
    // Inside a write transaction, before its first change: makes the tables on the first write, takes
    // the numbers afresh when they do not hold, and stamps them for this commit.
    void stamp(sqlite3* db, const Catalogue& catalogue);
    // Inside a design change's transaction, after the change: a table whose counting triggers did not
    // survive it (made, made again or rebuilt) is counted again, so that the other numbers go on holding
    // without counting every table at the next write. `inTransaction`: the change is part of a larger
    // transaction, whose stamp holds for it too.
    void followDesign(sqlite3* db, const Catalogue& after, bool inTransaction);
    // The next write takes the numbers afresh.
    void forget(sqlite3* db);
    // The transaction that stamped the numbers ended.
    void transactionEnded() { m_stampedCounter = -1; }

    // The records added to `table` are counted by keepAdded instead of one by one, until resumeAdded.
    bool setAsideAdded(sqlite3* db, const TableInfo& table);
    // Counts the table's records past rowid `after` in.
    bool keepAdded(sqlite3* db, const TableInfo& table, qint64 after);
    bool resumeAdded(sqlite3* db, const TableInfo& table);

    // The kept number of records of the table, when it holds.
    std::optional<qint64> records(sqlite3* db, int tableId) const;

private:
    bool installTriggers(sqlite3* db, const Catalogue& catalogue);
    bool recount(sqlite3* db, const Catalogue& catalogue);
    bool m_allowed = false;
    bool m_active = false;        // the tables exist and the triggers move them
    qint64 m_stampedCounter = -1; // the stamp this connection's open transaction wrote
    // Every opening of a table reads its number; made ready once, on the one connection records() is given.
    mutable sqlite3_stmt* m_recordsStatement = nullptr;
};

} // namespace cedb
