#include "logic/ExprFunctions.h"

namespace exprfn {

std::int32_t SUM(std::int32_t a, std::int32_t b)
{
    return std::int32_t(std::uint32_t(a) + std::uint32_t(b));
}

double AVG(double a, double b) { return (a + b) * 0.5; }

double MAX(double a, double b) { return a > b ? a : b; }

double MIN(double a, double b) { return a < b ? a : b; }

QString INITCAP(const QString& text)
{
    QString result = text;
    if (!result.isEmpty())
        result[0] = result[0].toUpper();
    return result;
}

QString TOCHAR(std::int32_t value) { return QString::number(value); }

std::int32_t TONUMBER(const QString& text)
{
    qsizetype at = 0;
    while (at < text.size() && text[at].isSpace())
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+'))
        negative = text[at++] == u'-';
    std::uint32_t value = 0;
    while (at < text.size() && text[at] >= u'0' && text[at] <= u'9')
        value = value * 10u + std::uint32_t(text[at++].unicode() - u'0');
    return std::int32_t(negative ? 0u - value : value);
}

QString TOTIMESTR(std::int32_t seconds)
{
    const std::uint32_t n = std::uint32_t(seconds);
    return QStringLiteral("%1: %2: %3").arg((n / 3600) % 24).arg((n / 60) % 60).arg(n % 60);
}

} // namespace exprfn
