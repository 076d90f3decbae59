#include "logic/FilterCondition.h"

#include <QSet>

namespace {

// Words that would end the WHERE clause or start another statement.
bool endsCondition(const QString& word)
{
    static const QSet<QString> words = {
        QStringLiteral("SELECT"), QStringLiteral("FROM"),   QStringLiteral("WHERE"),  QStringLiteral("ORDER"),
        QStringLiteral("GROUP"),  QStringLiteral("HAVING"), QStringLiteral("UNION"),  QStringLiteral("INTO"),
        QStringLiteral("INSERT"), QStringLiteral("UPDATE"), QStringLiteral("DELETE"), QStringLiteral("DROP"),
        QStringLiteral("CREATE"), QStringLiteral("ALTER"),  QStringLiteral("JOIN"),   QStringLiteral("LIMIT")};
    return words.contains(word.toUpper());
}

} // namespace

QString FilterConditionRefusal(const QString& condition)
{
    if (condition.trimmed().isEmpty())
        return QStringLiteral("the filter condition is empty");
    int depth = 0;
    QString word;
    auto wordEnds = [&word] {
        const bool refused = endsCondition(word);
        word.clear();
        return refused;
    };
    for (qsizetype i = 0; i < condition.size(); ++i) {
        const QChar c = condition[i];
        if (c.isLetterOrNumber() || c == QLatin1Char('_')) {
            word += c;
            continue;
        }
        if (wordEnds())
            return QStringLiteral("the filter condition may not contain another clause or statement");
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // A quote inside is written twice.
            qsizetype close = i + 1;
            for (;; ++close) {
                if (close >= condition.size())
                    return QStringLiteral("the filter condition has a quote that is not closed");
                if (condition[close] == c) {
                    if (close + 1 < condition.size() && condition[close + 1] == c) {
                        ++close;
                        continue;
                    }
                    break;
                }
            }
            i = close;
        } else if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')')) {
            if (--depth < 0)
                return QStringLiteral("the filter condition closes a parenthesis it did not open");
        } else if (c == QLatin1Char(';') || c == QLatin1Char('[') || c == QLatin1Char('`')) {
            return QStringLiteral("the filter condition may not contain %1").arg(c);
        } else if (c == QLatin1Char('-') && i + 1 < condition.size() && condition[i + 1] == QLatin1Char('-')) {
            return QStringLiteral("the filter condition may not contain a comment");
        }
    }
    if (wordEnds())
        return QStringLiteral("the filter condition may not contain another clause or statement");
    if (depth != 0)
        return QStringLiteral("the filter condition leaves a parenthesis open");
    return QString();
}
