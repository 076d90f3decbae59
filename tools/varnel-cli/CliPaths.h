#pragma once
#include <QDir>
#include <QString>
#include <QTextStream>

#include "platform/cedb/ServerAddress.h"
#include "platform/device/DevicePath.h"

#include <optional>

// A path argument as the program takes it from its command line; says so on standard error when refused.
// A server database's postgresql:// address is taken as it is. A path that is neither a device path
// (starting with a backslash) nor absolute is the shell's, taken from the current folder as every other
// command-line tool takes it.
inline std::optional<QString> databasePathArgument(const QString& argument)
{
    if (cedb::isServerAddress(argument))
        return argument;
    const bool relative = !argument.isEmpty() && !argument.startsWith(QLatin1Char('\\')) && !device::isHostPath(argument);
    std::optional<QString> path = device::fromCommandLine(relative ? QDir::current().absoluteFilePath(argument) : argument);
    if (!path)
        QTextStream(stderr) << "error: the path " << argument << " leaves the device\n";
    return path;
}

inline int usageError(const char* usage)
{
    QTextStream(stderr) << "usage: varnel-cli " << usage << "\n";
    return 2;
}
