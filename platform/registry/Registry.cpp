#include "Registry.h"

#include "RegistryFile.h"

#include <QStringView>

#include <cstring>
#include <optional>

using registry::FileStatus;
using registry::Key;
using registry::Root;
using registry::Tree;
using registry::Value;
using registry::ValueType;

// An open key is a small heap object naming the key by its path, so a handle stays valid in every copy
// of this code and never goes stale while the file changes underneath.
struct HKEY__ {
    static constexpr std::uint32_t kAlive = 0x52454B59;
    std::uint32_t tag = kAlive;
    Root root;
    QStringList path;
};

namespace {
struct KeyRef {
    Root root;
    QStringList path;
};

std::optional<KeyRef> resolve(HKEY key)
{
    if (key == HKEY_CLASSES_ROOT)
        return KeyRef{Root::ClassesRoot, {}};
    if (key == HKEY_CURRENT_USER)
        return KeyRef{Root::CurrentUser, {}};
    if (key == HKEY_LOCAL_MACHINE)
        return KeyRef{Root::LocalMachine, {}};
    if (!key || key->tag != HKEY__::kAlive)
        return std::nullopt;
    return KeyRef{key->root, key->path};
}

QString text(LPCWSTR value)
{
    return value ? QString::fromUtf16(value) : QString();
}

QStringList names(LPCWSTR subKey)
{
    return text(subKey).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

LONG statusCode(FileStatus status, LONG result)
{
    return status == FileStatus::Ok ? result : ERROR_REGISTRY_IO_FAILED;
}

HKEY newHandle(const KeyRef& parent, const QStringList& below)
{
    return new HKEY__{HKEY__::kAlive, parent.root, parent.path + below};
}

DWORD byteSize(const Value& value)
{
    return value.type == ValueType::String ? static_cast<DWORD>((value.text.size() + 1) * sizeof(WCHAR))
                                           : static_cast<DWORD>(sizeof(DWORD));
}

// Copies a value out the platform's way: sizes always reported, ERROR_MORE_DATA when the buffer is short.
LONG copyValue(const Value& value, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData)
{
    if (lpType)
        *lpType = static_cast<DWORD>(value.type);
    if (lpData && !lpcbData)
        return ERROR_INVALID_PARAMETER;
    if (!lpcbData)
        return ERROR_SUCCESS;
    const DWORD needed = byteSize(value);
    const DWORD room = *lpcbData;
    *lpcbData = needed;
    if (!lpData)
        return ERROR_SUCCESS;
    if (room < needed)
        return ERROR_MORE_DATA;
    if (value.type == ValueType::String)
        std::memcpy(lpData, value.text.utf16(), needed); // includes the closing zero
    else
        std::memcpy(lpData, &value.number, sizeof(DWORD));
    return ERROR_SUCCESS;
}

// Copies a name into a character buffer; lpcName is the room including the zero on entry, the length after.
LONG copyName(const QString& name, LPWSTR lpName, LPDWORD lpcName)
{
    if (!lpName || !lpcName)
        return ERROR_INVALID_PARAMETER;
    const auto length = static_cast<DWORD>(name.size());
    if (*lpcName <= length)
        return ERROR_MORE_DATA;
    std::memcpy(lpName, name.utf16(), (length + 1) * sizeof(WCHAR));
    *lpcName = length;
    return ERROR_SUCCESS;
}

std::optional<Value> valueFromBytes(DWORD dwType, const BYTE* lpData, DWORD cbData)
{
    if (dwType == REG_DWORD) {
        if (!lpData || cbData != sizeof(DWORD))
            return std::nullopt;
        DWORD number = 0;
        std::memcpy(&number, lpData, sizeof(DWORD));
        return Value{ValueType::Integer, QString(), number};
    }
    if (dwType == REG_SZ) {
        if (!lpData && cbData > 0)
            return std::nullopt;
        QString chars(static_cast<qsizetype>(cbData / sizeof(WCHAR)), Qt::Uninitialized);
        if (cbData >= sizeof(WCHAR))
            std::memcpy(chars.data(), lpData, chars.size() * sizeof(WCHAR));
        const qsizetype end = chars.indexOf(QChar(0));
        return Value{ValueType::String, end < 0 ? chars : chars.left(end), 0};
    }
    return std::nullopt;
}
} // namespace

LONG RegCreateKeyEx(HKEY hKey, LPCWSTR lpSubKey, DWORD, LPWSTR, DWORD, REGSAM, void*, PHKEY phkResult,
                    LPDWORD lpdwDisposition)
{
    const auto parent = resolve(hKey);
    if (!parent)
        return ERROR_INVALID_HANDLE;
    if (!phkResult)
        return ERROR_INVALID_PARAMETER;
    const QStringList below = names(lpSubKey);
    LONG result = ERROR_SUCCESS;
    bool created = false;
    const FileStatus status = registry::changeRegistry([&](Tree& tree) {
        Key* start = tree.find(parent->root, parent->path);
        if (!start) {
            result = ERROR_KEY_DELETED;
            return false;
        }
        Key* key = start;
        for (const QString& name : below) {
            bool step = false;
            key = &key->ensureChild(name, &step);
            created = created || step;
        }
        return created;
    });
    result = statusCode(status, result);
    if (result != ERROR_SUCCESS)
        return result;
    *phkResult = newHandle(*parent, below);
    if (lpdwDisposition)
        *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    return ERROR_SUCCESS;
}

LONG RegOpenKeyEx(HKEY hKey, LPCWSTR lpSubKey, DWORD, REGSAM, PHKEY phkResult)
{
    const auto parent = resolve(hKey);
    if (!parent)
        return ERROR_INVALID_HANDLE;
    if (!phkResult)
        return ERROR_INVALID_PARAMETER;
    const QStringList below = names(lpSubKey);
    bool exists = false;
    const FileStatus status = registry::readRegistry(
        [&](const Tree& tree) { exists = tree.find(parent->root, parent->path + below) != nullptr; });
    const LONG result = statusCode(status, exists ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND);
    if (result == ERROR_SUCCESS)
        *phkResult = newHandle(*parent, below);
    return result;
}

LONG RegCloseKey(HKEY hKey)
{
    if (hKey == HKEY_CLASSES_ROOT || hKey == HKEY_CURRENT_USER || hKey == HKEY_LOCAL_MACHINE)
        return ERROR_SUCCESS;
    if (!resolve(hKey))
        return ERROR_INVALID_HANDLE;
    hKey->tag = 0;
    delete hKey;
    return ERROR_SUCCESS;
}

LONG RegDeleteKey(HKEY hKey, LPCWSTR lpSubKey)
{
    const auto parent = resolve(hKey);
    if (!parent)
        return ERROR_INVALID_HANDLE;
    QStringList below = names(lpSubKey);
    if (below.isEmpty())
        return ERROR_INVALID_PARAMETER;
    const QString last = below.takeLast();
    LONG result = ERROR_FILE_NOT_FOUND;
    const FileStatus status = registry::changeRegistry([&](Tree& tree) {
        Key* holder = tree.find(parent->root, parent->path + below);
        if (holder && holder->removeChild(last))
            result = ERROR_SUCCESS;
        return result == ERROR_SUCCESS;
    });
    return statusCode(status, result);
}

LONG RegSetValueEx(HKEY hKey, LPCWSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData, DWORD cbData)
{
    const auto where = resolve(hKey);
    if (!where)
        return ERROR_INVALID_HANDLE;
    const auto value = valueFromBytes(dwType, lpData, cbData);
    if (!value)
        return ERROR_INVALID_PARAMETER;
    const QString name = text(lpValueName);
    LONG result = ERROR_KEY_DELETED;
    const FileStatus status = registry::changeRegistry([&](Tree& tree) {
        Key* key = tree.find(where->root, where->path);
        if (!key)
            return false;
        key->setValue(name, *value);
        result = ERROR_SUCCESS;
        return true;
    });
    return statusCode(status, result);
}

LONG RegQueryValueEx(HKEY hKey, LPCWSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData)
{
    const auto where = resolve(hKey);
    if (!where)
        return ERROR_INVALID_HANDLE;
    const QString name = text(lpValueName);
    LONG result = ERROR_FILE_NOT_FOUND;
    const FileStatus status = registry::readRegistry([&](const Tree& tree) {
        const Key* key = tree.find(where->root, where->path);
        if (!key)
            result = ERROR_KEY_DELETED;
        else if (const Value* value = key->value(name))
            result = copyValue(*value, lpType, lpData, lpcbData);
    });
    return statusCode(status, result);
}

LONG RegDeleteValue(HKEY hKey, LPCWSTR lpValueName)
{
    const auto where = resolve(hKey);
    if (!where)
        return ERROR_INVALID_HANDLE;
    const QString name = text(lpValueName);
    LONG result = ERROR_FILE_NOT_FOUND;
    const FileStatus status = registry::changeRegistry([&](Tree& tree) {
        Key* key = tree.find(where->root, where->path);
        if (!key)
            result = ERROR_KEY_DELETED;
        else if (key->removeValue(name))
            result = ERROR_SUCCESS;
        return result == ERROR_SUCCESS;
    });
    return statusCode(status, result);
}

LONG RegEnumKeyEx(HKEY hKey, DWORD dwIndex, LPWSTR lpName, LPDWORD lpcName, LPDWORD, LPWSTR, LPDWORD, void*)
{
    const auto where = resolve(hKey);
    if (!where)
        return ERROR_INVALID_HANDLE;
    LONG result = ERROR_NO_MORE_ITEMS;
    const FileStatus status = registry::readRegistry([&](const Tree& tree) {
        const Key* key = tree.find(where->root, where->path);
        if (!key) {
            result = ERROR_KEY_DELETED;
            return;
        }
        const auto children = key->children();
        if (dwIndex < children.size())
            result = copyName(children[dwIndex]->name(), lpName, lpcName);
    });
    return statusCode(status, result);
}

LONG RegEnumValue(HKEY hKey, DWORD dwIndex, LPWSTR lpValueName, LPDWORD lpcValueName, LPDWORD, LPDWORD lpType,
                  LPBYTE lpData, LPDWORD lpcbData)
{
    const auto where = resolve(hKey);
    if (!where)
        return ERROR_INVALID_HANDLE;
    LONG result = ERROR_NO_MORE_ITEMS;
    const FileStatus status = registry::readRegistry([&](const Tree& tree) {
        const Key* key = tree.find(where->root, where->path);
        if (!key) {
            result = ERROR_KEY_DELETED;
            return;
        }
        if (dwIndex >= key->values().size())
            return;
        const auto& [name, value] = key->values()[dwIndex];
        result = copyName(name, lpValueName, lpcValueName);
        if (result == ERROR_SUCCESS)
            result = copyValue(value, lpType, lpData, lpcbData);
    });
    return statusCode(status, result);
}
