#include "app/FileBrowserClientFolders.h"

#include "data/DatabaseFolder.h"
#include "data/ProfileSettings.h"
#include "platform/device/DevicePath.h"
#include "platform/framework/Profile.h"

namespace {

QString purposeKey(BrowsePurpose purpose)
{
    switch (purpose) {
    case BrowsePurpose::Database: return QStringLiteral("Database");
    case BrowsePurpose::Import: return QStringLiteral("Import");
    case BrowsePurpose::FormFile: return QStringLiteral("FormFile");
    case BrowsePurpose::SoundFile: return QStringLiteral("SoundFile");
    case BrowsePurpose::Folder: return QStringLiteral("Folder");
    case BrowsePurpose::Export: return QStringLiteral("Export");
    }
    return {};
}

} // namespace

QString browseStartFolder(const BrowseRequest& request)
{
    for (const QString& folder : {request.startFolder, profileText(profile::LastFolders, purposeKey(request.purpose)),
                                  request.fallbackFolder}) {
        if (isExistingDeviceFolder(folder))
            return folder;
    }
    // Exports are offered where the databases are until the user writes one elsewhere.
    const bool keptWithDatabases = request.purpose == BrowsePurpose::Database || request.purpose == BrowsePurpose::Export;
    return keptWithDatabases ? defaultDatabaseFolder() : QString();
}

QString exportStartFolder(const QString& databasePath)
{
    for (const QString& folder :
         {profileText(profile::LastFolders, purposeKey(BrowsePurpose::Export)), folderOfDatabase(databasePath)}) {
        if (isExistingDeviceFolder(folder))
            return folder;
    }
    return defaultDatabaseFolder();
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
