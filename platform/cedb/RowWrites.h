#pragma once
// INSERT and DELETE statements, and the row writes of an editable recordset. Values are checked and
// converted for their columns before anything is written.
#include "platform/cedb/Ast.h"
#include "platform/cedb/Store.h"

namespace cedb {

HRESULT insertRow(Store& db, const Insert& statement);
// The user table `name`; a failure with its message when there is none or it is an engine table.
HRESULT writableTable(const Catalogue& catalogue, const QString& name, const TableInfo*& table);
HRESULT deleteRows(Store& db, const Delete& statement);

// The INSERT of one row into the table stored as `table`, a "?" for each of the storage columns.
QByteArray insertSql(const QByteArray& table, const std::vector<QByteArray>& columns);
// One row of the table stored as `table` by `sql`, its insertSql for the storage columns `columns` the
// values are for.
HRESULT insertBySql(Store& db, const QByteArray& table, const std::vector<QByteArray>& columns, const QByteArray& sql,
                    const std::vector<StoredValue>& values, qint64& rowid);
// One row of a table by its rowid: the named storage columns get the values (already converted).
HRESULT insertStored(Store& db, const QByteArray& table, const std::vector<QByteArray>& columns,
                     const std::vector<StoredValue>& values, qint64& rowid);
HRESULT updateStored(Store& db, const QByteArray& table, qint64 rowid, const std::vector<QByteArray>& columns,
                     const std::vector<StoredValue>& values);
HRESULT deleteStored(Store& db, const QByteArray& table, qint64 rowid);

} // namespace cedb
