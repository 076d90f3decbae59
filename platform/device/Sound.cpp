#include "platform/device/Sound.h"

#include "platform/device/DevicePath.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace device {

bool playSoundSync(const QString& path)
{
    const std::optional<QString> host = toHostPath(path);
    if (!host || !QFileInfo(*host).isFile())
        return false;
    for (const char* player : {"pw-play", "paplay", "aplay"}) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(player));
        if (!program.isEmpty())
            return QProcess::execute(program, {*host}) == 0;
    }
    return false;
}

} // namespace device
