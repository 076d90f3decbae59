#pragma once
// Whether a typed text can be stored in a field of its type at all, checked before the write so that
// the user learns which field refused it and what the field takes. The same conversions decide as when
// the engine stores the value; what only the engine can find out is still its to report.
#include "tables/FieldInfo.h"

#include <QString>

// The message for a text the field cannot hold; empty when it fits.
QString valueRefusal(const QString& fieldName, const FieldInfo& info, const QString& text);
