#pragma once
// Creating, opening, closing and deleting the database file, and the catalogue check that runs after
// every create and open. The database window is reached through its sink, so all of this runs without one.
#include "data/CAppContext.h"
#include "data/DatabaseWindowSink.h"

#include <QString>

// `path` is the full file name with extension. True when the engine created the file.
bool CreateDatabase(CAppContext& context, DatabaseWindowSink& window, const QString& path);
// True when the file exists (whatever the catalogue check finds); otherwise says "Database doesn't exist.".
bool OpenDatabase(CAppContext& context, DatabaseWindowSink& window, const QString& path);
bool CloseDatabase(CAppContext& context);
// True when the file was deleted; the caller reports a failure.
bool DeleteDatabase(const QString& path);

// The catalogue check: fills the tables list, creates missing catalogue tables, drops the field
// properties of vanished tables and gives every new field its default properties.
void fDBInit(CAppContext& context, DatabaseWindowSink& window);
