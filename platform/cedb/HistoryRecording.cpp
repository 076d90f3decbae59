#include "platform/cedb/HistoryRecording.h"

#include "platform/cedb/AddedRanges.h"
#include "platform/cedb/Catalogue.h"
#include "platform/cedb/SqliteCalls.h"

#include <sqlite3.h>

#include <vector>

namespace cedb {

// One line per column, "c3 <SQL literal>": quote() gives back text, numbers (reals to the last bit),
// blobs and Null exactly, and storage names stay valid when fields are renamed.
QByteArray historyRowText(const TableInfo& table, const char* row)
{
    QByteArray text;
    for (const ColumnInfo& column : table.columns) {
        if (!text.isEmpty())
            text += " || ";
        text += "'" + column.storage + " ' || quote(" + row + "." + column.storage + ") || char(10)";
    }
    return text.isEmpty() ? QByteArray("''") : text;
}

namespace {

QByteArray changedText(const TableInfo& table, const char* row)
{
    QByteArray text;
    for (const ColumnInfo& column : table.columns) {
        const QByteArray& c = column.storage;
        if (!text.isEmpty())
            text += " || ";
        text += "CASE WHEN quote(old." + c + ") <> quote(new." + c + ") THEN '" + c + " ' || quote(" + row + "." + c +
                ") || char(10) ELSE '' END";
    }
    return text.isEmpty() ? QByteArray("''") : text;
}

QByteArray anyChanged(const TableInfo& table)
{
    QByteArray text;
    for (const ColumnInfo& column : table.columns)
        text += (text.isEmpty() ? "" : " OR ") + ("quote(old." + column.storage + ") <> quote(new." + column.storage + ")");
    return text.isEmpty() ? QByteArray("0") : text;
}

// A step is made by the first change of a command, in that change's transaction: a command that wrote
// nothing leaves no step, and no step exists whose changes are not in the file.
const char* const kOpenStep =
    "INSERT INTO VarnelHistorySteps (at, command) SELECT strftime('%Y-%m-%d %H:%M:%f', 'now'), command "
    "FROM varnel_history_open WHERE step IS NULL; "
    "UPDATE varnel_history_open SET step = last_insert_rowid() WHERE step IS NULL; ";

QByteArray trigger(const TableInfo& table, const char* event, const QByteArray& when, int kind,
                   const QByteArray& before, const QByteArray& after)
{
    const QByteArray id = QByteArray::number(table.id);
    return "CREATE TEMP TRIGGER varnel_history_" + QByteArray(event) + "_" + id + " AFTER " + event + " ON " +
           table.storage + " WHEN (SELECT recording FROM varnel_history_open)" + when + " BEGIN " + kOpenStep +
           "INSERT INTO VarnelHistoryChanges (step, tableId, record, kind, before, after) SELECT step, " + id +
           ", " + (kind == kRecordDeleted ? "old" : "new") + ".rowid, " + QByteArray::number(kind) + ", " + before +
           ", " + after + " FROM varnel_history_open; END";
}

QByteArray addedTrigger(const TableInfo& table)
{
    return trigger(table, "INSERT", "", kRecordAdded, "NULL", historyRowText(table, "new"));
}

} // namespace

bool recordsHistory(const QString& tableName)
{
    return !tableName.startsWith(QLatin1String("MSys"), Qt::CaseInsensitive) &&
           !tableName.startsWith(QLatin1String("XNSys"), Qt::CaseInsensitive);
}

bool HistoryRecording::fileHasOwnTriggers(sqlite3* db)
{
    return hasRow(db, "SELECT 1 FROM main.sqlite_schema WHERE type = 'trigger'");
}

bool HistoryRecording::tablesExist(sqlite3* db)
{
    return hasRow(db, "SELECT 1 FROM main.sqlite_schema WHERE type = 'table' AND name = 'VarnelHistoryChanges'");
}

bool HistoryRecording::ensure(sqlite3* db, const Catalogue& catalogue)
{
    if (m_active)
        return true;
    const char* tables =
        "CREATE TABLE IF NOT EXISTS VarnelHistorySteps (id INTEGER PRIMARY KEY, at TEXT NOT NULL, command TEXT, "
        "undone INTEGER NOT NULL DEFAULT 0, undoOrder INTEGER); "
        "CREATE TABLE IF NOT EXISTS VarnelHistoryChanges (id INTEGER PRIMARY KEY, step INTEGER NOT NULL, "
        "tableId INTEGER NOT NULL, record INTEGER NOT NULL, kind INTEGER NOT NULL, before TEXT, after TEXT, restores INTEGER); "
        "CREATE INDEX IF NOT EXISTS VarnelHistoryByStep ON VarnelHistoryChanges (step); "
        "CREATE INDEX IF NOT EXISTS VarnelHistoryByRecord ON VarnelHistoryChanges (tableId, record);";
    if (!exec(db, tables))
        return false;
    follow(db, catalogue);
    return m_active;
}

void HistoryRecording::follow(sqlite3* db, const Catalogue& catalogue)
{
    // A transaction that made the tables and was rolled back took them away again.
    if (!tablesExist(db)) {
        if (m_active)
            dropTriggers(db);
        m_active = false;
        return;
    }
    m_active = installTriggers(db, catalogue);
    // A command begun before the history existed names the step its first write makes.
    if (m_active && m_depth > 0)
        nameOpenStep(db, "UPDATE varnel_history_open SET command = ?");
}

void HistoryRecording::nameOpenStep(sqlite3* db, const char* sql)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK)
        return;
    const QByteArray text = m_command.toUtf8();
    sqlite3_bind_text(statement, 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    sqlite3_step(statement);
    sqlite3_finalize(statement);
}

