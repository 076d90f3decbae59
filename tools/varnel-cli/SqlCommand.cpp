#include "CliCommand.h"
#include "CliResult.h"
#include "EngineFailure.h"

#include "data/CDbConnection.h"
#include "platform/cedb/ServerAddress.h"
#include "data/CDbRecordset.h"

#include <QFileInfo>
#include <QTextStream>

// varnel-cli sql [--edit] DATABASE STATEMENT...: each statement through the data-access layer, in order.
int runSql(const QStringList& arguments)
{
    QStringList args = arguments;
    // "--edit" may stand before the database or before the statements; no statement is only that word.
    const bool edit = args.removeAll(QStringLiteral("--edit")) > 0;
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: varnel-cli sql [--edit] DATABASE STATEMENT...\n";
        return 2;
    }
    const QString named = args.takeFirst();
    const QString database = cedb::isServerAddress(named) ? named : QFileInfo(named).absoluteFilePath();
    CDbConnection connection;
    QTextStream out(stdout);
    for (const QString& statement : args) {
        CDbRecordset recordset(connection, database);
        if (!recordset.Open(statement, edit ? 2 : 0, edit ? 3 : 1))
            return reportEngineFailure(statement);
        if (recordset.GetFieldCount() > 0)
            printRecords(recordset, out);
        out.flush();
    }
    return 0;
}
