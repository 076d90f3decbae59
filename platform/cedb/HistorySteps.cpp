#include "platform/cedb/History.h"

#include "platform/cedb/AddedRanges.h"
#include "platform/cedb/Database.h"
#include "platform/cedb/Failures.h"
#include "platform/cedb/HistoryRows.h"
#include "platform/cedb/HistoryTables.h"
#include "platform/cedb/HistoryText.h"
#include "platform/cedb/RangeSteps.h"
#include "platform/cedb/RecordDigest.h"

#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <optional>

namespace cedb::history {

namespace {

std::shared_ptr<Database> openWithHistory(const QString& path)
{
    std::shared_ptr<Database> db;
    if (FAILED(Database::open(path, db)) || !db->historyExists())
        return nullptr;
    return db;
}

const TableInfo* tableById(Database& db, qint64 id)
{
    for (const TableInfo& table : db.catalogue().tables())
        if (table.id == id)
            return &table;
    return nullptr;
}

const char* const kStepColumns =
    "s.id, s.at, s.command, s.undone, (SELECT tableId FROM VarnelHistoryChanges WHERE step = s.id ORDER BY id LIMIT 1)";

// The records a step changed, each once: those its changes of one record name, and those of its ranges.
int stepRecords(Database& db, qint64 step)
{
    std::map<qint64, std::vector<qint64>> added; // by table
    Query ranges(db, "SELECT tableId, record, after FROM VarnelHistoryChanges WHERE step = ? AND kind = " +
                         QByteArray::number(kRecordsAdded),
                 {step});
    while (ranges.next())
        if (const auto range = AddedRange::read(ranges.integer(1), ranges.bytes(2))) {
            std::vector<qint64>& places = added[ranges.integer(0)];
            const std::vector<qint64> records = range->records();
            places.insert(places.end(), records.begin(), records.end());
        }
    size_t count = 0;
    for (auto& [table, places] : added) {
        std::sort(places.begin(), places.end());
        places.erase(std::unique(places.begin(), places.end()), places.end());
        count += places.size();
    }
    Query single(db, "SELECT DISTINCT tableId, record FROM VarnelHistoryChanges WHERE step = ? AND kind < 4", {step});
    while (single.next()) {
        const auto places = added.find(single.integer(0));
        count += places == added.end() || !std::binary_search(places->second.begin(), places->second.end(), single.integer(1));
    }
    return int(count);
}

// Reads steps from rows of kStepColumns, counting each step's records once: a listing of many records
// changed by one big step (an import, a Replace All, a delete) would count that step again for each.
class StepReader {
public:
    explicit StepReader(Database& db) : m_db(db) {}

