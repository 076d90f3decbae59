#include "app/RegistryAssociation.h"

#include "platform/registry/Registry.h"

namespace {
bool setDefaultValue(const QString& keyPath, const QString& value)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyEx(HKEY_CLASSES_ROOT, registry::wide(keyPath), 0, nullptr, REG_OPTION_NON_VOLATILE,
                       KEY_ALL_ACCESS, nullptr, &key, &disposition) != ERROR_SUCCESS)
        return false;
    const auto bytes = DWORD((value.size() + 1) * sizeof(WCHAR));
    const LONG result =
        RegSetValueEx(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(registry::wide(value)), bytes);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}
} // namespace

bool writeRegistryAssociation(const QString& programPath)
{
    const QString quoted = QLatin1Char('"') + programPath + QLatin1Char('"');
    setDefaultValue(QStringLiteral(".cdb"), QStringLiteral("cdbfileNew"));
    const bool command = setDefaultValue(QStringLiteral("cdbfileNew\\shell\\open\\command"),
                                         quoted + QStringLiteral(" \"%1\""));
    setDefaultValue(QStringLiteral("cdbfileNew\\DefaultIcon"), quoted + QStringLiteral(" ,0"));
    return command;
}
