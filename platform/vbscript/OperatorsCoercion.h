#pragma once
// The language's conversions of one value, shared by the operators and the built-ins. They follow the
// conversion functions (CStr, CDbl, CLng, CBool, CDate): Null raises "Invalid use of Null", text that doesn't
// read as the target raises "Type mismatch", an object stands for its default property.
#include "platform/automation/variant.h"

#include <QString>

#include <cstdint>

namespace vbscript {

// An object's default property (Nothing raises "Object variable not set"); any other value unchanged.
Variant valueOf(const Variant& value);

QString textOf(const Variant& value);
double doubleOf(const Variant& value);
std::int32_t longOf(const Variant& value);     // rounds half to even; "Overflow" outside the Long range
bool boolOf(const Variant& value);
// Whether the text is one of the Boolean words ("True", "False", "#TRUE#", "#FALSE#", any case, blanks around).
bool isBooleanWord(const QString& text, bool& value);
double dateOf(const Variant& value);

// Half-way cases go to the even neighbour, as every rounding conversion of the language does.
double roundHalfEven(double value);

// Fits a computed value into `type`, widening Byte -> Integer -> Long -> Double and Single -> Double when it
// doesn't fit; Double, Currency and Date raise "Overflow" instead.
Variant fitNumber(VARTYPE type, double value);

} // namespace vbscript
