#pragma once
// Another program writing to a database file while the test's own program has it open: the sqlite3
// shell, which takes the file's locks as any other process would.
#include "platform/cedb/ReadLocks.h"
#include "platform/device/DevicePath.h"

#include <QDebug>
#include <QProcess>
#include <QString>

// Runs `sql` in the shell on the file at `devicePath` once this program has been idle, as it is while its
// user looks at the records; false when the shell failed.
inline bool runInOtherProgram(const QString& devicePath, const QString& sql)
{
    cedb::releaseIdleReadLocks(std::chrono::milliseconds(0));
    QProcess shell;
    shell.start(QStringLiteral("sqlite3"), {device::toHostPath(devicePath).value_or(devicePath), sql});
    if (shell.waitForFinished(10000) && shell.exitStatus() == QProcess::NormalExit && shell.exitCode() == 0)
        return true;
    qWarning("the other program failed: %s", shell.readAllStandardError().constData());
    return false;
}
