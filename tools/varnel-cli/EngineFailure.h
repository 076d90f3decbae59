#pragma once
#include "platform/cedb/Engine.h"

#include <QTextStream>

#include <cstdio>

// Prints "error: " with what the engine said about its last failure, and gives the exit status 1.
inline int reportEngineFailure(const QString& context)
{
    const cedb::ErrorInfo error = cedb::lastError();
    QString name = cedb::failureName(error.code);
    if (name.isEmpty())
        name = QStringLiteral("0x%1").arg(quint32(error.code), 8, 16, QLatin1Char('0'));
    QTextStream(stderr) << "error: " << context << ": " << error.description << " (" << name << ")\n";
    return 1;
}
