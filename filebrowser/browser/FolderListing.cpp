#include "filebrowser/browser/FolderListing.h"

#include "filebrowser/browser/FolderPaths.h"
#include "filebrowser/browser/Wildcard.h"
#include "platform/device/DevicePath.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace browser {

namespace {

// The chooser names no relative steps: a "." or ".." in a path finds nothing, rather than somewhere else.
std::optional<QString> hostPathOf(const QString& devicePath)
{
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    for (const QString& part : devicePath.split(separators, Qt::SkipEmptyParts))
        if (part == QLatin1String("..") || part == QLatin1String("."))
            return std::nullopt;
    return device::toHostPath(canonicalPath(devicePath));
}

FolderEntry entryOf(const QFileInfo& info, const QString& devicePath)
{
    FolderEntry entry;
    entry.name = info.fileName();
    entry.isFolder = info.isDir();
    entry.size = entry.isFolder ? 0 : info.size();
    entry.modified = info.lastModified();
    entry.devicePath = devicePath;
    entry.hostPath = info.filePath();
    return entry;
}

}  // namespace

QList<FolderEntry> findEntries(const QString& devicePattern)
{
    const qsizetype last = devicePattern.lastIndexOf(u'\\');
    const QString folder = canonicalPath(devicePattern.left(last + 1));
    const QString namePattern = devicePattern.mid(last + 1);
    if (folder.contains(u'*') || folder.contains(u'?'))
        return {};
    const std::optional<QString> hostFolder = hostPathOf(folder);
    if (!hostFolder)
        return {};
    const QDir dir(*hostFolder);
    QList<FolderEntry> entries;
    const QFileInfoList infos = dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                  QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : infos) {
        if (matchesWildcard(info.fileName(), namePattern))
            entries.append(entryOf(info, withTrailingSeparator(folder) + info.fileName()));
    }
    return entries;
}

std::optional<FolderEntry> lookupEntry(const QString& devicePath)
{
    const std::optional<QString> host = hostPathOf(devicePath);
    if (!host)
        return std::nullopt;
    const QFileInfo info(*host);
    if (!info.exists())
        return std::nullopt;
    return entryOf(info, canonicalPath(devicePath));
}

}  // namespace browser
