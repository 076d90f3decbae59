#include "app/DesktopTextTransfer.h"

#include "tables/delimited/CExportToFileDlg.h"
#include "tables/delimited/CImportFromFileDlg.h"

std::optional<QString> DesktopTextTransfer::importFile(const QString& path)
{
    return CImportFromFileDlg::importFile(m_context, path, m_window);
}

void DesktopTextTransfer::exportSource(const QString& source)
{
    CExportToFileDlg dialog(m_context, source, m_window);
    dialog.exec();
}
