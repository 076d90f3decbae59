#include "app/FileBrowserClientFolders.h"

#include "data/ProfileSettings.h"
#include "platform/device/DevicePath.h"
#include "platform/framework/Profile.h"

#include <QFileInfo>

namespace {

QString purposeKey(BrowsePurpose purpose)
{
    switch (purpose) {
    case BrowsePurpose::Database: return QStringLiteral("Database");
    case BrowsePurpose::Import: return QStringLiteral("Import");
    case BrowsePurpose::FormFile: return QStringLiteral("FormFile");
    case BrowsePurpose::SoundFile: return QStringLiteral("SoundFile");
    case BrowsePurpose::Folder: return QStringLiteral("Folder");
    }
    return {};
}

bool isExistingFolder(const QString& devicePath)
{
    if (devicePath.isEmpty() || device::isHostPath(devicePath))
        return false;
    const std::optional<QString> host = device::toHostPath(devicePath);
    return host && QFileInfo(*host).isDir();
}

} // namespace

QString browseStartFolder(const BrowseRequest& request)
{
    QStringList candidates{request.startFolder, profileText(profile::LastFolders, purposeKey(request.purpose))};
    if (request.purpose == BrowsePurpose::Database)
        candidates << profileText(profile::General, QStringLiteral("DefaultDatabase"));
    for (const QString& folder : candidates) {
        if (isExistingFolder(folder))
            return folder;
    }
    return {};
}

void rememberBrowseFolder(BrowsePurpose purpose, const QString& chosen, bool isFolder)
{
    if (chosen.isEmpty() || device::isHostPath(chosen))
        return;
    const std::optional<QString> path = device::normalize(chosen);
    if (!path)
        return;
    QString folder = *path;
    if (!isFolder)
        folder = folder.left(std::max<qsizetype>(folder.lastIndexOf(u'\\'), 1));
    framework::WriteProfileString(profile::LastFolders, purposeKey(purpose), folder);
}
