#pragma once
// The few plain SQLite calls the engine's bookkeeping makes on its own tables, whose statements have no
// values to bind.
#include <QByteArray>

#include <sqlite3.h>

namespace cedb {

inline bool exec(sqlite3* db, const QByteArray& sql)
{
    return sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

inline bool hasRow(sqlite3* db, const char* sql)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK)
        return false;
    const bool found = sqlite3_step(statement) == SQLITE_ROW;
    sqlite3_finalize(statement);
    return found;
}

} // namespace cedb
