#include "data/EngineError.h"

#include "platform/cedb/Engine.h"

EngineError lastEngineError()
{
    const cedb::ErrorInfo error = cedb::lastError();
    QString name = cedb::failureName(error.code);
    if (name.isEmpty())
        name = QStringLiteral("0x%1").arg(quint32(error.code), 8, 16, QLatin1Char('0'));
    return {error.code, error.description, name};
}
