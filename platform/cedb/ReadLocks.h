#pragma once
// A cursor keeps its statement stepping between calls, and with it a read lock on the file that keeps
// every other program from writing to it. While this program waits for its user the locks go.
#include <chrono>

namespace cedb {

// Lets go of the read locks of every open file this program has not used for `idleFor` (outside a
// transaction); a cursor starts again where it was when it is next read.
void releaseIdleReadLocks(std::chrono::milliseconds idleFor);

} // namespace cedb
