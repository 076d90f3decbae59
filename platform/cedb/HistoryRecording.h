#pragma once
// Keeps the history of data changes beside the data: triggers of this connection only (the file itself
// gets no triggers, so every SQLite tool still writes it as before) copy each row written to a user table
// into history tables of the file, in the same statement and so the same transaction as the write.
// The tables are made by the first write; a file never written since opens as it was.
#include "platform/cedb/AddedRanges.h"

#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace cedb {

class Catalogue;
struct TableInfo;

// The tables of the file that hold the history; the names no user table can have in SQLite.
inline constexpr const char* kHistorySteps = "VarnelHistorySteps";
inline constexpr const char* kHistoryChanges = "VarnelHistoryChanges";

// Kinds of VarnelHistoryChanges.kind.
// A record added one at a time keeps its values in `after`. Files written before kRecordsAdded hold
// records added many at a time as one such change each whose `after`, while its step is in force, is the
// 8-byte digest of the record's values (see RecordDigest.h): undoing the step checks it, then writes the
// values there, as the ranges do.
inline constexpr int kRecordAdded = 1;
inline constexpr int kRecordChanged = 2;
inline constexpr int kRecordDeleted = 3;
// A table deleted or put back whole: the change holds what makes it again (see HistoryTables.h);
// the step's changes of its records come before it.
inline constexpr int kTableDeleted = 4;
inline constexpr int kTableRestored = 5;
// Records added many at a time: one change for a range of them, its `record` the first one's place and
// its `after` their places and digests (see AddedRanges.h). While its step is in force their values are
// the records' as they are now with the later changes in force taken back; undoing the step checks each
// digest, then writes the values into `after` before the records go, so that redo puts back the same
// bytes. The changes of its records made later in the step come after it.
inline constexpr int kRecordsAdded = 6;

class HistoryRecording {
public:
    // Whether triggers may run on this file: only when the file brings none of its own.
    static bool fileHasOwnTriggers(sqlite3* db);
    static bool tablesExist(sqlite3* db);

    // Makes the tables when missing (inside the caller's write) and the triggers of this connection.
    bool ensure(sqlite3* db, const Catalogue& catalogue);
    // After the catalogue was read again: the triggers follow the tables and columns as they are now.
    void follow(sqlite3* db, const Catalogue& catalogue);
    bool active() const { return m_active; }
    // Before a design change: SQLite refuses to drop a column a trigger names. follow() makes them again.
    void setAside(sqlite3* db)
    {
        if (m_active)
            dropTriggers(db);
    }

    // The writes until endCommand form one step named `name` (nested commands join the outer one).
    void beginCommand(sqlite3* db, const QString& name);
    void endCommand(sqlite3* db);
    bool commandOpen() const { return m_depth > 0; }
    // The step the open command writes into, made now when it has no change yet; 0 without history.
    qint64 openStep(sqlite3* db);
    // A write outside any command was one step of its own: the next one starts another.
    void closeLooseStep(sqlite3* db);
    // Undo and redo write without being recorded.
    void setRecording(sqlite3* db, bool on);

    bool recording() const { return m_recording; }

    // The records added to `table` are kept by keepAdded instead of one by one, until resumeAdded.
    bool setAsideAdded(sqlite3* db, const TableInfo& table);
    // Keeps the table's records past rowid `after` as added in the open step.
    bool keepAdded(sqlite3* db, const TableInfo& table, qint64 after, const std::vector<WrittenRecord>* written);
    bool resumeAdded(sqlite3* db, const TableInfo& table);

    // Finalizes the statements kept for every command; before the connection closes.
    void release();

private:
    // What runs at every command's start and end is prepared once: parsing it again each time was a
    // good part of what the history cost a single-record edit.
    enum Kept { kBegin, kEnd, kCloseLoose, kKeptCount };
    void runKept(sqlite3* db, Kept which, const char* sql, const QString* command = nullptr);
    bool installTriggers(sqlite3* db, const Catalogue& catalogue);
    bool dropTriggers(sqlite3* db);
    void nameOpenStep(sqlite3* db, const char* sql);
    bool m_active = false;
    QString m_command;
    int m_depth = 0;
    sqlite3_stmt* m_kept[kKeptCount] = {};
    bool m_recording = true;
};

// The SQL expression giving the history's text of `row` ("new" or "old" in a trigger, or a table alias).
QByteArray historyRowText(const TableInfo& table, const char* row);

// Whether writes to the table named `name` are the user's data (not a catalogue table of the program).
bool recordsHistory(const QString& tableName);

} // namespace cedb
