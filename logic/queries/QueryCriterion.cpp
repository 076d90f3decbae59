#include "logic/queries/QueryCriterion.h"

#include "data/SqlText.h"

#include <QRegularExpression>

#include <optional>

namespace {

// Longest first, so that "<>" is not read as "<".
const char* const kSymbolOperators[] = {"<>", "<=", ">=", "!=", "=<", "=>", "=", "<", ">"};
// The text between a pair of quotes of the same kind, the doubled quotes inside made single; nullopt
// when the text is not one quoted value.
std::optional<QString> unquoted(const QString& value)
{
    if (value.size() < 2)
        return std::nullopt;
    const QChar quote = value.front();
    if ((quote != QLatin1Char('\'') && quote != QLatin1Char('"')) || value.back() != quote)
        return std::nullopt;
    QString inner = value.mid(1, value.size() - 2);
    inner.replace(QString(2, quote), QString(quote));
    return inner;
}

bool isParameter(const QString& value)
{
    return value.size() >= 2 && value.front() == QLatin1Char('[') && value.back() == QLatin1Char(']') &&
           value.indexOf(QLatin1Char(']')) == value.size() - 1;
}

QString valueSql(const QString& typed)
{
    const QString value = typed.trimmed();
    if (const std::optional<QString> text = unquoted(value))
        return sqlQuoted(*text);
    if (isParameter(value))
        return value;
    if (value.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0 ||
        value.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0)
        return value.toUpper();
    return QueryValueSql(value);
}

} // namespace

QString QueryCriterionSql(const QString& cell)
{
    const QString text = cell.trimmed();
    static const QRegularExpression isNull(QStringLiteral("^IS\\s+(NOT\\s+)?NULL$"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = isNull.match(text); match.hasMatch())
        return match.captured(1).isEmpty() ? QStringLiteral("IS NULL") : QStringLiteral("IS NOT NULL");
    static const QRegularExpression like(QStringLiteral("^(NOT\\s+)?LIKE(\\s|$)"),
                                         QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = like.match(text); match.hasMatch())
        return (match.captured(1).isEmpty() ? QStringLiteral("LIKE ") : QStringLiteral("NOT LIKE ")) +
               valueSql(text.mid(match.capturedLength()));
    for (const char* symbol : kSymbolOperators) {
        const QString op = QLatin1String(symbol);
        if (text.startsWith(op))
            return op + valueSql(text.mid(op.size()));
    }
    return QLatin1Char('=') + valueSql(text);
}

bool ReadsAsNumber(const QString& value)
{
    static const QRegularExpression number(
        QStringLiteral("^[-+]?(0|[1-9][0-9]*)?(\\.[0-9]*)?([eE][-+]?[0-9]+)?$"));
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    // The mantissa needs a digit: "." and "-" alone are text.
    const qsizetype exponent = value.indexOf(QRegularExpression(QStringLiteral("[eE]")));
    return number.match(value).hasMatch() && value.left(exponent < 0 ? value.size() : exponent).contains(digit);
}

QString QueryValueSql(const QString& value) { return ReadsAsNumber(value) ? value : sqlQuoted(value); }
