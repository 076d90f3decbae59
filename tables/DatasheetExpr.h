#pragma once
// The validation rule of a field completed with the entered value, and what its result means.
#include "logic/EvaluateExpression.h"

#include <QString>

#include <optional>

// The rule of a field of type `odbcType` completed with the entered value (an empty value counts as "0"):
// text as a script text, a date as a date literal, a Boolean as True or False, a number bare. Empty when
// the value cannot be read as the field's type, so that the rule fails on it.
std::optional<QString> validationExpression(int odbcType, const QString& rule, const QString& value);

// What a validation rule's result means for the entered value.
enum class RuleVerdict { Passed, Failed, Invalid };
RuleVerdict ruleVerdict(const ExprResult& result);

// The verdict of a field's validation rule on the entered value, evaluated over the record `recordOffset`;
// a value the field's type cannot hold fails the rule.
RuleVerdict checkValidationRule(const ExprCaller& caller, int odbcType, const QString& rule, const QString& value,
                                int recordOffset);
