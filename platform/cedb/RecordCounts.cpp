#include "platform/cedb/RecordCounts.h"

#include "platform/cedb/Catalogue.h"
#include "platform/cedb/HistoryRecording.h"
#include "platform/cedb/SqliteCalls.h"

#include <vector>

namespace cedb {

namespace {

bool counted(const TableInfo& table)
{
    return !table.isEngineTable() && recordsHistory(table.name);
}

// The change counter of the file's header, which every commit moves while the file keeps a rollback
// journal (the engine opens it so); -1 when it cannot be read or the file is in write-ahead-log mode,
// whose commits need not move it.
qint64 changeCounter(sqlite3* db)
{
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file || !file->pMethods)
        return -1;
    unsigned char header[28] = {};
    if (file->pMethods->xRead(file, header, int(sizeof header), 0) != SQLITE_OK || header[18] == 2 || header[19] == 2)
        return -1;
    return qint64(header[24]) << 24 | qint64(header[25]) << 16 | qint64(header[26]) << 8 | qint64(header[27]);
}

qint64 storedStamp(sqlite3* db)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT counter FROM main.VarnelRecordCountStamp WHERE id = 1", -1, &statement,
                           nullptr) != SQLITE_OK)
        return -1;
    const qint64 stamp = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
    sqlite3_finalize(statement);
    return stamp;
}

// A temporary trigger names its tables without their schema, which SQLite does not allow there.
QByteArray trigger(const TableInfo& table, const char* event, const char* change, const char* create = "CREATE TEMP TRIGGER")
{
    const QByteArray id = QByteArray::number(table.id);
    return create + QByteArray(" varnel_count_") + QByteArray(event) + "_" + id + " AFTER " + event + " ON " +
           table.storage + " BEGIN UPDATE VarnelRecordCounts SET records = records " + change +
           " WHERE tableId = " + id + "; END";
}

bool dropTriggers(sqlite3* db)
{
    return dropTempTriggers(db, "varnel_count_");
}

} // namespace

void RecordCounts::follow(sqlite3* db, const Catalogue& catalogue, bool allowed)
{
    m_allowed = allowed;
    // A transaction that made the tables and was rolled back took them away again.
    const bool tablesExist =
        hasRow(db, "SELECT 1 FROM main.sqlite_schema WHERE type = 'table' AND name = 'VarnelRecordCountStamp'");
    m_active = allowed && tablesExist && installTriggers(db, catalogue);
    if (!m_active)
        dropTriggers(db);
}

bool RecordCounts::installTriggers(sqlite3* db, const Catalogue& catalogue)
{
    if (!dropTriggers(db))
        return false;
    for (const TableInfo& table : catalogue.tables())
        if (counted(table) && (!exec(db, trigger(table, "INSERT", "+ 1")) || !exec(db, trigger(table, "DELETE", "- 1"))))
            return false;
    return true;
}

bool RecordCounts::recount(sqlite3* db, const Catalogue& catalogue)
{
    if (!exec(db, "DELETE FROM main.VarnelRecordCounts"))
        return false;
    for (const TableInfo& table : catalogue.tables())
        if (counted(table) && !exec(db, "INSERT INTO main.VarnelRecordCounts (tableId, records) SELECT " +
                                            QByteArray::number(table.id) + ", count(*) FROM main." + table.storage))
            return false;
    return true;
}

void RecordCounts::stamp(sqlite3* db, const Catalogue& catalogue)
{
    if (!m_allowed || sqlite3_db_readonly(db, "main") == 1)
        return;
    if (!m_active) {
        if (!exec(db, "CREATE TABLE IF NOT EXISTS main.VarnelRecordCounts (tableId INTEGER PRIMARY KEY, "
                      "records INTEGER NOT NULL); "
                      "CREATE TABLE IF NOT EXISTS main.VarnelRecordCountStamp (id INTEGER PRIMARY KEY, "
                      "counter INTEGER NOT NULL)"))
            return;
        follow(db, catalogue, true);
        if (!m_active)
            return;
    }
    // Read inside the transaction, which holds the file: no other commit comes between the two.
    const qint64 stamp = storedStamp(db);
    const qint64 before = changeCounter(db);
    const bool hold = before >= 0 && stamp == before;
    if (!hold && !recount(db, catalogue)) {
        forget(db);
        return;
    }
    const qint64 after = before < 0 ? -1 : (before + 1) & 0xffffffff;
    if (exec(db, "INSERT OR REPLACE INTO main.VarnelRecordCountStamp (id, counter) VALUES (1, " +
                     QByteArray::number(after) + ")"))
        m_stampedCounter = after;
}

