#pragma once
// What becomes of a stored value when its field gets another data type: the value converted by the
// automation rules the engine applies to every write, or Empty when it does not fit the new type.
#include "platform/automation/variant.h"

#include <QString>

// `textSize` is the new Field Size when the new type is "Text".
Variant carriedValue(const Variant& value, const QString& newType, int textSize);
