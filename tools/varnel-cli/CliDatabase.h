#pragma once
// The database a command names on its command line, opened as the program opens it.
#include "CliPaths.h"

#include "data/DataHistory.h"
#include "data/DatabaseLifecycle.h"
#include "data/HeadlessDatabaseWindow.h"

// False, after saying why, when the path leaves the device or the database cannot be opened.
inline bool openDatabaseArgument(CAppContext& context, const QString& argument)
{
    const auto path = databasePathArgument(argument);
    if (!path)
        return false;
    HeadlessDatabaseWindow window;
    return OpenDatabase(context, window, *path);
}

// As openDatabaseArgument, for a command over the data's history: false too, after saying so, when the
// database keeps none.
inline bool openKeepingHistory(CAppContext& context, const QString& argument)
{
    if (!openDatabaseArgument(context, argument))
        return false;
    if (DataHistory(context).kept())
        return true;
    QTextStream(stderr) << "error: " << DataHistory::notKeptMessage() << '\n';
    return false;
}
