#pragma once
// Creating, opening, closing and deleting the database file, and the catalogue check that runs after
// every create and open. The database window is reached through its sink, so all of this runs without one.
#include "data/CAppContext.h"
#include "data/DatabaseWindowSink.h"

#include <QString>

// `path` is the full file name with extension. True when the engine created the file.
bool CreateDatabase(CAppContext& context, DatabaseWindowSink& window, const QString& path);
// A new, empty database at `path` in place of any file there. It is made under a temporary name beside
// `path` and moved over it only once complete, so a failure leaves the old file as it was. True when the
// new database is in place and open.
bool CreateDatabaseInPlace(CAppContext& context, DatabaseWindowSink& window, const QString& path);
// True when the file exists and the catalogue check could read it, which makes it the open database.
// Otherwise says "Database doesn't exist.", or why the file cannot be used, and the database open
// before stays open.
// Copies the database at `source` into a new one at `target`, every table, record and catalogue row: a
// .cdb path, whose file is replaced only once the copy is whole, or an empty server database, written in
// one transaction. Why it failed, or empty when it is copied.
QString CopyDatabase(const QString& source, const QString& target);
bool OpenDatabase(CAppContext& context, DatabaseWindowSink& window, const QString& path);
bool CloseDatabase(CAppContext& context);
// True when the file was deleted; the caller reports a failure.
bool DeleteDatabase(const QString& path);

// The catalogue check: fills the tables list, creates missing catalogue tables, drops the field
// properties of vanished tables and gives every new field its default properties. False when the
// engine's catalogue cannot be read; a repair that fails is named in a message and the rest still runs.
bool fDBInit(CAppContext& context, DatabaseWindowSink& window);
// Fills the tables list again without mending anything, for tables another program added or removed;
// false when the engine's catalogue cannot be read.
bool relistTables(CAppContext& context, DatabaseWindowSink& window);
