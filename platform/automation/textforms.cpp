#include "platform/automation/textforms.h"
#include "platform/automation/variant.h"

#include <cmath>

namespace automation {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QString trimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

// Hexadecimal and octal texts take the smallest integer type their digits fill, so "&HFFFF" is -1
// while "&H10000" is 65536.
detail::NumberParse parseRadix(const QString& digits, int radix, double& value)
{
    if (digits.isEmpty())
        return detail::NumberParse::Invalid;
    bool ok = false;
    const qulonglong raw = digits.toULongLong(&ok, radix);
    if (!ok)
        return detail::NumberParse::Invalid;
    const int bits = radix == 16 ? int(digits.size()) * 4 : int(digits.size()) * 3;
    if (raw <= 0xFFFF && bits <= 16)
        value = static_cast<std::int16_t>(raw);
    else if (raw <= 0xFFFFFFFFull)
        value = static_cast<std::int32_t>(raw);
    else
        return detail::NumberParse::Overflow;
    return detail::NumberParse::Ok;
}

} // namespace

namespace detail {

NumberParse parseNumberText(const QString& text, double& value)
{
    const QString s = trimBlanks(text);
    if (s.size() > 2 && s[0] == u'&') {
        const QChar kind = s[1].toLower();
        if (kind == u'h')
            return parseRadix(s.mid(2), 16, value);
        if (kind == u'o')
            return parseRadix(s.mid(2), 8, value);
        return NumberParse::Invalid;
    }

    // Rebuild the text in the form QString::toDouble reads, refusing anything the conversion would refuse.
    QString clean;
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        clean += s[i++];
    int mantissaDigits = 0;
    while (i < s.size() && (s[i].isDigit() || (s[i] == u',' && mantissaDigits > 0))) {
        if (s[i] != u',') {
            clean += s[i];
            ++mantissaDigits;
        }
        ++i;
    }
    if (i < s.size() && s[i] == u'.') {
        clean += u'.';
        ++i;
        while (i < s.size() && s[i].isDigit()) {
            clean += s[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return NumberParse::Invalid;
    if (i < s.size() && (s[i].toLower() == u'e' || s[i].toLower() == u'd')) {
        clean += u'e';
        ++i;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
            clean += s[i++];
        int exponentDigits = 0;
        while (i < s.size() && s[i].isDigit()) {
            clean += s[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return NumberParse::Invalid;
    }
    if (i != s.size())
        return NumberParse::Invalid;
    bool ok = false;
    const double parsed = clean.toDouble(&ok);
    if (!std::isfinite(parsed))
        return NumberParse::Overflow;
    if (!ok) // underflow towards zero is read as zero
        value = 0.0;
    else
        value = parsed == 0.0 ? 0.0 : parsed;
    return NumberParse::Ok;
}

bool parseBoolWord(const QString& text, bool& value)
{
    const QString word = trimBlanks(text);
    if (word.compare(u"true", Qt::CaseInsensitive) == 0)
        value = true;
    else if (word.compare(u"false", Qt::CaseInsensitive) == 0)
        value = false;
    else
        return false;
    return true;
}

QString formatFloat(float value)
{
    if (value == 0.0f)
        return QStringLiteral("0");
    return QString::number(double(value), 'G', 7);
}

QString formatCurrency(std::int64_t scaledBy10000)
{
    const bool negative = scaledBy10000 < 0;
    const std::uint64_t magnitude =
        negative ? std::uint64_t(0) - std::uint64_t(scaledBy10000) : std::uint64_t(scaledBy10000);
    QString text = QString::number(magnitude / 10000);
    QString fraction = QStringLiteral("%1").arg(magnitude % 10000, 4, 10, QChar(u'0'));
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    return negative ? u'-' + text : text;
}

} // namespace detail

QString formatDouble(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    return QString::number(value, 'G', 15);
}

bool parseNumber(const QString& text, double& value)
{
    return detail::parseNumberText(text, value) == detail::NumberParse::Ok;
}

bool parseBool(const QString& text, bool& value)
{
    if (detail::parseBoolWord(text, value))
        return true;
    const QString word = trimBlanks(text);
    for (const auto& [yes, no] : {std::pair{u"yes", u"no"}, std::pair{u"on", u"off"}}) {
        if (word.compare(yes, Qt::CaseInsensitive) == 0 || word.compare(no, Qt::CaseInsensitive) == 0) {
            value = word.compare(yes, Qt::CaseInsensitive) == 0;
            return true;
        }
    }
    double number = 0;
    if (!parseNumber(text, number))
        return false;
    value = number != 0.0;
    return true;
}

} // namespace automation
