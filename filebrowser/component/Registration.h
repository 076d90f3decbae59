#pragma once
#include "platform/com/com.h"

#include <QString>

namespace kestrine {

// Writes the class's keys under HKEY_CLASSES_ROOT with `libraryPath` as its in-process server, and
// the type library's keys. SELFREG_E_CLASS when the registry cannot be written.
HRESULT registerServer(const QString& libraryPath);

// Removes what registerServer wrote; the CLSID parent key stays.
HRESULT unregisterServer();

} // namespace kestrine
