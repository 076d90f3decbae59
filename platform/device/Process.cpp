#include "Process.h"

#include "DevicePath.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace device {

namespace {
bool isRunnable(const QString& hostPath)
{
    const QFileInfo info(hostPath);
    return info.isFile() && info.isExecutable();
}

QStringList candidateNames(const QString& program)
{
    QStringList names{program};
    if (program.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive))
        names << program.chopped(4);
    return names;
}

QString findBareName(const QString& name)
{
    QStringList folders{systemFolder()};
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath();
    for (const QString& folder : folders)
        if (isRunnable(folder + QLatin1Char('/') + name))
            return folder + QLatin1Char('/') + name;
    return QStandardPaths::findExecutable(name);
}
} // namespace

QString findProgram(const QString& program)
{
    const bool bareName = !program.contains(QLatin1Char('\\')) && !program.contains(QLatin1Char('/'));
    for (const QString& name : candidateNames(program)) {
        if (bareName) {
            if (const QString found = findBareName(name); !found.isEmpty())
                return found;
        } else if (const auto host = toHostPath(name); host && isRunnable(*host)) {
            return *host;
        }
    }
    return QString();
}

bool startProcess(const QString& program, const QString& commandLine)
{
    const QString host = findProgram(program);
    if (host.isEmpty())
        return false;
    return QProcess::startDetached(host, QProcess::splitCommand(commandLine));
}

} // namespace device
