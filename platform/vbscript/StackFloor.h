#pragma once
// How far the calling thread's stack may still grow. A script's procedures may call each other without
// end; the run checks the room left before each call and ends with "Out of stack space" while there is
// still enough stack to report it.
#include <cstddef>

namespace vbscript {

// The address below which the calling thread has fewer than `reserve` bytes of stack left (half its
// stack when it has less than twice that); null when the thread's stack cannot be told.
const char* stackFloor(std::size_t reserve);

// Whether the caller's frame lies below `floor`.
inline bool belowStackFloor(const char* floor)
{
    return floor && static_cast<const char*>(__builtin_frame_address(0)) < floor;
}

} // namespace vbscript
