#pragma once
// A database file marked read-only opens for reading only. Views ask before an edit begins, so that the
// user is told at once instead of typing a change that cannot be saved.
#include <QString>

// True when the file at the device path is marked read-only, as the engine decides when opening it.
bool isReadOnlyDatabase(const QString& devicePath);

QString readOnlyDatabaseText();
