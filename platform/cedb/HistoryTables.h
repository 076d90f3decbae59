#pragma once
// A user table deleted whole is kept in the history as what makes it again: its SQLite table and
// indexes, and its rows in the catalogue tables (its fields, its indexes, its field properties, its
// relations, its column widths). Its records are kept as the deletions of each of them, beside it.
#include "platform/automation/hresult.h"

#include <QByteArray>
#include <QString>

namespace cedb {

class Database;
struct TableInfo;

namespace history {

QByteArray tableSnapshot(Database& db, const TableInfo& table);
QString snapshotTableName(const QByteArray& snapshot);

// Makes the snapshot's table again, empty, under its own TableID; refused, saying why in `why`, when
// a table of its name exists now.
HRESULT recreateTable(Database& db, const QByteArray& snapshot, QString& why);
// Drops the snapshot's table and its catalogue rows; refused when it holds records.
HRESULT removeTable(Database& db, const QByteArray& snapshot, QString& why);

} // namespace history
} // namespace cedb
