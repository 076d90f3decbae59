#include "platform/vbscript/StackFloor.h"

#include <pthread.h>

#include <algorithm>

namespace vbscript {

namespace {

struct ThreadStack {
    const char* lowest = nullptr;
    std::size_t size = 0;
};

// Asking costs a read of the process's memory map on the main thread, so each thread asks once.
ThreadStack askThreadStack()
{
    ThreadStack stack;
    pthread_attr_t attributes;
    if (pthread_getattr_np(pthread_self(), &attributes) != 0)
        return stack;
    void* lowest = nullptr;
    if (pthread_attr_getstack(&attributes, &lowest, &stack.size) == 0)
        stack.lowest = static_cast<const char*>(lowest);
    pthread_attr_destroy(&attributes);
    return stack;
}

} // namespace

const char* stackFloor(std::size_t reserve)
{
    thread_local const ThreadStack stack = askThreadStack();
    if (!stack.lowest)
        return nullptr;
    // A thread with a small stack keeps half of it.
    return stack.lowest + std::min(reserve, stack.size / 2);
}

} // namespace vbscript
