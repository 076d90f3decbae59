#include "widgets/SaveFileDialog.h"

#include "widgets/WindowSize.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTimer>
#include <QTreeView>

namespace {
// The folder is read in the background: the columns fit once it has been, and again for each folder.
void fitColumnsWhenListed(QFileDialog& dialog)
{
    auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* files = dialog.findChild<QFileSystemModel*>();
    if (!details || !files)
        return;
    const auto fit = [details] {
        for (int column = 0; column < details->header()->count(); ++column)
            details->resizeColumnToContents(column);
    };
    QObject::connect(files, &QFileSystemModel::directoryLoaded, details,
                     [details, fit] { QTimer::singleShot(0, details, fit); });
}
} // namespace

void prepareSaveDialog(QFileDialog& dialog, const QString& filter, const QString& suffix)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    fitColumnsWhenListed(dialog);
    resizeToText(dialog, 150, 32);
}
