#include "platform/cedb/HistoryText.h"

#include "platform/cedb/Engine.h"

#include <cstdlib>
#include <string>

namespace cedb {

namespace {

// The end of the literal starting at `from`: past its closing quote, or at the line's end.
qsizetype literalEnd(const QByteArray& text, qsizetype from)
{
    qsizetype i = from;
    if (i < text.size() && (text[i] == 'X' || text[i] == 'x') && i + 1 < text.size() && text[i + 1] == '\'')
        ++i;
    if (i < text.size() && text[i] == '\'') {
        for (++i; i < text.size(); ++i) {
            if (text[i] != '\'')
                continue;
            if (i + 1 < text.size() && text[i + 1] == '\'') {
                ++i;
                continue;
            }
            return i + 1;
        }
        return -1;
    }
    const qsizetype line = text.indexOf('\n', from);
    return line < 0 ? -1 : line;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

bool parseRowText(const QByteArray& text, std::vector<HistoryValue>& values)
{
    values.clear();
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype space = text.indexOf(' ', i);
        if (space < 0)
            return false;
        const qsizetype end = literalEnd(text, space + 1);
        if (end < 0 || end >= text.size() || text[end] != '\n')
            return false;
        values.push_back({text.mid(i, space - i), text.mid(space + 1, end - space - 1)});
        i = end + 1;
    }
    return true;
}

StoredValue literalValue(const QByteArray& literal)
{
    if (literal.isEmpty() || literal == "NULL")
        return std::monostate{};
    if (literal.startsWith('\'')) {
        QByteArray text = literal.mid(1, literal.size() - 2);
        text.replace("''", "'");
        return QString::fromUtf8(text);
    }
    if (literal.startsWith("X'") || literal.startsWith("x'")) {
        QByteArray bytes;
        for (qsizetype i = 2; i + 1 < literal.size() - 1; i += 2)
            bytes.append(char(hexDigit(literal[i]) * 16 + hexDigit(literal[i + 1])));
        return bytes;
    }
    const std::string number = literal.toStdString();
    if (number.find_first_of(".eEnN") != std::string::npos)
        return std::strtod(number.c_str(), nullptr);
    return qint64(std::strtoll(number.c_str(), nullptr, 10));
}

Variant displayValue(const StoredValue& value, const ColumnType& type)
{
    if (std::holds_alternative<std::monostate>(value))
        return Variant::null();
    if (const auto* text = std::get_if<QString>(&value))
        return Variant(*text);
    if (std::holds_alternative<QByteArray>(value))
        return Variant(QStringLiteral("(binary)"));
    const double real = std::holds_alternative<double>(value) ? std::get<double>(value) : double(std::get<qint64>(value));
    switch (type.code) {
    case adBoolean: return Variant(real != 0);
    case adSmallInt: return Variant(static_cast<std::int16_t>(real));
    case adInteger: return Variant(static_cast<std::int32_t>(real));
    case adDate: return Variant::fromDate(real);
    default: return Variant(real);
    }
}

} // namespace cedb
