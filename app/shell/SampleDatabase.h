#pragma once
// The database a new user finds on the first start: customers, the products they buy and their orders,
// made with the same statements the table designer uses, so the catalogue describes every field.
#include "app/shell/ShellServices.h"

// Creates the database at `path` (which must not exist yet) and leaves it closed. False when it
// could not be created.
bool buildSampleDatabase(DatabaseService& database, const QString& path);

// Where the sample lives: the Default Database Folder, where Open Database starts (the help file sends
// the user there); the system folder only when no such folder can be made.
QString prepareSampleDatabasePath();
