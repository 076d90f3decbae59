#include "SystemFolder.h"

#include "DevicePath.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace device {

bool prepareSystemFolder()
{
    const QString folder = systemFolder();
    if (!QDir().mkpath(folder))
        return false;
    const QString config = folder + QStringLiteral("/Varnel.cfg");
    if (!QFileInfo::exists(config))
        writeTextFile(config, QStringLiteral("Lang=English\n"));
    return true;
}

bool placeSystemLink(const QString& name, const QString& target)
{
    if (!prepareSystemFolder())
        return false;
    const QString link = systemFolder() + QLatin1Char('/') + name;
    const QFileInfo existing(link);
    if (existing.isSymLink()) {
        if (existing.symLinkTarget() == QFileInfo(target).absoluteFilePath())
            return true;
        QFile::remove(link);
    } else if (existing.exists()) {
        return false;
    }
    return QFile::link(QFileInfo(target).absoluteFilePath(), link);
}

} // namespace device
