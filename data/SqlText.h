#pragma once
#include <QString>

// A value or name placed in the engine's SQL between single quotes: quotes inside are doubled, so a
// name like O'Brien neither ends the literal early nor adds to the statement.
inline QString sqlQuoted(const QString& text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}
