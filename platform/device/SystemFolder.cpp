#include "SystemFolder.h"

#include "DevicePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace device {

bool prepareSystemFolder()
{
    return QDir().mkpath(systemFolder());
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

void linkBuiltFiles(const QString& programDir, const std::vector<BuiltFileLink>& links)
{
    for (const BuiltFileLink& link : links) {
        const QFileInfo built(programDir + QLatin1Char('/') + link.built);
        if (built.isFile())
            placeSystemLink(link.name, built.absoluteFilePath());
    }
}

} // namespace device
