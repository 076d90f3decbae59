#include "platform/vbscript/Bstr.h"

#include <cstdlib>

namespace vbscript {

BSTR allocBstr(const QString& text)
{
    const std::uint32_t bytes = std::uint32_t(text.size()) * sizeof(OLECHAR);
    auto* block = static_cast<char*>(std::malloc(sizeof(std::uint32_t) + bytes + sizeof(OLECHAR)));
    if (!block)
        return nullptr;
    std::memcpy(block, &bytes, sizeof bytes);
    auto* characters = reinterpret_cast<OLECHAR*>(block + sizeof(std::uint32_t));
    std::memcpy(characters, text.utf16(), bytes);
    characters[text.size()] = 0;
    return characters;
}

void freeBstr(BSTR text)
{
    if (text)
        std::free(reinterpret_cast<char*>(text) - sizeof(std::uint32_t));
}

QString fromBstr(const OLECHAR* text)
{
    return text ? QString::fromUtf16(text) : QString();
}

} // namespace vbscript
