#include "tables/HistoryDisplay.h"

#include <QDateTime>
#include <QTimeZone>

QString historyTime(const QString& utc)
{
    QDateTime time = QDateTime::fromString(utc, QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    if (!time.isValid())
        return utc;
    time.setTimeZone(QTimeZone::utc());
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString historyValue(const Variant& value)
{
    if (value.isNull() || value.vt() == VT_EMPTY)
        return QStringLiteral("(Null)");
    if (value.vt() == VT_BOOL)
        return value.toBool() ? QStringLiteral("Yes") : QStringLiteral("No");
    return value.toString();
}
