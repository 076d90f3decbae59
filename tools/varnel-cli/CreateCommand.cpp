#include "CliCommands.h"
#include "CliPaths.h"

#include "data/DatabaseLifecycle.h"
#include "data/HeadlessDatabaseWindow.h"

int runCreate(const QStringList& args)
{
    if (args.size() != 1)
        return usageError(kCreateUsage);
    const auto path = databasePathArgument(args.first());
    if (!path)
        return 1;
    CAppContext context;
    HeadlessDatabaseWindow window;
    if (!CreateDatabase(context, window, *path)) {
        QTextStream(stderr) << "error: the database " << args.first() << " could not be created\n";
        return 1;
    }
    fDBInit(context, window);
    return 0;
}
