#pragma once
// The engine keeps process-wide state without locks (the open files, their statement pools, SQLite
// handles opened without a mutex), so it serves one thread: the first one that uses it. A call from any
// other thread is refused before it touches anything, and so is a call made while one of its own
// statements reports to its watch (StatementWatch.h).
#include "platform/automation/hresult.h"

namespace cedb {

// S_OK on the engine's thread outside a statement's watch; else E_UNEXPECTED, recorded as that thread's last error.
HRESULT checkEngineThread();

} // namespace cedb
