#pragma once
// Texts compare, sort and match ignoring case for every letter, not only A to Z: the engine's NOCASE
// collation and LIKE take the place of SQLite's ASCII-only ones on each connection.
struct sqlite3;

namespace cedb {

bool installTextRules(sqlite3* db);

} // namespace cedb
