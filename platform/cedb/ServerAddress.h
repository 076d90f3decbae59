#pragma once
// Databases on a PostgreSQL server, as the program names them: a libpq URI where a file path would stand.
#include "platform/automation/hresult.h"

#include <QString>

namespace cedb {

// Whether `address` names a database on a PostgreSQL server (postgresql:// or postgres://).
bool isServerAddress(const QString& address);

// A server database's record was changed or deleted by another user after it was read; nothing was written.
constexpr HRESULT DB_E_CONCURRENCYVIOLATION = MakeHResult(0x80040E38);
// Another user changed or dropped a table the recordset reads since it was opened; nothing was read or written.
constexpr HRESULT DB_E_DESIGNCHANGED = MakeHResult(0x80040E3A);
// The connection to the server is lost, and could not be made again; nothing was written.
constexpr HRESULT DB_E_CONNECTIONLOST = MakeHResult(0x80040E3D);

} // namespace cedb
