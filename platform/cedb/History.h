#pragma once
// The history of data changes of a database file: every write to a user table, record by record and
// field by field, grouped into the steps the program's commands made. Steps are undone and redone
// whole or not at all, and never over a change made since by a later step or another program.
#include "platform/automation/variant.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace cedb::history {

struct Step {
    qint64 id = 0;
    QString at;      // UTC, "YYYY-MM-DD HH:MM:SS.SSS"
    QString command; // the command's name; "Change in TABLE" for a write no command named
    int records = 0; // records the step changed
    bool undone = false;
};

struct FieldValue {
    QString field;
    Variant value;
};

struct FieldChange {
    QString field;
    Variant before; // Empty where the field had no value before (a record added)
    Variant after;  // Empty where it has none after (a record deleted)
};

enum class ChangeKind { Added = 1, Changed = 2, Deleted = 3 };

struct RecordVersion {
    qint64 change = 0;
    Step step;
    ChangeKind kind = ChangeKind::Changed;
    std::vector<FieldChange> fields;
};

struct RecordHistory {
    qint64 record = 0;
    std::vector<RecordVersion> versions;
};

struct DeletedRecord {
    qint64 change = 0;
    Step step;
    qint64 record = 0;
    std::vector<FieldValue> values;
};

// The step Undo would take back, and the one Redo would put back; none when there is nothing to do.
std::optional<Step> nextUndo(const QString& path);
std::optional<Step> nextRedo(const QString& path);
// Takes back the last `steps` steps, all in one transaction. False with `message` when refused.
bool undo(const QString& path, int steps, QString& message);
bool redo(const QString& path, QString& message);

// Steps, newest first.
std::vector<Step> steps(const QString& path);
// The records of `table` the history holds changes of, the one changed last first.
std::vector<qint64> changedRecords(const QString& path, const QString& table);
// The changes of one record (by its place in the file), newest first.
std::vector<RecordVersion> recordHistory(const QString& path, const QString& table, qint64 record);
// Every record of changedRecords with its changes: each step is read once for all of them.
std::vector<RecordHistory> tableHistory(const QString& path, const QString& table);
// The values `record` had right after `change`; false when the history cannot tell.
bool versionAfter(const QString& path, const QString& table, qint64 record, qint64 change,
                  std::vector<FieldValue>& values);
// Records deleted from `table` and not back since, newest first.
std::vector<DeletedRecord> deletedRecords(const QString& path, const QString& table);
// Puts a deleted record back as a new step, with the records of other tables its deletion took along.
bool restoreDeleted(const QString& path, const QString& table, qint64 change, QString& message);
// Puts the values `record` had right after `change` back, as a new step.
bool restoreVersion(const QString& path, const QString& table, qint64 record, qint64 change, QString& message);

struct DeletedTable {
    qint64 change = 0;
    Step step; // its records count the table's records
    QString name;
};

// Deletes a user table with its records and its catalogue rows, as one step "Delete Table NAME" that
// undo, or restoreTable, takes back whole: the records, their AutoNumbers, the fields' properties,
// indexes, relations and column widths as they were.
bool deleteTable(const QString& path, const QString& table, QString& message);
// Tables deleted and not back since, newest first.
std::vector<DeletedTable> deletedTables(const QString& path);
// Makes a deleted table again with its records, as a new step.
bool restoreTable(const QString& path, qint64 change, QString& message);

// Forgets every step (the data stays as it is).
bool clear(const QString& path, QString& message);
// Forgets the oldest steps until what is left is younger than `days` (0: any age) and smaller than
// `megabytes` (0: any size).
bool prune(const QString& path, int days, int megabytes);
// What the kept history takes in the file, in bytes.
qint64 size(const QString& path);

} // namespace cedb::history
