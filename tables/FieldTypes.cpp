#include "tables/FieldTypes.h"

#include "data/OdbcType.h"
#include "platform/automation/variant.h"

namespace fieldtypes {
namespace {

const QList<FieldType>& catalogue()
{
    static const QList<FieldType> types{
        {kText, QStringLiteral("varchar(<size>)"), odbc::Text, 0},
        {kMemo, QStringLiteral("Text"), odbc::Memo, 0},
        {kInteger, QStringLiteral("Integer"), odbc::Integer, 4},
        {kDouble, QStringLiteral("Float"), odbc::Double, 8},
        {kDateTime, QStringLiteral("Datetime"), odbc::DateTime, 0},
        {kAutoNumber, QStringLiteral("Integer"), odbc::Integer, 4},
        {kBoolean, QStringLiteral("Bit"), odbc::Boolean, 1},
        {kOleObject, QStringLiteral("Long Varbinary"), odbc::OleObject, 0},
    };
    return types;
}

// A property's name for a new field, its name once loaded, the catalogue column, and its default.
struct PropertySpec {
    const char* newName;
    const char* loadedName;
    const char* column;
};

const PropertySpec kFieldSize{"Field Size", "Field Size", "Len"};
const PropertySpec kFormat{"Format", "Format", "Format"};
const PropertySpec kInputMask{"Input Mask", "InputMask", "InputMask"};
const PropertySpec kDefault{"Default Value", "DefValue", "DefValue"};
const PropertySpec kRule{"Validation Rule", "ValdnRule", "ValdnRule"};
const PropertySpec kRuleText{"Validation Text", "ValdnText", "ValdnText"};
const PropertySpec kRequired{"Required", "Required", "Required"};
const PropertySpec kZeroLength{"AllowZeroLength", "AllowZeroLength", "ZeroLen"};
const PropertySpec kUnique{"Unique", "Unique", "Unique"};

struct TemplateRow {
    PropertySpec spec;
    const char* defaultValue;
};

QList<TemplateRow> templateOf(const QString& type)
{
    if (type == kText)
        return {{kFieldSize, "50"}, {kFormat, ""}, {kInputMask, ""}, {kDefault, ""}, {kRule, ""},
                {kRuleText, ""}, {kRequired, "No"}, {kZeroLength, "No"}, {kUnique, "No"}};
    if (type == kMemo)
        return {{kFormat, ""}, {kDefault, ""}, {kRule, ""}, {kRuleText, ""}, {kRequired, "No"}, {kZeroLength, "No"}};
    if (type == kInteger || type == kDouble || type == kDateTime)
        return {{kFormat, ""}, {kInputMask, ""}, {kDefault, type == kDateTime ? "" : "0"}, {kRule, ""},
                {kRuleText, ""}, {kRequired, "No"}, {kUnique, "No"}};
    if (type == kAutoNumber)
        // Its numbers are handed out once each: an AutoNumber is unique, and so a key for relations.
        return {{kFieldSize, "Long Integer"}, {kFormat, ""}, {kUnique, "Yes"}};
    if (type == kBoolean)
        return {{kFormat, ""}, {kDefault, ""}, {kRule, ""}, {kRuleText, ""}, {kRequired, "No"}, {kUnique, "No"}};
    if (type == kOleObject)
        return {{kRequired, "No"}};
    return {};
}

} // namespace

QStringList typeNames()
{
    QStringList names;
    for (const FieldType& type : catalogue())
        names << type.name;
    return names;
}

std::optional<FieldType> find(const QString& typeName)
{
    for (const FieldType& type : catalogue())
        if (type.name == typeName)
            return type;
    return std::nullopt;
}

QString sqlType(const QString& typeName, const QString& fieldSize)
{
    const auto type = find(typeName);
    if (!type)
        return {};
    QString sql = type->sqlType;
    return sql.replace(QStringLiteral("<size>"), fieldSize);
}

bool sameStoredType(const QString& typeName, const QString& otherTypeName)
{
    const std::optional<FieldType> type = find(typeName), other = find(otherTypeName);
    return type && other ? type->sqlType == other->sqlType && type->odbcType == other->odbcType
                         : typeName == otherTypeName;
}

bool isAutoNumber(const QString& autoNumberColumn)
{
    return !autoNumberColumn.isEmpty() && autoNumberColumn != QStringLiteral("0");
}

QString typeNameOf(int odbcType, const QString& autoNumber)
{
    if (isAutoNumber(autoNumber))
        return kAutoNumber;
    for (const FieldType& type : catalogue())
        if (type.odbcType == odbcType && type.name != kAutoNumber)
            return type.name;
    return QStringLiteral("N/F : ") + QString::number(odbcType);
}

QList<PropertyRow> propertyTemplate(const QString& typeName)
{
    QList<PropertyRow> rows;
    for (const TemplateRow& row : templateOf(typeName))
        rows.append({QString::fromLatin1(row.spec.newName), QString::fromLatin1(row.defaultValue)});
    return rows;
}

QStringList loadedPropertyNames(const QString& typeName)
{
    QStringList names;
    for (const TemplateRow& row : templateOf(typeName))
        names << QString::fromLatin1(row.spec.loadedName);
    return names;
}

QStringList propertyColumns(const QString& typeName)
{
    QStringList columns;
    for (const TemplateRow& row : templateOf(typeName))
        columns << QString::fromLatin1(row.spec.column);
    return columns;
}

QString flagText(bool value) { return value ? QStringLiteral("Yes") : QStringLiteral("No"); }

bool canHold(const QString& typeName, const QString& fieldSize, const QString& text)
{
    if (text.isEmpty() || typeName == kMemo || typeName == kOleObject)
        return true;
    if (typeName == kText)
        return fieldSize.toInt() <= 0 || text.size() <= fieldSize.toInt();
    if (typeName == kBoolean) {
        bool flag = false;
        return automation::parseBool(text, flag);
    }
    const VARTYPE target = typeName == kDouble ? VT_R8 : typeName == kDateTime ? VT_DATE : VT_I4;
    Variant converted;
    return SUCCEEDED(Variant(text).changeType(target, converted));
}

} // namespace fieldtypes
