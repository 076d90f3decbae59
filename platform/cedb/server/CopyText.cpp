#include "platform/cedb/server/CopyText.h"

#include "platform/cedb/server/ServerValues.h"

#include <QDate>

#include <charconv>
#include <cmath>

namespace cedb {

namespace {

void appendEscaped(QByteArray& data, const QByteArray& text)
{
    for (const char c : text) {
        switch (c) {
        case '\\': data.append("\\\\"); break;
        case '\t': data.append("\\t"); break;
        case '\n': data.append("\\n"); break;
        case '\r': data.append("\\r"); break;
        default: data.append(c);
        }
    }
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

// ISO 8601, which the server reads the same whatever its DateStyle.
void appendTimestamp(QByteArray& data, double day)
{
    constexpr qint64 microsPerDay = 86400LL * 1000000;
    const qint64 micros = serverTimestamp(day);
    qint64 days = micros / microsPerDay, rest = micros % microsPerDay;
    if (rest < 0) {
        --days;
        rest += microsPerDay;
    }
    const QDate date = QDate(2000, 1, 1).addDays(days);
    char text[48];
    const int length = std::snprintf(text, sizeof text, "%04d-%02d-%02d %02lld:%02lld:%02lld.%06lld", date.year(),
                                     date.month(), date.day(), rest / 3600000000LL, rest / 60000000LL % 60,
                                     rest / 1000000 % 60, rest % 1000000);
    data.append(text, length);
}

void appendValue(QByteArray& data, const StoredValue& value)
{
    if (const auto* number = std::get_if<qint64>(&value)) {
        data.append(QByteArray::number(*number));
    } else if (const auto* real = std::get_if<double>(&value)) {
        appendReal(data, *real);
    } else if (const auto* text = std::get_if<QString>(&value)) {
        appendEscaped(data, text->toUtf8());
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
