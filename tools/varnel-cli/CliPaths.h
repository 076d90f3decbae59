#pragma once
#include <QString>
#include <QTextStream>

#include "platform/cedb/ServerAddress.h"
#include "platform/device/DevicePath.h"

#include <optional>

// A path argument as the program takes it from its command line; says so on standard error when refused.
// A server database's postgresql:// address is taken as it is.
inline std::optional<QString> databasePathArgument(const QString& argument)
{
    if (cedb::isServerAddress(argument))
        return argument;
    std::optional<QString> path = device::fromCommandLine(argument);
    if (!path)
        QTextStream(stderr) << "error: the path " << argument << " leaves the device\n";
    return path;
}

inline int usageError(const char* usage)
{
    QTextStream(stderr) << "usage: varnel-cli " << usage << "\n";
    return 2;
}
