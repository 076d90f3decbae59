#pragma once
// Records the failure an engine call is about to return, for lastError().
#include "platform/cedb/Engine.h"

namespace cedb {

// Remembers `code` and `description` as the thread's last error and returns `code`.
HRESULT fail(HRESULT code, const QString& description);

} // namespace cedb
