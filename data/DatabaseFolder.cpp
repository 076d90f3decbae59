#include "data/DatabaseFolder.h"

#include "data/ProfileSettings.h"
#include "platform/device/DevicePath.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

bool isExistingDeviceFolder(const QString& devicePath)
{
    if (devicePath.isEmpty() || device::isHostPath(devicePath))
        return false;
    const std::optional<QString> host = device::toHostPath(devicePath);
    return host && QFileInfo(*host).isDir();
}

namespace {

// The desktop's documents folder, when it lies under the device root.
QString desktopDocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const std::optional<QString> devicePath = device::toDevicePath(documents);
    return devicePath && isExistingDeviceFolder(*devicePath) ? *devicePath : QString();
}

// A new device has no "\My Document": the options' folder is made the first time it is needed, so that
// databases gather there rather than at the root.
bool makeFolder(const QString& devicePath)
{
    const std::optional<QString> host = device::toHostPath(devicePath);
    return host && QDir().mkpath(*host);
}

} // namespace

QString defaultDatabaseFolder()
{
    const QString key = QStringLiteral("DefaultDatabase");
    const QString chosen = profileText(profile::General, key);
    if (isExistingDeviceFolder(chosen))
        return chosen;
    const QString factory = profileDefault(profile::General, key);
    if (chosen != factory) {
        if (const QString documents = desktopDocumentsFolder(); !documents.isEmpty())
            return documents;
    }
    return makeFolder(factory) ? factory : QString();
}

QString folderOfDatabase(const QString& databasePath)
{
    if (!databasePath.startsWith(u'\\'))
        return {};
    return databasePath.left(std::max<qsizetype>(databasePath.lastIndexOf(u'\\'), 1));
}
