// The registry file: any bytes are parsed, and a tree that parses is written and must read back equal.
#include "FuzzSupport.h"

#include "platform/registry/RegistryTree.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto tree = registry::Tree::parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!tree)
        return 0;
    const QByteArray written = tree->serialize();
    const auto again = registry::Tree::parse(written);
    if (!again || again->serialize() != written)
        std::abort();
    return 0;
}
