#pragma once
// INSERT and DELETE statements, and the row writes of an editable recordset. Values are checked and
// converted for their columns before anything is written.
#include "platform/cedb/Ast.h"
#include "platform/cedb/Database.h"

namespace cedb {

HRESULT insertRow(Database& db, const Insert& statement);
HRESULT deleteRows(Database& db, const Delete& statement);

// One row of a table by its rowid: the named storage columns get the values (already converted).
HRESULT insertStored(Database& db, const QByteArray& table, const std::vector<QByteArray>& columns,
                     const std::vector<StoredValue>& values, qint64& rowid);
HRESULT updateStored(Database& db, const QByteArray& table, qint64 rowid, const std::vector<QByteArray>& columns,
                     const std::vector<StoredValue>& values);
HRESULT deleteStored(Database& db, const QByteArray& table, qint64 rowid);

} // namespace cedb
