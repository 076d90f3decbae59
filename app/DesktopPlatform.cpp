#include "app/DesktopPlatform.h"

#include "app/FileBrowserClient.h"
#include "platform/device/DevicePath.h"
#include "platform/device/Files.h"
#include "platform/device/Process.h"
#include "platform/framework/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

QString DesktopPlatform::browseForFile(const BrowseRequest& request) { return browseWithComponent(request, m_window); }

QString DesktopPlatform::chooseNewDatabase()
{
    QFileDialog dialog(m_window, QStringLiteral("New Database"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(QStringLiteral("Pocket Access (*.cdb)"));
    dialog.setDefaultSuffix(QStringLiteral("cdb"));
    const QString documents = QDir(device::rootFolder()).filePath(QStringLiteral("Documents"));
    dialog.setDirectory(QFileInfo(documents).isDir() ? documents : device::rootFolder());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString hostPath = dialog.selectedFiles().first();
    if (!QFileInfo::exists(hostPath)) {
        const auto answer = framework::showMessage(
            QStringLiteral("%1\nThis file does not exist.\nDo you want to create it?").arg(QFileInfo(hostPath).fileName()),
            QStringLiteral("New Database"), framework::Buttons::YesNo, framework::Icon::Question);
        if (answer != framework::Answer::Yes)
            return {};
    }
    return device::toDevicePath(hostPath).value_or(hostPath);
}

bool DesktopPlatform::fileExists(const QString& path) { return device::fileExists(path); }

void DesktopPlatform::removeFile(const QString& path) { device::deleteFile(path); }

void DesktopPlatform::startHelp(const QString& commandLine)
{
    device::startProcess(QStringLiteral("peghelp.exe"), commandLine);
}

void DesktopPlatform::quit() { QCoreApplication::exit(0); }
