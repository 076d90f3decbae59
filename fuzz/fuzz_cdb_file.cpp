// A whole .cdb file from elsewhere: opened with its catalogue check, its tables listed, each table opened
// and read. Each input is a new file, so the engine never meets a file it has seen before.
#include "FuzzSupport.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/DatabaseLifecycle.h"
#include "data/HeadlessDatabaseWindow.h"
#include "data/SqlText.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::prepareProcess();
    static int count = 0;
    const QString name = QStringLiteral("File%1.cdb").arg(count++);
    {
        QFile file(fuzz::hostPath(name));
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    {
        CAppContext context;
        HeadlessDatabaseWindow window;
        if (OpenDatabase(context, window, QLatin1Char('\\') + name)) {
            for (const HeadlessDatabaseWindow::TableRow& table : window.rows()) {
                CDbRecordset records(context.connection, context.databasePath());
                if (records.Open(sqlQuoted(table.name), 0, 1))
                    for (int row = 0; row < 1000 && !records.IsEOF(); ++row, records.MoveNext())
                        for (int field = 0; field < records.GetFieldCount(); ++field)
                            records.GetFieldString(field);
            }
            CloseDatabase(context);
        }
    }
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(fuzz::hostPath(name) + QLatin1String(suffix));
    return 0;
}
