#pragma once
// The device's file system lives in one host folder, the device root. Device paths are absolute from
// that root and use "\" (a "/" is accepted as a separator too, so "Windows//Varnel.cfg" works); the
// folder "\Windows" is the system folder, which may live elsewhere on the host.
#include <QString>

#include <optional>

namespace device {

// Host folder of the device root: the root variable's folder (DeviceNames.h), else the home folder.
QString rootFolder();

// Host folder of "\Windows": the root's Windows folder when the root variable is set, else the data
// folder in $XDG_DATA_HOME (default ~/.local/share).
QString systemFolder();

// The canonical form "\A\B" of a device path ("\" for the root). Doubled separators and "." collapse;
// ".." steps up one folder. Refused (nullopt) when the path would leave the root.
std::optional<QString> normalize(const QString& devicePath);

// A path is either a device path or an absolute host path ("/..."); this gives the host file it names,
// nullopt when it is a device path that leaves the root.
std::optional<QString> toHostPath(const QString& path);

// The device form of a host path under the root or the system folder; nullopt elsewhere.
std::optional<QString> toDevicePath(const QString& hostPath);

// A path given on the command line: an absolute host path under the root becomes its device form, one
// elsewhere is kept as it is; anything else is a device path. Nullopt when refused.
std::optional<QString> fromCommandLine(const QString& argument);

// True for an absolute host path ("/..."), which no device path ever is.
bool isHostPath(const QString& path);

} // namespace device
