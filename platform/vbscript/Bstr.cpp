#include "platform/vbscript/Bstr.h"

#include "platform/com/com.h"

namespace vbscript {

// The runtime's own allocator, so whoever receives one of these may free it with SysFreeString.
BSTR allocBstr(const QString& text) { return com::allocString(text); }

void freeBstr(BSTR text) { SysFreeString(text); }

QString fromBstr(const OLECHAR* text) { return com::fromOleString(text); }

} // namespace vbscript
