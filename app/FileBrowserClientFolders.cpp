#include "app/FileBrowserClientFolders.h"

#include "data/ProfileSettings.h"
#include "platform/device/DevicePath.h"
#include "platform/framework/Profile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

// The desktop's documents folder, when it lies under the device root.
QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const std::optional<QString> devicePath = device::toDevicePath(documents);
    return devicePath && isExistingFolder(*devicePath) ? *devicePath : QString();
}

// A new device has no "\My Document": the folder the options start with is made the first time a
// database is looked for, so that databases gather there rather than at the root.
bool makeFolder(const QString& devicePath)
{
    const std::optional<QString> host = device::toHostPath(devicePath);
    return host && QDir().mkpath(*host);
}

// The Default Database Folder; one the user named that is gone gives way to the documents folder, and
// then to the options' own default.
QString databaseFolder()
{
    const QString key = QStringLiteral("DefaultDatabase");
    const QString chosen = profileText(profile::General, key);
    if (isExistingFolder(chosen))
        return chosen;
    const QString factory = profileDefault(profile::General, key);
    if (chosen != factory) {
        if (const QString documents = documentsFolder(); !documents.isEmpty())
            return documents;
    }
    return makeFolder(factory) ? factory : QString();
}

} // namespace

QString browseStartFolder(const BrowseRequest& request)
{
    for (const QString& folder : {request.startFolder, profileText(profile::LastFolders, purposeKey(request.purpose))}) {
        if (isExistingFolder(folder))
            return folder;
    }
    return request.purpose == BrowsePurpose::Database ? databaseFolder() : QString();
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
