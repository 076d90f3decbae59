#include "CliParameters.h"

bool takeParameters(QStringList& args, QHash<QString, QString>& values)
{
    for (qsizetype i = 0; i < args.size();) {
        if (args[i] != QLatin1String("--param")) {
            ++i;
            continue;
        }
        if (i + 1 >= args.size())
            return false;
        const QString pair = args[i + 1];
        args.remove(i, 2);
        const qsizetype close = pair.indexOf(QStringLiteral("]="));
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        if (pair.startsWith(QLatin1Char('[')) && close > 0)
            values.insert(pair.left(close + 1), pair.mid(close + 2));
        else if (equals > 0 && !pair.startsWith(QLatin1Char('[')))
            values.insert(QLatin1Char('[') + pair.left(equals) + QLatin1Char(']'), pair.mid(equals + 1));
        else
            return false;
    }
    return true;
}
