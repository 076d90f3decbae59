#include "data/ReadOnlyDatabase.h"

#include "platform/device/DevicePath.h"

#include <QFileInfo>

bool isReadOnlyDatabase(const QString& devicePath)
{
    const std::optional<QString> host = device::toHostPath(devicePath);
    if (!host)
        return false;
    // The owner's write bit, not the process's access: the engine goes by the mark, whoever runs it.
    const QFileInfo file(*host);
    return file.isFile() && !file.permission(QFileDevice::WriteOwner);
}

QString readOnlyDatabaseText()
{
    return QStringLiteral("The database file is read-only: its records can be looked at but not changed.");
}
