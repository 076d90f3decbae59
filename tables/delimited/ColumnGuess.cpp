#include "tables/delimited/ColumnGuess.h"

#include "platform/automation/variant.h"

#include <QRegularExpression>

#include <optional>


using namespace fieldtypes;

namespace {

constexpr int kShortestText = 50;
constexpr int kLongestText = 4000; // the engine's longest varchar

bool isDecimal(const QString& value)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    return decimal.match(value).hasMatch();
}

// A number that the field would give back as it was written: 2.0, +3, 1e3 or .5 would come back as 2, 3,
// 1000 and 0.5, so a column holding them (versions, codes) is not one of numbers.
bool isInteger(const QString& value)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok && QString::number(number) == value;
}

bool isDouble(const QString& value)
{
    return isDecimal(value) && automation::formatDouble(value.toDouble()) == value;
}

// Digits after the point of a plain decimal (1234.99, -3, 2.50) that a Double holds to its last digit;
// nullopt for any other form, or for one with more digits than a Double keeps.
std::optional<int> plainPlaces(const QString& value)
{
    static const QRegularExpression plain(QStringLiteral("^-?[0-9]+(\\.([0-9]+))?$"));
    const QRegularExpressionMatch match = plain.match(value);
    if (!match.hasMatch())
        return std::nullopt;
    const int places = int(match.capturedLength(2));
    if (QString::number(value.toDouble(), 'f', places) != value)
        return std::nullopt;
    return places;
}

// 0805, -012: a code whose zeros would be lost as a number.
bool hasLeadingZero(const QString& value)
{
    const qsizetype first = value.startsWith(u'-') || value.startsWith(u'+') ? 1 : 0;
    return value.size() > first + 1 && value.at(first) == u'0' && value.at(first + 1).isDigit();
}

bool isBooleanWord(const QString& value)
{
    for (const char* word : {"true", "false", "yes", "no"})
        if (value.compare(QLatin1String(word), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool isDate(const QString& value)
{
    double serial = 0;
    return !isDecimal(value) && automation::parseDate(value, serial);
}

} // namespace

bool readsAsNumberOrDate(const QString& value)
{
    const QString text = value.trimmed();
    double number = 0;
    return isDecimal(text) || automation::parseDate(text, number);
}

void ColumnGuess::see(const QString& value, bool quoted)
{
    m_longest = std::max(m_longest, value.size());
    const QString text = value.trimmed();
    if (text.isEmpty() && !quoted)
        return;
    m_seen = true;
    if (quoted || hasLeadingZero(text)) {
        m_integer = m_double = m_date = m_boolean = false;
        return;
    }
    m_integer = m_integer && isInteger(text);
    m_double = m_double && isDouble(text);
    const std::optional<int> places = plainPlaces(text);
    m_fixed = m_fixed && places;
    if (places && *places > 0)
        m_places = m_places == kNoPlaces || m_places == *places ? *places : kMixedPlaces;
    m_boolean = m_boolean && isBooleanWord(text);
    m_date = m_date && isDate(text);
}

FieldDefinition ColumnGuess::field(const QString& name, bool typed) const
{
    if (typed && m_seen) {
        if (m_integer)
            return importField(name, kInteger);
        if (m_double || (m_fixed && m_places >= kAmountPlaces))
            return importField(name, kDouble);
        if (m_boolean)
            return importField(name, kBoolean);
        if (m_date)
            return importField(name, kDateTime);
    }
    if (m_longest > kLongestText)
        return importField(name, kMemo);
    return importField(name, kText, std::max<int>(kShortestText, int(m_longest)));
}

FieldDefinition importField(const QString& name, const QString& type, int textSize)
{
    FieldDefinition field{name, type, propertyTemplate(type)};
    for (PropertyRow& row : field.properties)
        if (row.name == QStringLiteral("Field Size") && type == kText)
            row.value = QString::number(textSize);
    return field;
}
