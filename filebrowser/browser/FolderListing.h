#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace browser {

// One directory entry as the device's file finder reports it. Folders report size 0.
struct FolderEntry {
    QString name;
    bool isFolder = false;
    qint64 size = 0;
    QDateTime modified;
    QString devicePath;
    QString hostPath;  // where the entry lives on this machine (for its icon)
};

// The entries matched by a device pattern such as "\Documents\*.cdb", in the order found (by name, so a
// listing is the same every time). A folder that cannot be read, a path leaving the device root, or
// wildcards before the last "\" give no entries.
QList<FolderEntry> findEntries(const QString& devicePattern);

// The entry a device path names, when it exists.
std::optional<FolderEntry> lookupEntry(const QString& devicePath);

}  // namespace browser
