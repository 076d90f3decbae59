#pragma once
// What a field demands of a value before it is written, for the datasheet and the form alike: one order
// of checks (the list, the type, uniqueness, an empty value) and then the field's validation rule, which
// the caller runs after the write and before it commits, so that a value the rule refuses never stays.
// Each view says the failures in its own words.
#include "logic/EvaluateExpression.h"
#include "tables/CellEditor.h"
#include "tables/FieldInfo.h"

#include <QString>

class CAppContext;

struct FieldDemands {
    QString name;
    // The type and length the value must fit (`odbcType` and `maxLen`).
    FieldInfo info;
    bool unique = false, required = false;
    // An empty text is refused, not only an empty value of a required field.
    bool refusesEmptyText = false;
    // The values a list limited to them allows; a list that is not limited allows any.
    LookupChoices list;
    // The rule the written value must pass, and what is said when it does not (the view's words when empty).
    QString validationRule, validationText;
};

// The words a view says the failures in ("%1" stands for the field's name) and where its checks differ.
struct FieldCheckWords {
    QString duplicate;
    QString emptyText;
    QString required;
    // Said when the rule is broken and the field has no validation text of its own.
    QString ruleBroken;
    // Said when the rule gives no result; the value passes. Empty: nothing is said.
    QString ruleInvalid;
    // A unique value found nowhere else passes without the empty-value checks.
    bool uniqueSettles = false;
};

enum class FieldFault { None, Refused, Duplicate, EmptyText, Required, RuleBroken, RuleInvalid };

struct FieldVerdict {
    FieldFault fault = FieldFault::None;
    // What the user is told; empty when nothing is.
    QString message;

    // An invalid rule is told but lets the value pass.
    bool refuses() const { return fault != FieldFault::None && fault != FieldFault::RuleInvalid; }
};

// The checks before a write of `value` into the field of `table`; `emptyChecked` tells whether an empty
// value is held to the field's Required and zero-length flags.
FieldVerdict checkFieldValue(CAppContext& context, const QString& table, const FieldDemands& field, const QString& value,
                             bool emptyChecked, const FieldCheckWords& words);

// The field's validation rule on the written value, evaluated over the record `recordOffset`.
FieldVerdict checkFieldRule(const ExprCaller& caller, const FieldDemands& field, const QString& value, int recordOffset,
                            const FieldCheckWords& words);
