// FormatNumber, FormatCurrency, FormatPercent and FormatDateTime for the en-US locale.
#include "platform/vbscript/BuiltinsSupport.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/OperatorsCoercion.h"

#include <QDate>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace vbscript::builtins {

namespace {

constexpr std::int32_t useDefault = -2;

// Rounds half away from zero on the value's 15 significant decimal digits, so that 2.675 shows as 2.68
// although its binary value lies just below.
QString fixedDigits(double magnitude, int decimals)
{
    const QString scientific = QString::number(magnitude, 'e', 14);        // d.dddddddddddddde+XX
    const qsizetype exponentAt = scientific.indexOf(u'e');
    QString digits = scientific.left(exponentAt).remove(u'.');
    int pointAt = scientific.mid(exponentAt + 1).toInt() + 1;            // digits before the decimal point
    if (pointAt < 0) {
        digits.prepend(QString(-pointAt, u'0'));
        pointAt = 0;
    }
    const qsizetype keep = pointAt + decimals;
    if (digits.size() <= keep)
        digits.append(QString(keep - digits.size() + 1, u'0'));
    const bool roundUp = digits[keep] >= u'5';
    digits.truncate(keep);
    if (roundUp) {
        qsizetype i = keep - 1;
        while (i >= 0 && digits[i] == u'9')
            digits[i--] = u'0';
        if (i >= 0)
            digits[i] = QChar(digits[i].unicode() + 1);
        else {
            digits.prepend(u'1');
            ++pointAt;
        }
    }
    QString whole = digits.left(pointAt);
    while (whole.size() > 1 && whole.startsWith(u'0'))
        whole.remove(0, 1);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    return decimals > 0 ? whole + u'.' + digits.mid(pointAt) : whole;
}

QString grouped(const QString& whole)
{
    QString result = whole;
    for (qsizetype at = result.size() - 3; at > 0; at -= 3)
        result.insert(at, u',');
    return result;
}

bool tristate(const std::vector<Variant>& args, std::size_t index, bool fallback)
{
    const std::int32_t value = optionalLong(args, index, useDefault);
    return value == useDefault ? fallback : value != 0;
}

struct NumberStyle {
    QString prefix;
    QString suffix;
    bool parenthesesByDefault = false;
};

// The shared argument list: (value, decimals, leading digit, parentheses for negatives, digit grouping).
Variant formatted(std::vector<Variant>& args, double value, const NumberStyle& style)
{
    std::int32_t decimals = optionalLong(args, 1, -1);
    if (decimals == -1)
        decimals = 2;
    if (decimals < 0 || decimals > 99)
        raiseError(error::InvalidCall);
    const bool leadingDigit = tristate(args, 2, true);
    const bool parentheses = tristate(args, 3, style.parenthesesByDefault);
    const bool grouping = tristate(args, 4, true);

    const QString digits = fixedDigits(std::fabs(value), decimals);
    const qsizetype pointAt = digits.indexOf(u'.');
    QString whole = pointAt < 0 ? digits : digits.left(pointAt);
    const QString fraction = pointAt < 0 ? QString() : digits.mid(pointAt);
    if (grouping)
        whole = grouped(whole);
    if (whole == u"0" && !leadingDigit && !fraction.isEmpty())
        whole.clear();
    const QString body = style.prefix + whole + fraction + style.suffix;
    const bool showsNonZero = std::any_of(digits.begin(), digits.end(), [](QChar c) { return c > u'0' && c <= u'9'; });
    const bool negative = value < 0 && showsNonZero;
    if (!negative)
        return Variant(body);
    return Variant(parentheses ? u'(' + body + u')' : u'-' + body);
}

Variant formatNumber(std::vector<Variant>& args)
{
    return formatted(args, doubleOf(args[0]), {});
}

Variant formatCurrency(std::vector<Variant>& args)
{
    return formatted(args, doubleOf(args[0]), {QStringLiteral("$"), QString(), true});
}

Variant formatPercent(std::vector<Variant>& args)
{
    return formatted(args, doubleOf(args[0]) * 100.0, {QString(), QStringLiteral("%"), false});
}

Variant formatDateTime(std::vector<Variant>& args)
{
    const double serial = dateOf(args[0]);
    const std::int32_t format = optionalLong(args, 1, 0);
    const automation::DateParts parts = automation::toDateParts(serial);
    const QDate date(parts.year, parts.month, parts.day);
    const QTime time(parts.hour, parts.minute, parts.second);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    switch (format) {
    case 0: return Variant(automation::formatDate(serial));
    case 1: return Variant(english.toString(date, QStringLiteral("dddd, MMMM d, yyyy")));
    case 2: return Variant(english.toString(date, QStringLiteral("M/d/yyyy")));
    case 3: return Variant(english.toString(time, QStringLiteral("h:mm:ss AP")));
    case 4: return Variant(english.toString(time, QStringLiteral("HH:mm")));
    default: raiseError(error::InvalidCall);
    }
}

constexpr Builtin table[] = {
    {"FormatNumber", 1, 5, formatNumber},
    {"FormatCurrency", 1, 5, formatCurrency},
    {"FormatPercent", 1, 5, formatPercent},
    {"FormatDateTime", 1, 2, formatDateTime},
};

} // namespace

std::span<const Builtin> formattingBuiltins()
{
    return table;
}

} // namespace vbscript::builtins
