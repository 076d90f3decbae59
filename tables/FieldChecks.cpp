#include "tables/FieldChecks.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/SqlText.h"
#include "tables/DatasheetExpr.h"
#include "tables/FieldValueCheck.h"

namespace {

bool isHeldElsewhere(CAppContext& context, const QString& table, const QString& field, const QString& value)
{
    CDbRecordset same(context.connection, context.databasePath());
    // On the left of the comparison the engine reads the field's name as a column, quoted or not.
    return same.Open(QStringLiteral("SELECT * FROM ") + sqlQuoted(table) + QStringLiteral(" WHERE ") + sqlName(field) +
                         QStringLiteral(" = ") + sqlQuoted(value),
                     0, 1) &&
           !same.IsEOF();
}

FieldVerdict fault(FieldFault kind, const QString& words, const QString& field)
{
    return {kind, words.arg(field)};
}

} // namespace

FieldVerdict checkFieldValue(CAppContext& context, const QString& table, const FieldDemands& field, const QString& value,
                             bool emptyChecked, const FieldCheckWords& words)
{
    // A list limited to its values says so before the field's type says what else it takes.
    if (const QString refusal = field.list.refusal(field.name, value); !refusal.isEmpty())
        return {FieldFault::Refused, refusal};
    if (const QString refusal = valueRefusal(field.name, field.info, value); !refusal.isEmpty())
        return {FieldFault::Refused, refusal};
    if (field.unique) {
        if (isHeldElsewhere(context, table, field.name, value))
            return fault(FieldFault::Duplicate, words.duplicate, field.name);
        if (words.uniqueSettles)
            return {};
    }
    if (!emptyChecked || !value.isEmpty())
        return {};
    if (field.refusesEmptyText)
        return fault(FieldFault::EmptyText, words.emptyText, field.name);
    if (field.required)
        return fault(FieldFault::Required, words.required, field.name);
    return {};
}

FieldVerdict checkFieldRule(const ExprCaller& caller, const FieldDemands& field, const QString& value, int recordOffset,
                            const FieldCheckWords& words)
{
    if (field.validationRule.trimmed().isEmpty())
        return {};
    switch (checkValidationRule(caller, field.info.odbcType, field.validationRule, value, recordOffset)) {
    case RuleVerdict::Passed: return {};
    case RuleVerdict::Invalid: return {FieldFault::RuleInvalid, words.ruleInvalid};
    case RuleVerdict::Failed: break;
    }
    return {FieldFault::RuleBroken, field.validationText.isEmpty() ? words.ruleBroken : field.validationText};
}
