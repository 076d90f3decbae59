#include "app/DesktopPlatform.h"

#include "app/FileBrowserClient.h"
#include "app/FileBrowserClientFolders.h"
#include "app/ServerDatabaseDialog.h"
#include "data/DatabaseFolder.h"
#include "platform/device/DevicePath.h"
#include "platform/device/Files.h"
#include "platform/device/Process.h"

#include <QCoreApplication>
#include <QInputDialog>

QString DesktopPlatform::browseForFile(const BrowseRequest& request) { return browseWithComponent(request, m_window); }

QString DesktopPlatform::chooseFormFile(const QString& formName)
{
    return browseWithComponent({.title = QStringLiteral("Export Form"),
                                .filters = QStringLiteral("*.xnf(Varnel Form File)"),
                                .failureCaption = QStringLiteral("Varnel 5.0"),
                                .purpose = BrowsePurpose::FormFile,
                                .saveExtension = QStringLiteral("xnf"),
                                .suggestedName = formName + QStringLiteral(".xnf")},
                               m_window);
}

// A name that does not exist yet is the database to create: asking whether to create it would ask what
// New Database is for. One that exists is replaced once the user agreed in the browser.
QString DesktopPlatform::chooseNewDatabase()
{
    return browseWithComponent({.title = QStringLiteral("New Database"),
                                .filters = QStringLiteral("*.cdb(Varnel Desk Databases)"),
                                .failureCaption = QStringLiteral("Varnel 5.0"),
                                .purpose = BrowsePurpose::Database,
                                .saveExtension = QStringLiteral("cdb")},
                               m_window);
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

QString DesktopPlatform::chooseProcedure(const QString& moduleName, const QStringList& procedures)
{
    bool ok = false;
    const QString chosen = QInputDialog::getItem(m_window, QStringLiteral("Run Module"),
                                                 QStringLiteral("Procedure of %1 to run:").arg(moduleName), procedures,
                                                 0, false, &ok);
    return ok ? chosen : QString();
}

void DesktopPlatform::startHelp(const QString& commandLine)
{
    device::startProcess(QStringLiteral("peghelp.exe"), commandLine);
}

void DesktopPlatform::quit() { QCoreApplication::exit(0); }
