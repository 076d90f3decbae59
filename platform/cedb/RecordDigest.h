#pragma once
// A number that changes when any value of a record does. The history keeps it, instead of the values, for
// records added many at a time, so that undoing their step still tells when another program changed one
// of them since. Null values count for nothing: a field added to the table later leaves it as it was.
#include <QByteArray>

#include <cstddef>

struct sqlite3_stmt;

namespace cedb {

struct TableInfo;

// The digest of the record whose fields, in the table's order, are the statement's columns `first` to
// `first + count - 1` of the row it stepped to.
quint64 rowDigest(sqlite3_stmt* statement, int first, int count);
// The parts the digest sums, one for each value that is not Null, `place` being its field's place in the
// table; `type` is SQLITE_TEXT or SQLITE_BLOB.
quint64 integerHash(int place, qint64 value);
quint64 realHash(int place, double value);
quint64 bytesHash(int place, int type, const void* bytes, size_t size);
// What selects those fields of `row` ("r" in "FROM table AS r"), each after a comma.
QByteArray digestColumns(const TableInfo& table, const char* row);

} // namespace cedb
