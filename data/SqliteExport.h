#pragma once
// The open database written as a plain SQLite file that any SQLite tool reads: each user table under its
// own table and field names with declared types, its records and its indexes; the catalogue tables stay
// behind. Dates become ISO texts ("2026-12-07 10:30:00"), Booleans 1 and 0.
#include "data/CAppContext.h"

#include <QString>

#include <optional>

// Writes the file at `hostPath`, replacing one that is there only once the new one is complete. The
// number of tables written, nullopt after the message that says why nothing was written.
std::optional<int> exportSqliteDatabase(CAppContext& context, const QString& hostPath);
