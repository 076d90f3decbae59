#pragma once
// The few plain SQLite calls the engine's bookkeeping makes on its own tables and triggers.
#include <QByteArray>

#include <sqlite3.h>

#include <vector>

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

// Drops this connection's temporary triggers whose names start with `prefix` (a LIKE pattern's start).
inline bool dropTempTriggers(sqlite3* db, const QByteArray& prefix)
{
    std::vector<QByteArray> names;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT name FROM temp.sqlite_schema WHERE type = 'trigger' AND name LIKE ? || '%'", -1,
                           &statement, nullptr) != SQLITE_OK)
        return false;
    sqlite3_bind_text(statement, 1, prefix.constData(), int(prefix.size()), SQLITE_TRANSIENT);
    while (sqlite3_step(statement) == SQLITE_ROW)
        names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    for (const QByteArray& name : names)
        if (!exec(db, "DROP TRIGGER temp.\"" + name + "\""))
            return false;
    return true;
}

} // namespace cedb
