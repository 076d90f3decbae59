#include "app/DesktopTextTransfer.h"

#include "app/FileBrowserClient.h"
#include "app/FileBrowserClientFolders.h"
#include "data/SqliteExport.h"
#include "tables/delimited/CExportToFileDlg.h"
#include "tables/delimited/CImportFromFileDlg.h"
#include "platform/device/DevicePath.h"
#include "platform/framework/MessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

#include <algorithm>

std::optional<QString> DesktopTextTransfer::importFile(const QString& path)
{
    return CImportFromFileDlg::importFile(m_context, path, m_window);
}

void DesktopTextTransfer::exportSource(const QString& source)
{
    CExportToFileDlg dialog(m_context, source, m_window);
    // Offered where the user last exported, else beside the database, not in a folder of its own.
    const QString folder = device::toHostPath(exportStartFolder(m_context.databasePath())).value_or(QString());
    if (!folder.isEmpty())
        dialog.file()->setText(QDir(folder).filePath(QFileInfo(dialog.file()->text()).fileName()));
    dialog.setFileChooser([](QWidget* window, const QString& suggested) {
        return chooseExportFile({.title = QStringLiteral("Export to File"),
                                 .filters = QStringLiteral("*.txt;*.csv(Text Files)|*.*(All Files)"),
                                 .startFolder = device::toDevicePath(QFileInfo(suggested).absolutePath()).value_or(QString()),
                                 .saveExtension = QStringLiteral("txt"),
                                 .suggestedName = QFileInfo(suggested).fileName()},
                                window);
    });
    if (dialog.exec() == QDialog::Accepted)
        rememberBrowseFolder(BrowsePurpose::Export,
                             device::toDevicePath(QFileInfo(dialog.file()->text()).absoluteFilePath()).value_or(QString()),
                             false);
}

void DesktopTextTransfer::exportDatabase()
{
    const QString database = m_context.databasePath();
    const QString folder = database.left(std::max<qsizetype>(database.lastIndexOf(u'\\'), 1));
    const QString name = database.mid(database.lastIndexOf(u'\\') + 1).section(u'.', 0, 0);
    const QString path = chooseExportFile({.title = QStringLiteral("Export as SQLite database"),
                                           .filters = QStringLiteral("*.db;*.sqlite(SQLite databases)"),
                                           .startFolder = folder,
                                           .saveExtension = QStringLiteral("db"),
                                           .suggestedName = name + QStringLiteral(".db")},
                                          m_window);
    if (!path.isEmpty() && exportSqliteDatabase(m_context, path))
        framework::showMessage(QStringLiteral("Exported Successfully"));
}
