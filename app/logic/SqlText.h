#pragma once
#include <QString>

// A name or value between single quotes as the engine reads it: a quote inside is doubled, so no
// name taken from a list can end the quoted text early and change the statement.
inline QString sqlQuoted(const QString& text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}
