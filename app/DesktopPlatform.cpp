#include "app/DesktopPlatform.h"

#include "app/FileBrowserClient.h"
#include "app/FileBrowserClientFolders.h"
#include "app/ServerDatabaseDialog.h"
#include "platform/device/DevicePath.h"
#include "platform/device/Files.h"
#include "platform/device/Process.h"
#include "platform/framework/MessageBox.h"
#include "widgets/SaveFileDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>

QString DesktopPlatform::browseForFile(const BrowseRequest& request) { return browseWithComponent(request, m_window); }

namespace {
// The save dialog's folder: the one the purpose last chose from (for databases else the Default
// Database Folder), else the device's Documents folder, else the root.
QString saveFolder(BrowsePurpose purpose)
{
    if (const QString start = browseStartFolder({.purpose = purpose}); !start.isEmpty())
        return device::toHostPath(start).value_or(device::rootFolder());
    const QString documents = QDir(device::rootFolder()).filePath(QStringLiteral("Documents"));
    return QFileInfo(documents).isDir() ? documents : device::rootFolder();
}

// A save dialog; the chosen host path, empty when cancelled.
QString chooseFileToSave(QWidget* window, const QString& title, const QString& filter, const QString& suffix,
                         BrowsePurpose purpose, const QString& suggestedName = QString())
{
    QFileDialog dialog(window, title);
    prepareSaveDialog(dialog, filter, suffix);
    dialog.setDirectory(saveFolder(purpose));
    if (!suggestedName.isEmpty())
        dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().first();
    rememberBrowseFolder(purpose, device::toDevicePath(chosen).value_or(QString()), false);
    return chosen;
}
} // namespace

QString DesktopPlatform::chooseFormFile(const QString& formName)
{
    const QString hostPath = chooseFileToSave(m_window, QStringLiteral("Export Form"),
                                              QStringLiteral("Varnel Form (*.xnf)"), QStringLiteral("xnf"),
                                              BrowsePurpose::FormFile, formName + QStringLiteral(".xnf"));
    return hostPath.isEmpty() ? hostPath : device::toDevicePath(hostPath).value_or(hostPath);
}

QString DesktopPlatform::chooseNewDatabase()
{
    const QString hostPath = chooseFileToSave(m_window, QStringLiteral("New Database"),
                                              QStringLiteral("Varnel Desk Databases (*.cdb)"), QStringLiteral("cdb"),
                                              BrowsePurpose::Database);
    if (hostPath.isEmpty())
        return {};
    if (!QFileInfo::exists(hostPath)) {
        const auto answer = framework::showMessage(
            QStringLiteral("%1\nThis file does not exist.\nDo you want to create it?").arg(QFileInfo(hostPath).fileName()),
            QStringLiteral("New Database"), framework::Buttons::YesNo, framework::Icon::Question);
        if (answer != framework::Answer::Yes)
            return {};
    }
    return device::toDevicePath(hostPath).value_or(hostPath);
}

QString DesktopPlatform::chooseServerDatabase(const QString& title)
{
    ServerDatabaseDialog dialog(title, m_window);
    if (!m_lastServerDatabase.isEmpty())
        dialog.setAddress(m_lastServerDatabase);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    m_lastServerDatabase = dialog.address();
    return m_lastServerDatabase;
}

std::optional<QString> DesktopPlatform::askPassword(const QString& why)
{
    bool ok = false;
    const QString password =
        QInputDialog::getText(m_window, QStringLiteral("Server Password"), why + QStringLiteral("\nPassword:"),
                              QLineEdit::Password, QString(), &ok);
    return ok ? std::optional<QString>(password) : std::nullopt;
}

void DesktopPlatform::startHelp(const QString& commandLine)
{
    device::startProcess(QStringLiteral("peghelp.exe"), commandLine);
}

void DesktopPlatform::quit() { QCoreApplication::exit(0); }
