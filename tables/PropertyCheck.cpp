#include "tables/PropertyCheck.h"

#include "logic/ExprScript.h"
#include "tables/DatasheetExpr.h"

using namespace fieldtypes;

namespace propertycheck {

namespace {

QString propertyValue(const FieldDefinition& field, const QString& name)
{
    for (const PropertyRow& row : field.properties)
        if (row.name == name)
            return row.value;
    return {};
}

// A value of the type the rule is tried on: any value will do, the rule only has to give an answer.
QString sampleValue(const QString& type)
{
    if (type == kDateTime)
        return QStringLiteral("1/1/2000");
    if (type == kBoolean)
        return QStringLiteral("NO");
    return QStringLiteral("1");
}

} // namespace

bool isDefaultValue(const QString& propertyName)
{
    return propertyName == QLatin1String("Default Value") || propertyName == QLatin1String("DefValue");
}

bool isValidationRule(const QString& propertyName)
{
    return propertyName == QLatin1String("Validation Rule") || propertyName == QLatin1String("ValdnRule");
}

QString keptValue(const QString& fieldType, const QString& propertyName, const QString& value)
{
    if (fieldType == kDateTime && isDefaultValue(propertyName) && readsAsDate(value))
        return scriptDateLiteral(value);
    return value;
}

std::optional<QString> refusal(CAppContext& context, const FieldDefinition& field, const QString& propertyName,
                               const QString& value)
{
    if (value.trimmed().isEmpty() || field.type == kAutoNumber)
        return std::nullopt;
    const std::optional<FieldType> type = find(field.type);
    if (!type)
        return std::nullopt;
    if (isDefaultValue(propertyName)) {
        const ExprResult result = EvaluateExpression({context}, value, 0, ExprKind::FieldValue);
        if (result.scriptError)
            return QStringLiteral("The Default Value cannot be computed");
        if (!canHold(field.type, propertyValue(field, QStringLiteral("Field Size")), result.text))
            return QStringLiteral("The Default Value gives \"%1\", which a field of type %2 cannot hold").arg(result.text, field.type);
    } else if (isValidationRule(propertyName)) {
        const std::optional<QString> expression = validationExpression(type->odbcType, value, sampleValue(field.type));
        if (!expression || ruleVerdict(EvaluateExpression({context}, *expression, 0, ExprKind::FieldRule)) == RuleVerdict::Invalid)
            return QStringLiteral("The Validation Rule cannot be tested on a value of a field of type %1").arg(field.type);
    }
    return std::nullopt;
}

} // namespace propertycheck
