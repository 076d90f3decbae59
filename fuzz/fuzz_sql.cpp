// The engine's dialect: any text given as a statement is tokenized, parsed and run over a scratch database,
// inside a transaction that is rolled back so that every input meets the same tables.
#include "FuzzSupport.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/DatabaseLifecycle.h"
#include "data/HeadlessDatabaseWindow.h"

#include <cstdlib>

namespace {

CAppContext& scratch()
{
    // Kept to the end of the process: the engine's own statics may go first at exit.
    static CAppContext& context = *new CAppContext;
    static HeadlessDatabaseWindow window;
    static const bool ready = [] {
        fuzz::prepareProcess();
        if (!CreateDatabase(context, window, QStringLiteral("\\Scratch.cdb")))
            return false;
        CDbRecordset setup(context.connection, context.databasePath());
        return setup.Open(QStringLiteral("CREATE TABLE People (Name varchar(30), Age int, Paid bit, Notes text)"), 0, 1) &&
               setup.Open(QStringLiteral("INSERT INTO People VALUES ('Ann O''Neil', 41, 1, 'é')"), 0, 1) &&
               setup.Open(QStringLiteral("INSERT INTO People VALUES ('Bo', 7, 0, '')"), 0, 1) &&
               setup.Open(QStringLiteral("CREATE INDEX byAge ON People (Age DESC ) "), 0, 1);
    }();
    if (!ready)
        std::abort();
    return context;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 4096)
        return 0;
    CAppContext& context = scratch();
    const QString path = context.databasePath();
    if (FAILED(context.connection.engine()->BeginTrans(path)))
        std::abort();
    {
        CDbRecordset records(context.connection, path);
        if (records.Open(fuzz::text(data, size), 0, 1))
            for (int row = 0; row < 100 && !records.IsEOF(); ++row, records.MoveNext())
                for (int field = 0; field < records.GetFieldCount(); ++field)
                    records.GetFieldString(field);
    }
    context.connection.engine()->RollbackTrans(path);
    return 0;
}
