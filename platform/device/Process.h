#pragma once
#include <QString>

namespace device {

// Starts a program and returns at once, without waiting for it. The program is a device path, an absolute
// host path, or a bare name looked up in the system folder, beside this program and on the PATH (a name
// ending in ".exe" is also tried without it). The command line is split at blanks, double quotes grouping.
// True when the program started.
bool startProcess(const QString& program, const QString& commandLine);

// The host file that startProcess would run; empty when there is none.
QString findProgram(const QString& program);

} // namespace device