    Step read(const Query& query, int first = 0)
    {
        Step step;
        step.id = query.integer(first);
        step.at = query.text(first + 1);
        step.command = query.text(first + 2);
        step.undone = query.integer(first + 3) != 0;
        const auto counted = m_records.try_emplace(step.id, 0);
        if (counted.second)
            counted.first->second = stepRecords(m_db, step.id);
        step.records = counted.first->second;
        if (step.command.isEmpty()) {
            const TableInfo* table = tableById(m_db, query.integer(first + 4));
            step.command = QStringLiteral("Change in %1").arg(table ? table->name : QStringLiteral("a deleted table"));
        }
        return step;
    }

private:
    Database& m_db;
    std::map<qint64, int> m_records; // by step
};

std::optional<Step> oneStep(Database& db, const QByteArray& where)
{
    Query query(db, QByteArray("SELECT ") + kStepColumns + " FROM VarnelHistorySteps s WHERE " + where);
    if (!query.next())
        return std::nullopt;
    return StepReader(db).read(query);
}

const QByteArray kUndoTarget = "s.undone = 0 ORDER BY s.id DESC LIMIT 1";
// The step undone last, while no step was made after it: a new change ends what can be redone.
const QByteArray kRedoTarget =
    "s.undone = 1 AND NOT EXISTS (SELECT 1 FROM VarnelHistorySteps later WHERE later.id > s.id AND later.undone = 0) "
    "ORDER BY s.undoOrder DESC LIMIT 1";

struct Change {
    qint64 id = 0;
    qint64 step = 0;
    qint64 tableId = 0;
    qint64 record = 0;
    int kind = 0;
    std::vector<HistoryValue> before;
    std::vector<HistoryValue> after;
    QByteArray table; // what makes a table deleted or put back whole again
    // An addition whose values are still the record's, and their digest (see kRecordAdded).
    std::optional<QByteArray> addedDigest;
    // Records added many at a time; nothing when the history's bytes are not a range.
    std::optional<AddedRange> range;
};

// What a change takes in the file, near enough; an addition has no `before`, a deletion no `after`.
const char* const kChangeSize = "coalesce(length(before), 0) + coalesce(length(after), 0) + 40";

bool isTableChange(int kind) { return kind == kTableDeleted || kind == kTableRestored; }

std::vector<Change> changesOf(Database& db, qint64 step, bool newestFirst)
{
    std::vector<Change> changes;
    Query query(db,
                QByteArray("SELECT id, tableId, record, kind, before, after FROM VarnelHistoryChanges WHERE step = ? "
                           "ORDER BY id ") +
                    (newestFirst ? "DESC" : "ASC"),
                {step});
    while (query.next()) {
        Change change;
        change.id = query.integer(0);
        change.step = step;
        change.tableId = query.integer(1);
        change.record = query.integer(2);
        change.kind = int(query.integer(3));
        if (isTableChange(change.kind))
            change.table = query.bytes(change.kind == kTableDeleted ? 4 : 5);
        else if (change.kind == kRecordsAdded)
            change.range = AddedRange::read(change.record, query.bytes(5));
        else if (change.kind == kRecordAdded && query.isBlob(5))
            change.addedDigest = query.bytes(5);
        else {
            change.before = rowValues(query.bytes(4));
            change.after = rowValues(query.bytes(5));
        }
        changes.push_back(std::move(change));
    }
    return changes;
}

// Takes back in `row` each change of the record after `change` still in force, newest first.
void takeBackLaterChanges(Database& db, const TableInfo& table, qint64 record, qint64 change,
                          std::map<QByteArray, QByteArray>& row)
{
    Query query(db,
                "SELECT c.before FROM VarnelHistoryChanges c JOIN VarnelHistorySteps s ON s.id = c.step "
                "WHERE c.tableId = ? AND c.record = ? AND c.id > ? AND s.undone = 0 ORDER BY c.id DESC",
                {qint64(table.id), record, change});
    while (query.next())
        for (const HistoryValue& value : rowValues(query.bytes(0)))
            row[value.storage] = value.literal;
}

// The values an addition whose values are still the record's gave it: the record as it is now, or as
// its later deletion kept it, with the later changes in force taken back.
std::vector<HistoryValue> addedValues(Database& db, const TableInfo& table, qint64 record, qint64 change)
{
    std::map<QByteArray, QByteArray> row;
    currentRow(db, table, record, row); // a record deleted since is taken from its deletion
    takeBackLaterChanges(db, table, record, change, row);
    return inColumnOrder(table, row);
}

QByteArray digestNow(Database& db, const TableInfo& table, qint64 record)
{
    Query query(db, "SELECT 1" + digestColumns(table, "r") + " FROM " + table.storage + " AS r WHERE r.rowid = ?",
                {record});
    if (!query.next())
        return QByteArray();
    // As the files before ranges kept it: the number's bytes as this machine orders them.
    const quint64 digest = rowDigest(query.statement(), 1, int(table.columns.size()));
    return QByteArray(reinterpret_cast<const char*>(&digest), sizeof digest);
}

// A table deleted or put back whole: made again or dropped again. Its records' changes sit on the side
// of it that leaves the table empty when it goes.
bool applyTable(Database& db, const Change& change, bool undoing, const Step& step, QString& message)
{
    const bool wasThere = undoing ? change.kind != kTableDeleted : change.kind != kTableRestored;
    QString why;
    if (SUCCEEDED(wasThere ? removeTable(db, change.table, why) : recreateTable(db, change.table, why)))
        return true;
    message = refusal(undoing).arg(step.command) + why;
    return false;
}

// Puts one change back (undo) or forward again (redo), after checking the record is as the step left it.
bool apply(Database& db, const Change& change, bool undoing, const Step& step, QString& message)
{
    if (isTableChange(change.kind))
        return applyTable(db, change, undoing, step, message);
    const TableInfo* table = tableById(db, change.tableId);
    const QString refused = refusal(undoing);
    if (!table) {
        message = refused.arg(step.command) + QStringLiteral("its table was deleted since.");
        return false;
    }
    if (change.kind == kRecordsAdded)
        return applyRange(db, {change.id, change.step, change.range}, *table, undoing, step.command, message);
    const bool later = undoing && Query(db,
                                        "SELECT 1 FROM VarnelHistoryChanges c JOIN VarnelHistorySteps s ON s.id = c.step "
                                        "WHERE c.tableId = ? AND c.record = ? AND c.step > ? AND s.undone = 0 LIMIT 1",
                                        {change.tableId, change.record, change.step})
                                      .next();
    // What the step left, and what is to be put in its place.
    const auto kind = ChangeKind(change.kind);
    const bool wasThere = undoing ? kind != ChangeKind::Deleted : kind != ChangeKind::Added;
    const std::vector<HistoryValue>& expected = undoing ? change.after : change.before;
    const std::vector<HistoryValue>& wanted = undoing ? change.before : change.after;
    std::map<QByteArray, QByteArray> row;
    const bool isThere = currentRow(db, *table, change.record, row);
    const bool unchanged =
        !isThere || (matches(row, expected) && (!undoing || !change.addedDigest ||
                                                 digestNow(db, *table, change.record) == *change.addedDigest));
    if (later || isThere != wasThere || !unchanged) {
        message = refused.arg(step.command) +
                  QStringLiteral("the record %1 was changed since, by a later step or another program.")
                      .arg(recordName(*table, change.record,
                                      isThere ? inColumnOrder(*table, row)
                                              : (change.before.empty() ? change.after : change.before)));
        return false;
    }
    HRESULT hr = S_OK;
    if (kind == ChangeKind::Changed) {
        hr = writeRow(db, *table, change.record, wanted, false);
    } else if (wasThere) {
        // The record is as its addition left it now: its values are kept for redo before it goes.
        if (change.addedDigest)
            hr = db.run("UPDATE VarnelHistoryChanges SET after = (SELECT " + historyRowText(*table, "r") + " FROM " +
                            table->storage + " AS r WHERE r.rowid = ?) WHERE id = ?",
                        {change.record, change.id});
        if (SUCCEEDED(hr))
            hr = db.run("DELETE FROM " + table->storage + " WHERE rowid = ?", {change.record});
    } else
        hr = writeRow(db, *table, change.record, wanted, true);
    if (FAILED(hr)) {
        message = refused.arg(step.command) + lastError().description;
        return false;
    }
    return true;
}

bool walk(Database& db, const Step& step, bool undoing, QString& message)
{
    for (const Change& change : changesOf(db, step.id, undoing))
        if (!apply(db, change, undoing, step, message))
            return false;
    if (undoing)
        return SUCCEEDED(db.run("UPDATE VarnelHistorySteps SET undone = 1, undoOrder = (SELECT coalesce(max(undoOrder), 0) "
                                "+ 1 FROM VarnelHistorySteps) WHERE id = ?",
                                {step.id}));
    return SUCCEEDED(db.run("UPDATE VarnelHistorySteps SET undone = 0, undoOrder = NULL WHERE id = ?", {step.id}));
}

// Runs `body` in one transaction with the history not recording: all of it reaches the file, or none.
bool unrecorded(Database& db, QString& message, const std::function<bool()>& body)
{
    if (FAILED(db.beginTransaction())) {
        message = lastError().description;
        return false;
    }
    db.setHistoryRecording(false);
    bool done = false;
    db.write(Database::Change::Data, [&] {
        done = body();
        return S_OK;
    });
    db.setHistoryRecording(true);
    if (done && SUCCEEDED(db.commitTransaction()))
        return true;
    if (done)
        message = lastError().description;
    db.rollbackTransaction();
    return false;
}

bool moveSteps(const QString& path, int count, bool undoing, QString& message)
{
    const auto db = openWithHistory(path);
    const QString nothing = undoing ? QStringLiteral("There is nothing to undo.") : QStringLiteral("There is nothing to redo.");
    if (!db || !oneStep(*db, undoing ? kUndoTarget : kRedoTarget)) {
        message = nothing;
        return false;
    }
    return unrecorded(*db, message, [&] {
        for (int i = 0; i < count; ++i) {
            const std::optional<Step> step = oneStep(*db, undoing ? kUndoTarget : kRedoTarget);
            if (!step)
                return i > 0;
            if (!walk(*db, *step, undoing, message))
                return false;
        }
        return true;
    });
}

} // namespace

std::optional<Step> nextUndo(const QString& path)
{
    const auto db = openWithHistory(path);
    return db ? oneStep(*db, kUndoTarget) : std::nullopt;
}

std::optional<Step> nextRedo(const QString& path)
{
    const auto db = openWithHistory(path);
    return db ? oneStep(*db, kRedoTarget) : std::nullopt;
}

bool undo(const QString& path, int steps, QString& message) { return moveSteps(path, steps, true, message); }

bool redo(const QString& path, QString& message) { return moveSteps(path, 1, false, message); }

std::vector<Step> steps(const QString& path)
{
    std::vector<Step> list;
    const auto db = openWithHistory(path);
    if (!db)
        return list;
    Query query(*db, QByteArray("SELECT ") + kStepColumns + " FROM VarnelHistorySteps s ORDER BY s.id DESC");
    StepReader reader(*db);
    while (query.next())
        list.push_back(reader.read(query));
    return list;
}

namespace {

// The records of `table` the history holds changes of, the one changed last first.
std::vector<qint64> changedRecordsOf(Database& db, const TableInfo& table)
{
    std::vector<qint64> records;
    std::map<qint64, qint64> lastChange; // of each record
    Query single(db, "SELECT record, max(id) FROM VarnelHistoryChanges WHERE tableId = ? AND kind < 4 GROUP BY record",
                 {qint64(table.id)});
    while (single.next())
        lastChange[single.integer(0)] = single.integer(1);
    Query ranges(db, "SELECT id, record, after FROM VarnelHistoryChanges WHERE tableId = ? AND kind = " +
                          QByteArray::number(kRecordsAdded),
                 {qint64(table.id)});
    while (ranges.next())
        if (const auto range = AddedRange::read(ranges.integer(1), ranges.bytes(2)))
            for (const qint64 record : range->records())
                lastChange[record] = std::max(lastChange[record], ranges.integer(0));
    std::vector<std::pair<qint64, qint64>> byChange; // the change, the record
    for (const auto& [record, change] : lastChange)
        byChange.emplace_back(change, record);
    std::sort(byChange.rbegin(), byChange.rend());
    for (const auto& [change, record] : byChange)
        records.push_back(record);
    return records;
}


// The changes of `record`, newest first.
std::vector<RecordVersion> versionsOf(Database& db, const TableInfo& table, qint64 record, StepReader& steps)
{
    std::vector<RecordVersion> versions;
    // The record's own changes, and the ranges of added records that may hold it.
    Query query(db,
                QByteArray("SELECT c.id, c.kind, c.before, c.after, c.record, ") + kStepColumns +
                    " FROM VarnelHistoryChanges c JOIN VarnelHistorySteps s ON s.id = c.step WHERE c.tableId = ? AND "
                    "c.record BETWEEN ? AND ? AND ((c.record = ? AND c.kind < 4) OR c.kind = " +
                    QByteArray::number(kRecordsAdded) + ") ORDER BY c.id DESC",
                {qint64(table.id), record - kRangeSpan + 1, record, record});
    while (query.next()) {
        RecordVersion version;
        version.change = query.integer(0);
        std::vector<HistoryValue> after;
        if (query.integer(1) == kRecordsAdded) {
            const std::optional<AddedRange> range = AddedRange::read(query.integer(4), query.bytes(3));
            const int held = range ? range->find(record) : -1;
            if (held < 0)
                continue;
            version.kind = ChangeKind::Added;
            after = range->keepsValues() ? rowValues(range->text(held)) : addedValues(db, table, record, version.change);
        } else {
            version.kind = ChangeKind(query.integer(1));
            after = version.kind == ChangeKind::Added && query.isBlob(3) ? addedValues(db, table, record, version.change)
                                                                         : rowValues(query.bytes(3));
        }
        version.step = steps.read(query, 5);
        const std::vector<HistoryValue> before = rowValues(query.bytes(2));
        for (const ColumnInfo& column : table.columns) {
            FieldChange field{column.name, Variant(), Variant()};
            bool touched = false;
            for (const HistoryValue& value : before)
                if (value.storage == column.storage) {
                    field.before = displayValue(literalValue(value.literal), column.type);
                    touched = true;
                }
            for (const HistoryValue& value : after)
                if (value.storage == column.storage) {
                    field.after = displayValue(literalValue(value.literal), column.type);
                    touched = true;
                }
            if (touched)
                version.fields.push_back(std::move(field));
        }
        const bool began = version.kind == ChangeKind::Added;
        versions.push_back(std::move(version));
        // A record added here began here: what came before was another record in the same place.
        if (began)
            break;
    }
    return versions;
}

} // namespace

std::vector<qint64> changedRecords(const QString& path, const QString& tableName)
{
    const auto db = openWithHistory(path);
    const TableInfo* table = db ? db->catalogue().table(tableName) : nullptr;
    return table ? changedRecordsOf(*db, *table) : std::vector<qint64>();
}

std::vector<RecordVersion> recordHistory(const QString& path, const QString& tableName, qint64 record)
{
    const auto db = openWithHistory(path);
    const TableInfo* table = db ? db->catalogue().table(tableName) : nullptr;
    if (!table)
        return {};
    StepReader steps(*db);
    return versionsOf(*db, *table, record, steps);
}

std::vector<RecordHistory> tableHistory(const QString& path, const QString& tableName)
{
    std::vector<RecordHistory> histories;
    const auto db = openWithHistory(path);
    const TableInfo* table = db ? db->catalogue().table(tableName) : nullptr;
    if (!table)
        return histories;
    StepReader steps(*db);
    for (const qint64 record : changedRecordsOf(*db, *table))
        histories.push_back({record, versionsOf(*db, *table, record, steps)});
    return histories;
}

namespace {

// The record's values right after `change`, as literals: from the record as it is, each later change
// still in force is taken back, newest first.
bool literalsAfter(Database& db, const TableInfo& table, qint64 record, qint64 change,
                   std::map<QByteArray, QByteArray>& row)
{
    if (!currentRow(db, table, record, row))
        return false;
    takeBackLaterChanges(db, table, record, change, row);
    return true;
}

std::vector<HistoryValue> asValues(const std::map<QByteArray, QByteArray>& row)
{
    std::vector<HistoryValue> values;
    for (const auto& [storage, literal] : row)
        values.push_back({storage, literal});
    return values;
}

// Writes as the program's commands do: recorded, as one step named `command`.
bool recorded(Database& db, const QString& command, QString& message, const std::function<HRESULT()>& body)
{
    db.beginCommand(command);
    HRESULT hr = db.beginTransaction();
    if (SUCCEEDED(hr)) {
        hr = db.write(Database::Change::Data, body);
        hr = SUCCEEDED(hr) ? db.commitTransaction() : hr;
        if (FAILED(hr)) {
            const QString why = lastError().description;
            db.rollbackTransaction();
            fail(hr, why);
        }
    }
    db.endCommand();
    if (FAILED(hr))
        message = lastError().description;
    return SUCCEEDED(hr);
}

} // namespace

bool versionAfter(const QString& path, const QString& tableName, qint64 record, qint64 change,
                  std::vector<FieldValue>& values)
{
    values.clear();
    const auto db = openWithHistory(path);
    const TableInfo* table = db ? db->catalogue().table(tableName) : nullptr;
    std::map<QByteArray, QByteArray> row;
    if (!table || !literalsAfter(*db, *table, record, change, row))
        return false;
    for (const ColumnInfo& column : table->columns)
        values.push_back({column.name, displayValue(literalValue(row[column.storage]), column.type)});
    return true;
}

bool restoreVersion(const QString& path, const QString& tableName, qint64 record, qint64 change, QString& message)
{
    const auto db = openWithHistory(path);
    const TableInfo* table = db ? db->catalogue().table(tableName) : nullptr;
    std::map<QByteArray, QByteArray> row;
    if (!table || !literalsAfter(*db, *table, record, change, row)) {
        message = QStringLiteral("The record is no longer in %1; Deleted Records can bring it back.").arg(tableName);
        return false;
    }
    return recorded(*db, QStringLiteral("Restore in %1").arg(table->name), message,
                    [&] { return writeRow(*db, *table, record, asValues(row), false); });
}

std::vector<DeletedRecord> deletedRecords(const QString& path, const QString& tableName)
{
    std::vector<DeletedRecord> list;
    const auto db = openWithHistory(path);
    const TableInfo* table = db ? db->catalogue().table(tableName) : nullptr;
    if (!table)
        return list;
    // A deletion in force whose record was not put back since (by a restore, which records an addition).
    Query query(*db,
                QByteArray("SELECT c.id, c.record, c.before, ") + kStepColumns +
                    " FROM VarnelHistoryChanges c JOIN VarnelHistorySteps s ON s.id = c.step "
                    "WHERE c.tableId = ? AND c.kind = 3 AND s.undone = 0 AND NOT EXISTS (SELECT 1 FROM "
                    "VarnelHistoryChanges back JOIN VarnelHistorySteps bs ON bs.id = back.step WHERE back.restores = c.id "
                    "AND bs.undone = 0) ORDER BY c.id DESC",
                {qint64(table->id)});
    StepReader reader(*db);
    while (query.next()) {
        DeletedRecord deleted;
        deleted.change = query.integer(0);
        deleted.record = query.integer(1);
        deleted.step = reader.read(query, 3);
        for (const HistoryValue& value : rowValues(query.bytes(2)))
            if (const ColumnInfo* column = columnByStorage(*table, value.storage))
                deleted.values.push_back({column->name, displayValue(literalValue(value.literal), column->type)});
        list.push_back(std::move(deleted));
    }
    return list;
}

bool restoreDeleted(const QString& path, const QString& tableName, qint64 change, QString& message)
{
    const auto db = openWithHistory(path);
    const TableInfo* table = db ? db->catalogue().table(tableName) : nullptr;
    if (!table || !Query(*db, "SELECT 1 FROM VarnelHistoryChanges WHERE id = ? AND kind = 3", {change}).next()) {
        message = QStringLiteral("The record is not among the deleted records of %1.").arg(tableName);
        return false;
    }
    Query which(*db, "SELECT step FROM VarnelHistoryChanges WHERE id = ?", {change});
    const qint64 step = which.next() ? which.integer(0) : 0;
    // The record itself, and what its deletion took along in other tables.
    std::vector<Change> taken;
    for (Change& other : changesOf(*db, step, false))
        if (other.kind == kRecordDeleted && (other.id == change || other.tableId != table->id))
            taken.push_back(std::move(other));
    return recorded(*db, QStringLiteral("Restore in %1").arg(table->name), message, [&]() -> HRESULT {
        for (const Change& record : taken) {
            const TableInfo* home = tableById(*db, record.tableId);
            if (!home)
                continue;
            std::map<QByteArray, QByteArray> row;
            // Its place may have been taken by a record added since: it comes back in a new one.
            const bool placeTaken = currentRow(*db, *home, record.record, row);
            std::vector<HistoryValue> values = record.before;
            HRESULT hr = placeTaken ? writeRow(*db, *home, 0, values, true, false)
                                    : writeRow(*db, *home, record.record, values, true);
            if (SUCCEEDED(hr))
                hr = db->run("UPDATE VarnelHistoryChanges SET restores = ? WHERE id = (SELECT max(id) FROM "
                             "VarnelHistoryChanges)",
                             {record.id});
            if (FAILED(hr))
                return hr;
        }
        return S_OK;
    });
}

bool deleteTable(const QString& path, const QString& tableName, QString& message)
{
    std::shared_ptr<Database> db;
    const TableInfo* found = nullptr;
    if (SUCCEEDED(Database::open(path, db)))
        found = db->catalogue().table(tableName);
    if (!found || found->isEngineTable()) {
        message = QStringLiteral("There is no table named %1.").arg(tableName);
        return false;
    }
    const TableInfo table = *found;
    const QByteArray snapshot = tableSnapshot(*db, table);
    return recorded(*db, QStringLiteral("Delete Table %1").arg(table.name), message, [&]() -> HRESULT {
        // Each record's deletion is kept as the triggers keep any other, then the table beside them.
        const qint64 step = recordsHistory(table.name) ? db->openHistoryStep() : 0;
        HRESULT hr = db->run("DELETE FROM " + table.storage);
        if (SUCCEEDED(hr) && step != 0)
            hr = db->run("INSERT INTO VarnelHistoryChanges (step, tableId, record, kind, before) VALUES (?, ?, 0, ?, ?)",
                         {step, qint64(table.id), qint64(kTableDeleted), QString::fromUtf8(snapshot)});
        QString why;
        if (SUCCEEDED(hr) && FAILED(hr = removeTable(*db, snapshot, why)))
            return fail(hr, why);
        return hr;
    });
}

std::vector<DeletedTable> deletedTables(const QString& path)
{
    std::vector<DeletedTable> list;
    const auto db = openWithHistory(path);
    if (!db)
        return list;
    Query query(*db,
                QByteArray("SELECT c.id, c.before, ") + kStepColumns +
                    " FROM VarnelHistoryChanges c JOIN VarnelHistorySteps s ON s.id = c.step "
                    "WHERE c.kind = 4 AND s.undone = 0 AND NOT EXISTS (SELECT 1 FROM VarnelHistoryChanges back "
                    "JOIN VarnelHistorySteps bs ON bs.id = back.step WHERE back.restores = c.id AND bs.undone = 0) "
                    "ORDER BY c.id DESC");
    StepReader reader(*db);
    while (query.next())
        list.push_back({query.integer(0), reader.read(query, 2), snapshotTableName(query.bytes(1))});
    return list;
}

bool restoreTable(const QString& path, qint64 change, QString& message)
{
    const auto db = openWithHistory(path);
    qint64 step = 0, tableId = 0;
    QByteArray snapshot;
    if (db) {
        Query which(*db, "SELECT step, tableId, before FROM VarnelHistoryChanges WHERE id = ? AND kind = 4", {change});
        if (which.next()) {
            step = which.integer(0);
            tableId = which.integer(1);
            snapshot = which.bytes(2);
        }
    }
    if (snapshot.isEmpty()) {
        message = QStringLiteral("The table is not among the deleted tables.");
        return false;
    }
    const QString name = snapshotTableName(snapshot);
    return recorded(*db, QStringLiteral("Restore Table %1").arg(name), message, [&]() -> HRESULT {
        // The table comes first in the step, so that undoing it takes its records out before it goes.
        const qint64 restoring = db->openHistoryStep();
        HRESULT hr = restoring == 0 ? S_OK
                                    : db->run("INSERT INTO VarnelHistoryChanges (step, tableId, record, kind, after, "
                                              "restores) VALUES (?, ?, 0, ?, ?, ?)",
                                              {restoring, tableId, qint64(kTableRestored), QString::fromUtf8(snapshot),
                                               change});
        QString why;
        if (SUCCEEDED(hr) && FAILED(hr = recreateTable(*db, snapshot, why)))
            return fail(hr, QStringLiteral("%1 cannot be restored: %2").arg(name, why));
        const TableInfo* table = tableById(*db, tableId);
        for (const Change& record : changesOf(*db, step, false)) {
            if (FAILED(hr) || !table)
                break;
            if (record.kind == kRecordDeleted && record.tableId == tableId)
                hr = writeRow(*db, *table, record.record, record.before, true);
        }
        return hr;
    });
}

bool clear(const QString& path, QString& message)
{
    const auto db = openWithHistory(path);
    if (!db)
        return true;
    const HRESULT hr = db->write(Database::Change::Schema, [&] {
        HRESULT result = db->run("DELETE FROM VarnelHistoryChanges");
        return SUCCEEDED(result) ? db->run("DELETE FROM VarnelHistorySteps") : result;
    });
    if (FAILED(hr))
        message = lastError().description;
    return SUCCEEDED(hr);
}

qint64 size(const QString& path)
{
    const auto db = openWithHistory(path);
    if (!db)
        return 0;
    Query query(*db, QByteArray("SELECT coalesce(sum(") + kChangeSize + "), 0) FROM VarnelHistoryChanges");
    return query.next() ? query.integer(0) : 0;
}

bool prune(const QString& path, int days, int megabytes)
{
    const auto db = openWithHistory(path);
    if (!db || (days <= 0 && megabytes <= 0))
        return true;
    const HRESULT hr = db->write(Database::Change::Schema, [&]() -> HRESULT {
        qint64 oldestKept = 0;
        if (days > 0) {
            Query query(*db, "SELECT coalesce(max(id), 0) FROM VarnelHistorySteps WHERE at < strftime('%Y-%m-%d "
                             "%H:%M:%f', 'now', ?)",
                        {QStringLiteral("-%1 days").arg(days)});
            oldestKept = query.next() ? query.integer(0) : 0;
        }
        if (megabytes > 0) {
            // The newest steps are kept while they fit; everything older goes.
            Query query(*db, QByteArray("SELECT step, sum(") + kChangeSize + ") FROM VarnelHistoryChanges "
                             "GROUP BY step ORDER BY step DESC");
            qint64 total = 0;
            while (query.next()) {
                total += query.integer(1);
                if (total > qint64(megabytes) * 1024 * 1024) {
                    oldestKept = std::max(oldestKept, query.integer(0));
                    break;
                }
            }
        }
        HRESULT result = db->run("DELETE FROM VarnelHistoryChanges WHERE step <= ?", {oldestKept});
        return SUCCEEDED(result) ? db->run("DELETE FROM VarnelHistorySteps WHERE id <= ?", {oldestKept}) : result;
    });
    return SUCCEEDED(hr);
}

} // namespace cedb::history
