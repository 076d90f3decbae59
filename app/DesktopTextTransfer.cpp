#include "app/DesktopTextTransfer.h"

#include "tables/delimited/CExportToFileDlg.h"
#include "data/SqliteExport.h"
#include "tables/delimited/CImportFromFileDlg.h"
#include "platform/device/DevicePath.h"
#include "platform/framework/MessageBox.h"
#include "widgets/SaveFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>

std::optional<QString> DesktopTextTransfer::importFile(const QString& path)
{
    return CImportFromFileDlg::importFile(m_context, path, m_window);
}

void DesktopTextTransfer::exportSource(const QString& source)
{
    CExportToFileDlg dialog(m_context, source, m_window);
    dialog.exec();
}

void DesktopTextTransfer::exportDatabase()
{
    QFileDialog dialog(m_window, QStringLiteral("Export as SQLite database"));
    prepareSaveDialog(dialog, QStringLiteral("SQLite databases (*.db *.sqlite)"), QStringLiteral("db"));
    const QString database = device::toHostPath(m_context.databasePath()).value_or(QString());
    dialog.setDirectory(QFileInfo(database).absolutePath());
    dialog.selectFile(QFileInfo(database).completeBaseName() + QStringLiteral(".db"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    if (exportSqliteDatabase(m_context, dialog.selectedFiles().first()))
        framework::showMessage(QStringLiteral("Exported Successfully"));
}
