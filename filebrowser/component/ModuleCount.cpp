#include "filebrowser/component/ModuleCount.h"

#include <atomic>

namespace kestrine {
namespace {
std::atomic<long> g_references{0};
}

void lockModule()
{
    ++g_references;
}

void unlockModule()
{
    --g_references;
}

bool moduleInUse()
{
    return g_references.load() != 0;
}

} // namespace kestrine
