#pragma once
// Undo and redo of the records added many at a time, a range of them at a time (see AddedRanges.h).
#include "platform/cedb/AddedRanges.h"

#include <QString>

#include <optional>

namespace cedb {

class Database;
struct TableInfo;

namespace history {

struct RangeChange {
    qint64 id = 0;
    qint64 step = 0;
    std::optional<AddedRange> range; // nothing when the history's bytes are not a range
};

// Takes the range's records back (undo) or puts them back (redo) whole, after checking that each record
// is as the step named `command` left it: there with the values its digest or its kept text tells, or
// not there. False with `message` when refused.
bool applyRange(Database& db, const RangeChange& change, const TableInfo& table, bool undoing, const QString& command,
                QString& message);

} // namespace history
} // namespace cedb