void RecordCounts::followDesign(sqlite3* db, const Catalogue& after, bool inTransaction)
{
    if (!m_active)
        return;
    const qint64 stamp = storedStamp(db);
    const qint64 before = changeCounter(db);
    const bool hold = before >= 0 && stamp >= 0 && (stamp == before || (inTransaction && stamp == m_stampedCounter));
    if (!hold) {
        forget(db);
        return;
    }
    sqlite3_stmt* triggers = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT count(*) FROM temp.sqlite_schema WHERE type = 'trigger' AND tbl_name = ? AND "
                               "name IN ('varnel_count_INSERT_' || ?2, 'varnel_count_DELETE_' || ?2)",
                           -1, &triggers, nullptr) != SQLITE_OK) {
        forget(db);
        return;
    }
    bool counting = true;
    for (const TableInfo& table : after.tables()) {
        if (!counted(table))
            continue;
        sqlite3_bind_text(triggers, 1, table.storage.constData(), int(table.storage.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(triggers, 2, table.id);
        const bool survived = sqlite3_step(triggers) == SQLITE_ROW && sqlite3_column_int(triggers, 0) == 2;
        sqlite3_reset(triggers);
        if (!survived && !exec(db, "INSERT OR REPLACE INTO main.VarnelRecordCounts (tableId, records) SELECT " +
                                       QByteArray::number(table.id) + ", count(*) FROM main." + table.storage)) {
            counting = false;
            break;
        }
    }
    sqlite3_finalize(triggers);
    if (!counting) {
        forget(db);
        return;
    }
    if (inTransaction)
        return;
    const qint64 next = (before + 1) & 0xffffffff;
    if (exec(db, "UPDATE main.VarnelRecordCountStamp SET counter = " + QByteArray::number(next)))
        m_stampedCounter = next;
    else
        forget(db);
}

void RecordCounts::forget(sqlite3* db)
{
    if (m_active)
        exec(db, "UPDATE main.VarnelRecordCountStamp SET counter = -1");
    m_stampedCounter = -1;
}

// A connection closed before its last statement is finalized is freed by that finalize.
RecordCounts::~RecordCounts()
{
    sqlite3_finalize(m_recordsStatement);
}

bool RecordCounts::setAsideAdded(sqlite3* db, const TableInfo& table)
{
    return !m_active || !counted(table) || exec(db, "DROP TRIGGER IF EXISTS temp.varnel_count_INSERT_" + QByteArray::number(table.id));
}

bool RecordCounts::resumeAdded(sqlite3* db, const TableInfo& table)
{
    return !m_active || !counted(table) || exec(db, trigger(table, "INSERT", "+ 1", "CREATE TEMP TRIGGER IF NOT EXISTS"));
}

bool RecordCounts::keepAdded(sqlite3* db, const TableInfo& table, qint64 after)
{
    if (!m_active || !counted(table))
        return true;
    const QByteArray sql = "UPDATE main.VarnelRecordCounts SET records = records + (SELECT count(*) FROM main." +
                           table.storage + " WHERE rowid > ?) WHERE tableId = ?";
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &statement, nullptr) != SQLITE_OK)
        return false;
    sqlite3_bind_int64(statement, 1, after);
    sqlite3_bind_int(statement, 2, table.id);
    const bool done = sqlite3_step(statement) == SQLITE_DONE;
    sqlite3_finalize(statement);
    return done;
}

std::optional<qint64> RecordCounts::records(sqlite3* db, int tableId) const
{
    // Until the first write the tables do not exist, and the statement is tried again next time.
    if (!m_recordsStatement &&
        sqlite3_prepare_v3(db,
                           "SELECT c.records, s.counter FROM main.VarnelRecordCounts AS c, main.VarnelRecordCountStamp "
                           "AS s WHERE c.tableId = ? AND s.id = 1",
                           -1, SQLITE_PREPARE_PERSISTENT, &m_recordsStatement, nullptr) != SQLITE_OK)
        return std::nullopt;
    sqlite3_stmt* statement = m_recordsStatement;
    sqlite3_bind_int(statement, 1, tableId);
    std::optional<qint64> records;
    if (sqlite3_step(statement) == SQLITE_ROW) {
        // The statement holds the file while it is read, so the header is the one its row was read from.
        const qint64 stamp = sqlite3_column_int64(statement, 1);
        const bool hold = stamp >= 0 && (stamp == changeCounter(db) || stamp == m_stampedCounter);
        if (hold)
            records = sqlite3_column_int64(statement, 0);
    }
    sqlite3_reset(statement);
    return records;
}

} // namespace cedb
