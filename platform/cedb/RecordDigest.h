#pragma once
// A number that changes when any value of a record does. The history keeps it, instead of the values, for
// records added many at a time, so that undoing their step still tells when another program changed one
// of them since. Null values count for nothing: a field added to the table later leaves it as it was.
#include <QByteArray>

struct sqlite3_stmt;

namespace cedb {

struct TableInfo;

// The digest of the record whose fields, in the table's order, are the statement's columns `first` to
// `first + count - 1` of the row it stepped to.
quint64 rowDigest(sqlite3_stmt* statement, int first, int count);
// What selects those fields of `row` ("r" in "FROM table AS r"), each after a comma.
QByteArray digestColumns(const TableInfo& table, const char* row);

} // namespace cedb
