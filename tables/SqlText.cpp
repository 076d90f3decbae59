#include "tables/SqlText.h"

QString sqlQuoted(const QString& text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

QString sqlName(const QString& name)
{
    if (name.contains(QLatin1Char(' ')) || name.contains(QLatin1Char('\'')))
        return sqlQuoted(name);
    return name;
}
