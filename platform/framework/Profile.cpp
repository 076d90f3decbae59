#include "platform/framework/Profile.h"

#include "platform/registry/Registry.h"

#include <vector>

using registry::wide;

namespace framework {

namespace {

// An open registry key that closes itself.
class OpenKey {
public:
    OpenKey(const QString& section, bool create)
    {
        const QString path = profileKey() + QLatin1Char('\\') + section;
        const LONG result = create ? RegCreateKeyEx(HKEY_CURRENT_USER, wide(path), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                                    KEY_ALL_ACCESS, nullptr, &m_key, nullptr)
                                   : RegOpenKeyEx(HKEY_CURRENT_USER, wide(path), 0, KEY_READ, &m_key);
        if (result != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~OpenKey()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

} // namespace

namespace {
QString& key()
{
    static QString text;
    return text;
}
} // namespace

void setProfileKey(const QString& text) { key() = text; }

const QString& profileKey() { return key(); }

int GetProfileInt(const QString& section, const QString& key, int defaultValue)
{
    const OpenKey open(section, false);
    if (!open.get())
        return defaultValue;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueEx(open.get(), wide(key), nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
        return defaultValue;
    return static_cast<int>(value);
}

QString GetProfileString(const QString& section, const QString& key, const QString& defaultValue)
{
    const OpenKey open(section, false);
    if (!open.get())
        return defaultValue;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueEx(open.get(), wide(key), nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
        return defaultValue;
    std::vector<WCHAR> buffer(size / sizeof(WCHAR) + 1, 0);
    size = static_cast<DWORD>(buffer.size() * sizeof(WCHAR));
    if (RegQueryValueEx(open.get(), wide(key), nullptr, &type, reinterpret_cast<LPBYTE>(buffer.data()), &size) !=
        ERROR_SUCCESS)
        return defaultValue;
    return QString::fromUtf16(buffer.data());
}

void WriteProfileInt(const QString& section, const QString& key, int value)
{
    const OpenKey open(section, true);
    if (!open.get())
        return;
    const DWORD data = static_cast<DWORD>(value);
    RegSetValueEx(open.get(), wide(key), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
}

void WriteProfileString(const QString& section, const QString& key, const QString& value)
{
    const OpenKey open(section, true);
    if (!open.get())
        return;
    RegSetValueEx(open.get(), wide(key), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.utf16()),
                  static_cast<DWORD>((value.size() + 1) * sizeof(WCHAR)));
}

} // namespace framework
