#pragma once
// The language's intrinsic constants (vbCrLf, vbTrue, vbSunday, vbString ...).
#include "platform/automation/variant.h"

#include <QString>

namespace vbscript {

// Case-insensitive; false when there is no constant of that name.
bool findConstant(const QString& name, Variant& value);

} // namespace vbscript
