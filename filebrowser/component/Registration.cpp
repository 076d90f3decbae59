#include "filebrowser/component/Registration.h"

#include "filebrowser/IFileBrowser.h"
#include "filebrowser/component/TypeLibrary.h"
#include "platform/registry/Registry.h"

#include <initializer_list>

namespace kestrine {
namespace {

const QString kDescription = QStringLiteral("FileBrowser Class");
// The automation marshaller that stands behind every dual interface.
const QString kDispatchProxy = QStringLiteral("{00020424-0000-0000-C000-000000000046}");

struct Entry {
    QString key;
    QString valueName; // empty: the key's default value
    QString text;
};

QString classKey()
{
    return QStringLiteral("CLSID\\") + com::guidToString(CLSID_FileBrowser);
}

QString typeLibraryKey()
{
    return QStringLiteral("TypeLib\\") + com::guidToString(LIBID_KESTRINELib);
}

QString typeLibraryVersionKey()
{
    return typeLibraryKey() + QStringLiteral("\\%1.%2").arg(kLibraryMajor).arg(kLibraryMinor);
}

QString interfaceKey()
{
    return QStringLiteral("Interface\\") + com::guidToString(IID_IFileBrowser);
}

bool write(const Entry& entry)
{
    HKEY key = nullptr;
    if (RegCreateKeyEx(HKEY_CLASSES_ROOT, registry::wide(entry.key), 0, nullptr, REG_OPTION_NON_VOLATILE,
                       KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    bool written = true;
    if (!entry.text.isNull()) {
        const auto bytes = static_cast<DWORD>((entry.text.size() + 1) * sizeof(WCHAR));
        written = RegSetValueEx(key, entry.valueName.isEmpty() ? nullptr : registry::wide(entry.valueName), 0,
                                REG_SZ, reinterpret_cast<const BYTE*>(registry::wide(entry.text)),
                                bytes) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return written;
}

bool remove(const QString& key)
{
    const LONG result = RegDeleteKey(HKEY_CLASSES_ROOT, registry::wide(key));
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool hasSubKeys(const QString& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, registry::wide(path), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    WCHAR name[256];
    DWORD length = 256;
    const bool any = RegEnumKeyEx(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return any;
}

bool writeAll(std::initializer_list<Entry> entries)
{
    for (const Entry& entry : entries)
        if (!write(entry))
            return false;
    return true;
}

bool registerClass(const QString& libraryPath)
{
    const QString clsid = com::guidToString(CLSID_FileBrowser);
    const QString progId = com::fromOleString(kFileBrowserProgId);
    const QString independentProgId = com::fromOleString(kFileBrowserVersionIndependentProgId);
    const QString key = classKey();
    return writeAll({
        {progId, {}, kDescription},
        {progId + QStringLiteral("\\CLSID"), {}, clsid},
        {independentProgId, {}, kDescription},
        {independentProgId + QStringLiteral("\\CLSID"), {}, clsid},
        {independentProgId + QStringLiteral("\\CurVer"), {}, progId},
        {key, {}, kDescription},
        {key + QStringLiteral("\\ProgID"), {}, progId},
        {key + QStringLiteral("\\VersionIndependentProgID"), {}, independentProgId},
        {key + QStringLiteral("\\Programmable"), {}, QString()},
        {key + QStringLiteral("\\InprocServer32"), {}, libraryPath},
        {key + QStringLiteral("\\InprocServer32"), QStringLiteral("ThreadingModel"), QStringLiteral("Apartment")},
        {key + QStringLiteral("\\TypeLib"), {}, com::guidToString(LIBID_KESTRINELib)},
    });
}

// The type library lives in the server library itself, so its path is the library's path. Locale
// keys are hexadecimal, as the platform writes them (1033 is "409").
bool registerTypeLibrary(const QString& libraryPath)
{
    const QString version = typeLibraryVersionKey();
    const QString folder =
        libraryPath.left(qMax(libraryPath.lastIndexOf(QLatin1Char('\\')), libraryPath.lastIndexOf(QLatin1Char('/'))));
    const QString locale = QString::number(kLibraryLocale, 16);
    const QString libid = com::guidToString(LIBID_KESTRINELib);
    return writeAll({
        {version, {}, kLibraryName},
        {version + QStringLiteral("\\") + locale + QStringLiteral("\\win32"), {}, libraryPath},
        {version + QStringLiteral("\\FLAGS"), {}, QStringLiteral("0")},
        {version + QStringLiteral("\\HELPDIR"), {}, folder},
        {interfaceKey(), {}, kInterfaceName},
        {interfaceKey() + QStringLiteral("\\ProxyStubClsid32"), {}, kDispatchProxy},
        {interfaceKey() + QStringLiteral("\\TypeLib"), {}, libid},
        {interfaceKey() + QStringLiteral("\\TypeLib"), QStringLiteral("Version"),
         QStringLiteral("%1.%2").arg(kLibraryMajor).arg(kLibraryMinor)},
    });
}

bool unregisterTypeLibrary()
{
    if (!remove(typeLibraryVersionKey()) || !remove(interfaceKey()))
        return false;
    // Other versions of the library keep its key.
    return hasSubKeys(typeLibraryKey()) || remove(typeLibraryKey());
}

} // namespace

HRESULT registerServer(const QString& libraryPath)
{
    if (libraryPath.isEmpty())
        return E_UNEXPECTED;
    return registerClass(libraryPath) && registerTypeLibrary(libraryPath) ? S_OK : SELFREG_E_CLASS;
}

HRESULT unregisterServer()
{
    const bool removed = remove(com::fromOleString(kFileBrowserProgId)) &&
                         remove(com::fromOleString(kFileBrowserVersionIndependentProgId)) && remove(classKey()) &&
                         unregisterTypeLibrary();
    return removed ? S_OK : SELFREG_E_CLASS;
}

} // namespace kestrine
