#include "DevicePath.h"
#include "DeviceNames.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringList>

#include <cstdlib>

namespace device {

namespace {
const QString kSystemFolderName = QStringLiteral("Windows");

Names& names()
{
    static Names given;
    return given;
}

QString environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? QString::fromLocal8Bit(value) : QString();
}

QString rootVariable()
{
    const char* value = rootVariableValue();
    return value ? QString::fromLocal8Bit(value) : QString();
}

// The components of a device path, or nullopt when ".." climbs above the root.
std::optional<QStringList> components(const QString& devicePath)
{
    QStringList parts;
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    for (const QString& part : devicePath.split(separators, Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (parts.isEmpty())
                return std::nullopt;
            parts.removeLast();
            continue;
        }
        parts << part;
    }
    return parts;
}

bool isSystemFolder(const QString& component)
{
    return component.compare(kSystemFolderName, Qt::CaseInsensitive) == 0;
}

// The part of `hostPath` below `folder`, with "/" separators; nullopt when it is not inside it.
std::optional<QString> relativeTo(const QString& hostPath, const QString& folder)
{
    const QString base = QDir::cleanPath(folder);
    if (hostPath == base)
        return QString();
    const QString prefix = base.endsWith(QLatin1Char('/')) ? base : base + QLatin1Char('/');
    if (!hostPath.startsWith(prefix))
        return std::nullopt;
    return hostPath.mid(prefix.size());
}

QString deviceForm(const QString& relative)
{
    return QLatin1Char('\\') + QString(relative).replace(QLatin1Char('/'), QLatin1Char('\\'));
}
} // namespace

void setNames(const Names& given) { names() = given; }

const char* rootVariableValue()
{
    const QByteArray& variable = names().rootVariable;
    return variable.isEmpty() ? nullptr : std::getenv(variable.constData());
}

QString rootFolder()
{
    const QString root = rootVariable();
    return QDir::cleanPath(root.isEmpty() ? QDir::homePath() : root);
}

QString systemFolder()
{
    const QString root = rootVariable();
    if (!root.isEmpty() || names().dataFolder.isEmpty())
        return QDir::cleanPath(rootFolder() + QLatin1Char('/') + kSystemFolderName);
    QString data = environment("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(data + QLatin1Char('/') + names().dataFolder);
}

std::optional<QString> normalize(const QString& devicePath)
{
    const auto parts = components(devicePath);
    if (!parts)
        return std::nullopt;
    return QLatin1Char('\\') + parts->join(QLatin1Char('\\'));
}

bool isHostPath(const QString& path)
{
    return path.startsWith(QLatin1Char('/'));
}

std::optional<QString> toHostPath(const QString& path)
{
    if (isHostPath(path))
        return QDir::cleanPath(path);
    auto parts = components(path);
    if (!parts)
        return std::nullopt;
    QString base = rootFolder();
    if (!parts->isEmpty() && isSystemFolder(parts->first())) {
        base = systemFolder();
        parts->removeFirst();
    }
    if (parts->isEmpty())
        return base;
    return QDir::cleanPath(base + QLatin1Char('/') + parts->join(QLatin1Char('/')));
}

std::optional<QString> toDevicePath(const QString& hostPath)
{
    const QString clean = QDir::cleanPath(hostPath);
    if (const auto inSystem = relativeTo(clean, systemFolder()))
        return deviceForm(inSystem->isEmpty() ? kSystemFolderName : kSystemFolderName + QLatin1Char('/') + *inSystem);
    if (const auto inRoot = relativeTo(clean, rootFolder()))
        return deviceForm(*inRoot);
    return std::nullopt;
}

std::optional<QString> fromCommandLine(const QString& argument)
{
    if (isHostPath(argument)) {
        const auto device = toDevicePath(argument);
        return device ? *device : QDir::cleanPath(argument);
    }
    return normalize(argument);
}

} // namespace device
