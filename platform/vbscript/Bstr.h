#pragma once
// Length-prefixed UTF-16 strings in the platform's layout, for the texts the engine hands to its callers
// (EXCEPINFO, source lines). The caller frees them with freeBstr (the platform's SysFreeString).
#include "platform/automation/interfaces.h"

#include <QString>

namespace vbscript {

BSTR allocBstr(const QString& text);
void freeBstr(BSTR text);
QString fromBstr(const OLECHAR* text);   // null gives an empty text

} // namespace vbscript
