#include "platform/cedb/server/CopyText.h"

#include "platform/cedb/server/ServerValues.h"

#include <charconv>
#include <cmath>

namespace cedb {

namespace {

// The text as UTF-8 straight into the row, its runs without a character to escape copied whole.
void appendEscaped(QByteArray& data, const QString& text)
{
    const qsizetype start = data.size();
    data.append(text.toUtf8());
    const char* bytes = data.constData();
    qsizetype special = start;
    const auto isSpecial = [](char c) { return c == '\\' || c == '\t' || c == '\n' || c == '\r'; };
    while (special < data.size() && !isSpecial(bytes[special]))
        ++special;
    if (special == data.size())
        return;
    const QByteArray rest = data.mid(special);
    data.truncate(special);
    for (const char c : rest) {
        switch (c) {
        case '\\': data.append("\\\\"); break;
        case '\t': data.append("\\t"); break;
        case '\n': data.append("\\n"); break;
        case '\r': data.append("\\r"); break;
        default: data.append(c);
        }
    }
}

void appendInteger(QByteArray& data, qint64 number)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    data.append(digits, end - digits);
}

// `value` in `width` digits, leading zeros first.
char* putDigits(char* at, qint64 value, int width)
{
    for (int i = width - 1; i >= 0; --i, value /= 10)
        at[i] = char('0' + value % 10);
    return at + width;
}

void appendReal(QByteArray& data, double real)
{
    if (std::isnan(real)) {
        data.append("NaN");
    } else if (std::isinf(real)) {
        data.append(real < 0 ? "-Infinity" : "Infinity");
    } else {
        // The shortest text that reads back as the same double.
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, real).ptr;
        data.append(digits, end - digits);
    }
}

// ISO 8601, which the server reads the same whatever its DateStyle. The day is taken apart by the
// proleptic Gregorian calendar's arithmetic, which an import does for every value.
void appendTimestamp(QByteArray& data, double day)
{
    constexpr qint64 microsPerDay = 86400LL * 1000000;
    const qint64 micros = serverTimestamp(day);
    qint64 days = micros / microsPerDay, rest = micros % microsPerDay;
    if (rest < 0) {
        --days;
        rest += microsPerDay;
    }
    // Days since 1 March of year 0, in eras of 400 years.
    const qint64 z = days + 10957 + 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const qint64 dayOfEra = z - era * 146097;
    const qint64 yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const qint64 shiftedMonth = (5 * dayOfYear + 2) / 153;
    const qint64 monthDay = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const qint64 month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    const qint64 year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    char text[32];
    char* at = putDigits(text, year, 4);
    *at++ = '-';
    at = putDigits(at, month, 2);
    *at++ = '-';
    at = putDigits(at, monthDay, 2);
    *at++ = ' ';
    at = putDigits(at, rest / 3600000000LL, 2);
    *at++ = ':';
    at = putDigits(at, rest / 60000000LL % 60, 2);
    *at++ = ':';
    at = putDigits(at, rest / 1000000 % 60, 2);
    *at++ = '.';
    at = putDigits(at, rest % 1000000, 6);
    data.append(text, at - text);
}

void appendValue(QByteArray& data, const StoredValue& value)
{
    if (const auto* number = std::get_if<qint64>(&value)) {
        appendInteger(data, *number);
    } else if (const auto* real = std::get_if<double>(&value)) {
        appendReal(data, *real);
    } else if (const auto* text = std::get_if<QString>(&value)) {
        appendEscaped(data, *text);
    } else if (const auto* bytes = std::get_if<QByteArray>(&value)) {
        // bytea's hex form, whose own backslash COPY must be told is data.
        data.append("\\\\x").append(bytes->toHex());
    } else if (const auto* date = std::get_if<StoredDate>(&value)) {
        appendTimestamp(data, date->day);
    } else if (const auto* flag = std::get_if<StoredFlag>(&value)) {
        data.append(flag->on ? 't' : 'f');
    } else {
        data.append("\\N");
    }
}

} // namespace

void appendCopyRow(QByteArray& data, const std::vector<StoredValue>& values)
{
    for (size_t i = 0; i < values.size(); ++i) {
        if (i)
            data.append('\t');
        appendValue(data, values[i]);
    }
    data.append('\n');
}

} // namespace cedb
