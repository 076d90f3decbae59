#include "platform/com/com.h"

#include "platform/device/DevicePath.h"
#include "platform/registry/Registry.h"

#include <QFileInfo>

#include <dlfcn.h>

#include <map>
#include <mutex>
#include <optional>
#include <vector>

namespace {

thread_local int t_initCount = 0;

struct LoadedLibrary {
    void* handle = nullptr;
    DllCanUnloadNowFunction canUnloadNow = nullptr;
};

// Loaded server libraries by their real host path, shared by every thread of the process.
std::mutex g_librariesLock;
std::map<QString, LoadedLibrary>& libraries()
{
    static std::map<QString, LoadedLibrary> loaded;
    return loaded;
}

// The default text of HKEY_CLASSES_ROOT\<path>; nullopt when the key or the text is missing.
std::optional<QString> classesRootText(const QString& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, registry::wide(path), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0;
    DWORD bytes = 0;
    std::optional<QString> text;
    if (RegQueryValueEx(key, nullptr, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS && type == REG_SZ) {
        std::vector<WCHAR> buffer(bytes / sizeof(WCHAR) + 1, u'\0');
        if (RegQueryValueEx(key, nullptr, nullptr, &type, reinterpret_cast<LPBYTE>(buffer.data()), &bytes) ==
            ERROR_SUCCESS)
            text = QString::fromUtf16(buffer.data());
    }
    RegCloseKey(key);
    return text;
}

// The library's class-object entry, loading the library on first use.
HRESULT classObjectEntry(const QString& serverPath, DllGetClassObjectFunction& entry)
{
    const std::optional<QString> hostPath = device::toHostPath(serverPath);
    if (!hostPath)
        return CO_E_DLLNOTFOUND;
    const QString realPath = QFileInfo(*hostPath).canonicalFilePath();
    if (realPath.isEmpty())
        return CO_E_DLLNOTFOUND;

    std::lock_guard guard(g_librariesLock);
    auto found = libraries().find(realPath);
    if (found == libraries().end()) {
        void* handle = dlopen(realPath.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return CO_E_DLLNOTFOUND;
        LoadedLibrary library{handle, reinterpret_cast<DllCanUnloadNowFunction>(dlsym(handle, "DllCanUnloadNow"))};
        found = libraries().emplace(realPath, library).first;
    }
    entry = reinterpret_cast<DllGetClassObjectFunction>(dlsym(found->second.handle, "DllGetClassObject"));
    return entry ? S_OK : CO_E_ERRORINDLL;
}

} // namespace

HRESULT CoInitializeEx(void*, DWORD)
{
    return t_initCount++ == 0 ? S_OK : S_FALSE;
}

void CoUninitialize()
{
    if (t_initCount == 0)
        return;
    if (--t_initCount == 0)
        CoFreeUnusedLibraries();
}

HRESULT CLSIDFromProgID(LPCOLESTR progId, LPCLSID clsid)
{
    if (!progId || !clsid)
        return E_INVALIDARG;
    const QString name = com::fromOleString(progId);
    if (name.isEmpty() || name.contains(QLatin1Char('\\')))
        return CO_E_CLASSSTRING;
    const std::optional<QString> text = classesRootText(name + QStringLiteral("\\CLSID"));
    GUID parsed{};
    if (!text || !com::guidFromString(*text, parsed))
        return CO_E_CLASSSTRING;
    *clsid = parsed;
    return NOERROR;
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD clsContext, REFIID iid, void** object)
{
    if (!object)
        return E_INVALIDARG;
    *object = nullptr;
    if (t_initCount == 0)
        return CO_E_NOTINITIALIZED;
    if (!(clsContext & CLSCTX_INPROC_SERVER))
        return REGDB_E_CLASSNOTREG;
    const std::optional<QString> serverPath =
        classesRootText(QStringLiteral("CLSID\\%1\\InprocServer32").arg(com::guidToString(clsid)));
    if (!serverPath || serverPath->isEmpty())
        return REGDB_E_CLASSNOTREG;

    DllGetClassObjectFunction entry = nullptr;
    if (const HRESULT loaded = classObjectEntry(*serverPath, entry); FAILED(loaded))
        return loaded;
    IClassFactory* factory = nullptr;
    HRESULT result = entry(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    if (FAILED(result))
        return result;
    if (!factory)
        return CO_E_ERRORINDLL;
    result = factory->CreateInstance(outer, iid, object);
    factory->Release();
    if (FAILED(result))
        *object = nullptr;
    return result;
}

void CoFreeUnusedLibraries()
{
    std::lock_guard guard(g_librariesLock);
    for (auto it = libraries().begin(); it != libraries().end();) {
        const LoadedLibrary& library = it->second;
        if (library.canUnloadNow && library.canUnloadNow() == S_OK) {
            dlclose(library.handle);
            it = libraries().erase(it);
        } else {
            ++it;
        }
    }
}
