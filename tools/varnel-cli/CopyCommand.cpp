#include "CliCommands.h"
#include "CliPaths.h"
#include "EngineFailure.h"

#include "platform/cedb/DatabaseCopy.h"

// varnel-cli copy SOURCE TARGET: a .cdb file to a server database or back, or file to file.
int runCopy(const QStringList& args)
{
    if (args.size() != 2)
        return usageError(kCopyUsage);
    const auto source = databasePathArgument(args[0]);
    const auto target = databasePathArgument(args[1]);
    if (!source || !target)
        return 1;
    if (FAILED(cedb::copyDatabase(*source, *target)))
        return reportEngineFailure(QStringLiteral("copy"));
    return 0;
}
