#include "logic/queries/QueryParameters.h"

#include "logic/queries/QueryCriterion.h"
#include "platform/framework/Prompts.h"

#include <functional>

namespace {

// Walks the statement, handing each parameter to `replace` with the quote of the text it stands in (a
// null character outside any); what `replace` returns takes the parameter's place.
QString walkParameters(const QString& statement, const std::function<QString(const QString&, QChar)>& replace)
{
    QString out;
    out.reserve(statement.size());
    QChar quote;
    for (qsizetype i = 0; i < statement.size(); ++i) {
        const QChar c = statement[i];
        if (!quote.isNull() && c == quote) {
            quote = QChar();
        } else if (quote.isNull() && (c == QLatin1Char('\'') || c == QLatin1Char('"'))) {
            quote = c;
        } else if (c == QLatin1Char('[')) {
            qsizetype close = statement.indexOf(QLatin1Char(']'), i + 1);
            // Inside a quoted text the parameter ends before the text does.
            if (close >= 0 && !quote.isNull() && statement.indexOf(quote, i + 1) < close)
                close = -1;
            if (close >= 0) {
                out += replace(statement.mid(i, close - i + 1), quote);
                i = close;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString placed(const QString& typed, QChar quote)
{
    QString value = typed.trimmed();
    if (value.isEmpty())
        value = QStringLiteral("0");
    if (quote.isNull())
        return QueryValueSql(value);
    return value.replace(quote, QString(2, quote));
}

} // namespace

QStringList QueryParameterNames(const QString& statement)
{
    QStringList names;
    walkParameters(statement, [&names](const QString& name, QChar) {
        if (!names.contains(name))
            names << name;
        return name;
    });
    return names;
}

QString SubstituteQueryParameters(const QString& statement, const QHash<QString, QString>& values)
{
    return walkParameters(statement, [&values](const QString& name, QChar quote) {
        const auto value = values.constFind(name);
        return value == values.constEnd() ? name : placed(*value, quote);
    });
}

QString QueryStatementForCheck(const QString& statement)
{
    return walkParameters(statement, [](const QString&, QChar quote) { return placed(QString(), quote); });
}

std::optional<QString> AskQueryParameters(const QString& statement)
{
    QHash<QString, QString> values;
    for (const QString& name : QueryParameterNames(statement)) {
        const std::optional<QString> value =
            framework::askText({QStringLiteral("Enter the parameter"), name, QString(), QStringLiteral("OK")});
        if (!value)
            return std::nullopt;
        values.insert(name, *value);
    }
    return SubstituteQueryParameters(statement, values);
}
