#pragma once
// A field's Default Value and Validation Rule as the table designer takes them: checked against the
// field's type before they are kept, so that no record later fails on them.
#include "tables/FieldTypes.h"

#include <QString>

#include <optional>

class CAppContext;

namespace propertycheck {

// True for the rows that hold an expression: Default Value and Validation Rule, under either spelling.
bool isDefaultValue(const QString& propertyName);
bool isValidationRule(const QString& propertyName);

// The text kept for the property: a Date/Time field's Default Value that reads as a date becomes a date
// literal, so that the expression gives a date rather than a division; anything else as typed.
QString keptValue(const QString& fieldType, const QString& propertyName, const QString& value);

// The message that refuses `value` for the property of `field`; none when the field can use it.
std::optional<QString> refusal(CAppContext& context, const FieldDefinition& field, const QString& propertyName,
                               const QString& value);

} // namespace propertycheck
