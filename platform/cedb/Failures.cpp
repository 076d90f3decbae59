#include "platform/cedb/Failures.h"

#include "platform/cedb/ServerAddress.h"

namespace cedb {

namespace {
thread_local ErrorInfo lastFailure;
}

QString failureName(HRESULT code)
{
    switch (code) {
    case DB_E_BADVALUES: return QStringLiteral("DB_E_BADVALUES");
    case DB_E_ERRORSINCOMMAND: return QStringLiteral("DB_E_ERRORSINCOMMAND");
    case DB_E_DUPLICATEDATASOURCE: return QStringLiteral("DB_E_DUPLICATEDATASOURCE");
    case DB_E_NOTFOUND: return QStringLiteral("DB_E_NOTFOUND");
    case DB_E_NEWLYINSERTED: return QStringLiteral("DB_E_NEWLYINSERTED");
    case DB_E_CONCURRENCYVIOLATION: return QStringLiteral("DB_E_CONCURRENCYVIOLATION");
    case E_OUTOFMEMORY: return QStringLiteral("E_OUTOFMEMORY");
    default: return QString();
    }
}

ErrorInfo lastError()
{
    return lastFailure;
}

HRESULT fail(HRESULT code, const QString& description)
{
    lastFailure = ErrorInfo{code, description};
    return code;
}

} // namespace cedb
