#include "CliCommand.h"
#include "EngineFailure.h"

#include "data/CDbConnection.h"
#include "data/CDbRecordset.h"
#include "data/SqlText.h"

#include <QFileInfo>
#include <QTextStream>

// varnel-cli create-empty PATH: an empty database file at PATH, made as the program makes one.
int runCreateEmpty(const QStringList& args)
{
    if (args.size() != 1) {
        QTextStream(stderr) << "usage: varnel-cli create-empty PATH\n";
        return 2;
    }
    const QFileInfo file(args.first());
    const QString stem = file.suffix().isEmpty()
                             ? file.absoluteFilePath()
                             : file.absolutePath() + QLatin1Char('/') + file.completeBaseName();
    CDbConnection connection;
    CDbRecordset creator(connection);
    const QString statement = QStringLiteral("Create Database ") + sqlQuoted(stem);
    if (!creator.Open(statement, 0, 1))
        return reportEngineFailure(statement);
    return 0;
}
