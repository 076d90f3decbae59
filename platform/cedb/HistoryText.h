#pragma once
// The row texts the history triggers write: one line per column, "c3 <SQL literal>".
#include "platform/cedb/TypeRules.h"

#include <QByteArray>

#include <vector>

namespace cedb {

struct HistoryValue {
    QByteArray storage; // the column's SQLite name
    QByteArray literal; // as quote() wrote it
};

// The columns of a row text in their order; false when the text is not one the triggers write.
bool parseRowText(const QByteArray& text, std::vector<HistoryValue>& values);
// The value a literal stands for, exactly as SQLite stored it.
StoredValue literalValue(const QByteArray& literal);
// The value as the column gives it to a recordset.
Variant displayValue(const StoredValue& value, const ColumnType& type);

} // namespace cedb
