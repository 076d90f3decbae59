#pragma once
// The datasheet's expressions: calculations and default values of a record, and the validation rule
// of a field completed with the entered value.
#include "logic/EvaluateExpression.h"

#include <QString>

#include <optional>

// Runs `expr` over the record `recordOffset` like EvaluateExpression, but always hands the value to
// Result (a field named like "Modified" holds "if" without assigning Result itself). `forRule` restores
// the logical words and turns single quotes into double quotes, as a validation rule needs. A text
// too long to rewrite counts as a script error, without a message: the datasheet evaluates per cell.
ExprResult evaluateDatasheetExpr(const ExprCaller& caller, const QString& expr, int recordOffset, bool forRule);

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
