#pragma once
// A number that changes when any value of a record does. The history keeps it, instead of the values, for
// records added many at a time, so that undoing their step still tells when another program changed one
// of them since. Null values count for nothing: a field added to the table later leaves it as it was.
#include <QByteArray>

struct sqlite3;

namespace cedb {

struct TableInfo;

bool installRecordDigest(sqlite3* db);

// The SQL expression giving the digest, a blob of 8 bytes, of the record `row` ("r" in "FROM table AS r") of `table`.
QByteArray recordDigestSql(const TableInfo& table, const char* row);

} // namespace cedb
