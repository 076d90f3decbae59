#include "platform/cedb/RangeSteps.h"

#include "platform/cedb/Failures.h"
#include "platform/cedb/HistoryRecording.h"
#include "platform/cedb/HistoryRows.h"
#include "platform/cedb/RecordDigest.h"

#include <algorithm>

namespace cedb::history {

namespace {

// The first of `records` (ascending) that a step after `step`, still in force, changed.
std::optional<qint64> changedLater(Database& db, qint64 tableId, qint64 step, const std::vector<qint64>& records)
{
    Query query(db,
                "SELECT c.record, c.kind, c.after FROM VarnelHistoryChanges c JOIN VarnelHistorySteps s ON s.id = c.step "
                "WHERE c.tableId = ? AND c.record BETWEEN ? AND ? AND c.step > ? AND s.undone = 0",
                {tableId, records.front() - kRangeSpan + 1, records.back(), step});
    const auto among = [&](qint64 record) { return std::binary_search(records.begin(), records.end(), record); };
    while (query.next()) {
        if (query.integer(1) != kRecordsAdded) {
            if (among(query.integer(0)))
                return query.integer(0);
            continue;
        }
        if (const auto range = AddedRange::read(query.integer(0), query.bytes(2)))
            for (const qint64 record : range->records())
                if (among(record))
                    return record;
    }
    return std::nullopt;
}

} // namespace

bool applyRange(Database& db, const RangeChange& change, const TableInfo& table, bool undoing, const QString& command,
                QString& message)
{
    const QString refused = refusal(undoing).arg(command);
    // A range is redone from the values its undo kept.
    if (!change.range || (!undoing && !change.range->keepsValues())) {
        message = refused + QStringLiteral("its history in the file cannot be read.");
        return false;
    }
    const AddedRange& range = *change.range;
    const auto changedSince = [&](qint64 record, const std::vector<HistoryValue>& known) {
        message = refused + QStringLiteral("the record %1 was changed since, by a later step or another program.")
                                .arg(recordName(table, record, known));
        return false;
    };
    const auto kept = [&](int i) { return range.keepsValues() ? rowValues(range.text(i)) : std::vector<HistoryValue>(); };
    const std::vector<qint64> records = range.records();
    if (undoing)
        if (const std::optional<qint64> later = changedLater(db, table.id, change.step, records)) {
            std::map<QByteArray, QByteArray> row;
            currentRow(db, table, *later, row);
            return changedSince(*later, inColumnOrder(table, row));
        }
    // The places the range spans as they are now; a place between its records is another program's.
    Query now(db,
              "SELECT r.rowid, " + historyRowText(table, "r") + digestColumns(table, "r") + " FROM " + table.storage +
                  " AS r WHERE r.rowid BETWEEN ? AND ? ORDER BY r.rowid",
              {range.first(), range.last()});
    std::vector<QByteArray> texts;
    while (now.next()) {
        const int i = range.find(now.integer(0));
        if (i < 0)
            continue;
        const std::vector<HistoryValue> values = rowValues(now.bytes(1));
        if (!undoing)
            return changedSince(records[size_t(i)], values);
        if (i != int(texts.size()))
            return changedSince(records[texts.size()], kept(int(texts.size())));
        std::map<QByteArray, QByteArray> row;
        for (const HistoryValue& value : values)
            row[value.storage] = value.literal;
        const bool same = range.keepsValues() ? matches(row, kept(i))
                                              : rowDigest(now.statement(), 2, int(table.columns.size())) == range.digest(i);
        if (!same)
            return changedSince(records[size_t(i)], values);
        texts.push_back(now.bytes(1));
    }
    if (undoing && texts.size() != records.size())
        return changedSince(records[texts.size()], kept(int(texts.size())));
    HRESULT hr = S_OK;
    if (undoing) {
        // The records are as their addition left them: their values are kept for redo before they go.
        hr = db.run("UPDATE VarnelHistoryChanges SET after = ? WHERE id = ?",
                    {AddedRange::withValues(range.first(), records, texts), change.id});
        for (size_t i = 0; i < records.size() && SUCCEEDED(hr); ++i)
            hr = db.run("DELETE FROM " + table.storage + " WHERE rowid = ?", {records[i]});
    } else {
        for (int i = 0; i < range.count() && SUCCEEDED(hr); ++i)
            hr = writeRow(db, table, records[size_t(i)], kept(i), true);
    }
    if (FAILED(hr)) {
        message = refused + lastError().description;
        return false;
    }
    return true;
}

} // namespace cedb::history
