#pragma once
// The built component library, for tests that load it as a client would. KESTRINE_LIBRARY is its host
// path, given by the test's build.
#include "platform/com/com.h"

#include <dlfcn.h>

#include <QString>

inline const QString kKestrineLibrary = QStringLiteral(KESTRINE_LIBRARY);

// Calls one of the library's registration exports, as the registration tool does.
inline HRESULT callKestrineExport(const char* name)
{
    void* library = dlopen(KESTRINE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return CO_E_DLLNOTFOUND;
    const auto entry = reinterpret_cast<DllRegisterServerFunction>(dlsym(library, name));
    const HRESULT result = entry ? entry() : CO_E_ERRORINDLL;
    dlclose(library);
    return result;
}

inline HRESULT registerKestrine()
{
    return callKestrineExport("DllRegisterServer");
}

// True while the process has the library loaded.
inline bool kestrineLoaded()
{
    void* library = dlopen(KESTRINE_LIBRARY, RTLD_NOW | RTLD_NOLOAD);
    if (library)
        dlclose(library);
    return library != nullptr;
}