void HistoryRecording::runKept(sqlite3* db, Kept which, const char* sql, const QString* command)
{
    sqlite3_stmt*& statement = m_kept[which];
    if (!statement && sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK) {
        statement = nullptr;
        return;
    }
    QByteArray text;
    if (command) {
        text = command->toUtf8();
        sqlite3_bind_text(statement, 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    sqlite3_step(statement);
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
}

void HistoryRecording::release()
{
    for (sqlite3_stmt*& statement : m_kept) {
        sqlite3_finalize(statement);
        statement = nullptr;
    }
}

bool HistoryRecording::installTriggers(sqlite3* db, const Catalogue& catalogue)
{
    if (!exec(db, "CREATE TEMP TABLE IF NOT EXISTS varnel_history_open (step INTEGER, command TEXT, "
                  "recording INTEGER NOT NULL); "
                  "INSERT INTO varnel_history_open SELECT NULL, NULL, 1 "
                  "WHERE NOT EXISTS (SELECT 1 FROM varnel_history_open)"))
        return false;
    // Triggers of tables since dropped went with them; the others are made again for their columns now.
    if (!dropTriggers(db))
        return false;
    for (const TableInfo& table : catalogue.tables()) {
        if (table.isEngineTable() || !recordsHistory(table.name))
            continue;
        const QByteArray none = "NULL";
        if (!exec(db, addedTrigger(table)) ||
            !exec(db, trigger(table, "UPDATE", " AND (" + anyChanged(table) + ")", kRecordChanged,
                              changedText(table, "old"), changedText(table, "new"))) ||
            !exec(db, trigger(table, "DELETE", "", kRecordDeleted, historyRowText(table, "old"), none)))
            return false;
    }
    return true;
}

bool HistoryRecording::dropTriggers(sqlite3* db)
{
    return dropTempTriggers(db, "varnel_history_");
}

void HistoryRecording::beginCommand(sqlite3* db, const QString& name)
{
    if (m_depth++ > 0)
        return;
    m_command = name;
    if (m_active)
        runKept(db, kBegin, "UPDATE varnel_history_open SET step = NULL, command = ?", &m_command);
}

bool HistoryRecording::setAsideAdded(sqlite3* db, const TableInfo& table)
{
    return !m_active || exec(db, "DROP TRIGGER IF EXISTS temp.varnel_history_INSERT_" + QByteArray::number(table.id));
}

bool HistoryRecording::resumeAdded(sqlite3* db, const TableInfo& table)
{
    return !m_active ||
           exec(db, addedTrigger(table).replace("CREATE TEMP TRIGGER", "CREATE TEMP TRIGGER IF NOT EXISTS"));
}

bool HistoryRecording::keepAdded(sqlite3* db, const TableInfo& table, qint64 after,
                                 const std::vector<WrittenRecord>* written)
{
    // The records' values are not copied, which was most of what keeping an import cost (see kRecordsAdded).
    return !m_active || keepAddedRanges(db, table, after, written, [&] { return openStep(db); });
}

void HistoryRecording::endCommand(sqlite3* db)
{
    if (m_depth == 0 || --m_depth > 0)
        return;
    m_command.clear();
    if (m_active)
        runKept(db, kEnd, "UPDATE varnel_history_open SET step = NULL, command = NULL");
}

qint64 HistoryRecording::openStep(sqlite3* db)
{
    if (!m_active || !exec(db, kOpenStep))
        return 0;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT step FROM varnel_history_open", -1, &statement, nullptr) != SQLITE_OK)
        return 0;
    const qint64 step = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : 0;
    sqlite3_finalize(statement);
    return step;
}

void HistoryRecording::closeLooseStep(sqlite3* db)
{
    if (m_depth == 0 && m_active)
        runKept(db, kCloseLoose, "UPDATE varnel_history_open SET step = NULL WHERE step IS NOT NULL");
}

void HistoryRecording::setRecording(sqlite3* db, bool on)
{
    m_recording = on;
    if (m_active)
        exec(db, on ? "UPDATE varnel_history_open SET recording = 1" : "UPDATE varnel_history_open SET recording = 0");
}

} // namespace cedb
