#pragma once
// Where the values of an INSERT go: its table's storage and, value by value, the column that checks it.
// A program sends one INSERT over and over with other values; its target is decided once for its table
// and column names and kept while the catalogue it was decided from stands, so that a table dropped,
// renamed or changed in between is seen by the next statement.
#include "platform/cedb/Ast.h"
#include "platform/cedb/Catalogue.h"

namespace cedb {

struct InsertTarget {
    QByteArray table;             // the table's storage
    std::vector<QString> names;   // each value's column, for messages
    std::vector<ColumnType> types;
    std::vector<QByteArray> storage; // each value's storage column
    QByteArray sql;               // the INSERT with a "?" for each value
};

// The target of `statement` in `catalogue`, valid until the next call; a failure with its message for an
// unknown or engine table or an unknown column.
HRESULT insertTarget(const Catalogue& catalogue, const Insert& statement, const InsertTarget*& target);

} // namespace cedb
