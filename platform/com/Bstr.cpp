#include "platform/com/com.h"

#include <cstdlib>
#include <cstring>

namespace {
// The byte length sits in the four bytes before the characters, which end with a zero the length
// does not count, so a BSTR is also a plain zero-terminated string.
constexpr std::size_t kPrefix = sizeof(std::uint32_t);

std::uint32_t& byteLength(BSTR text)
{
    return *reinterpret_cast<std::uint32_t*>(reinterpret_cast<char*>(text) - kPrefix);
}
} // namespace

BSTR SysAllocStringLen(const OLECHAR* text, UINT length)
{
    const std::size_t bytes = std::size_t{length} * sizeof(OLECHAR);
    if (bytes > 0x7FFFFFF0u)
        return nullptr;
    char* block = static_cast<char*>(std::malloc(kPrefix + bytes + sizeof(OLECHAR)));
    if (!block)
        return nullptr;
    BSTR result = reinterpret_cast<BSTR>(block + kPrefix);
    byteLength(result) = static_cast<std::uint32_t>(bytes);
    if (text)
        std::memcpy(result, text, bytes);
    else
        std::memset(result, 0, bytes);
    result[length] = u'\0';
    return result;
}

BSTR SysAllocString(const OLECHAR* text)
{
    if (!text)
        return nullptr;
    UINT length = 0;
    while (text[length])
        ++length;
    return SysAllocStringLen(text, length);
}

void SysFreeString(BSTR text)
{
    if (text)
        std::free(reinterpret_cast<char*>(text) - kPrefix);
}

UINT SysStringLen(BSTR text)
{
    return text ? byteLength(text) / sizeof(OLECHAR) : 0;
}

namespace com {

BSTR allocString(const QString& text)
{
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.utf16()), static_cast<UINT>(text.size()));
}

QString toQString(BSTR text)
{
    return text ? QString::fromUtf16(text, SysStringLen(text)) : QString();
}

QString fromOleString(LPCOLESTR text)
{
    return text ? QString::fromUtf16(text) : QString();
}

} // namespace com
