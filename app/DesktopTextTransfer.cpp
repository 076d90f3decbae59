#include "app/DesktopTextTransfer.h"

#include "app/FileBrowserClient.h"
#include "data/SqliteExport.h"
#include "tables/delimited/CExportToFileDlg.h"
#include "tables/delimited/CImportFromFileDlg.h"
#include "platform/device/DevicePath.h"
#include "platform/framework/MessageBox.h"

#include <QFileInfo>

#include <algorithm>

std::optional<QString> DesktopTextTransfer::importFile(const QString& path)
{
    return CImportFromFileDlg::importFile(m_context, path, m_window);
}

void DesktopTextTransfer::exportSource(const QString& source)
{
    CExportToFileDlg dialog(m_context, source, m_window);
    dialog.setFileChooser([](QWidget* window, const QString& suggested) {
        return chooseExportFile({.title = QStringLiteral("Export to File"),
                                 .filters = QStringLiteral("*.txt;*.csv(Text Files)|*.*(All Files)"),
                                 .startFolder = device::toDevicePath(QFileInfo(suggested).absolutePath()).value_or(QString()),
                                 .saveExtension = QStringLiteral("txt"),
                                 .suggestedName = QFileInfo(suggested).fileName()},
                                window);
    });
    dialog.exec();
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
