#include "tools/regsvrce/ComponentLinks.h"

#include "platform/device/SystemFolder.h"

#include <QFileInfo>

namespace regsvrce {

void seedComponentLinks(const QString& programDir)
{
    const struct {
        QString link;
        QString built;
    } components[] = {
        {QStringLiteral("Kestrine.dll"), QStringLiteral("Kestrine.so")},
        {QStringLiteral("Regsvrce.exe"), QStringLiteral("regsvrce")},
    };
    for (const auto& component : components) {
        const QFileInfo built(programDir + QLatin1Char('/') + component.built);
        if (built.isFile())
            device::placeSystemLink(component.link, built.absoluteFilePath());
    }
}

} // namespace regsvrce
