#include "CliCommands.h"
#include "CliPaths.h"

#include "data/DatabaseLifecycle.h"
#include "platform/framework/MessageBox.h"

int runDelete(const QStringList& args)
{
    if (args.size() != 1)
        return usageError(kDeleteUsage);
    const auto path = databasePathArgument(args.first());
    if (!path)
        return 1;
    if (!DeleteDatabase(*path)) {
        framework::showMessage(QStringLiteral("Database was not deleted."));
        return 1;
    }
    return 0;
}
