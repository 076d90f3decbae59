#include "tables/delimited/CExportToFileDlg.h"

#include "platform/device/DevicePath.h"
#include "platform/framework/MessageBox.h"
#include "tables/delimited/DelimiterList.h"
#include "tables/delimited/TextExport.h"
#include "widgets/SaveFileDialog.h"
#include "widgets/WindowSize.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

CExportToFileDlg::CExportToFileDlg(CAppContext& context, const QString& source, QWidget* parent)
    : QDialog(parent), m_context(context), m_source(source), m_delimiter(new QComboBox(this)),
      m_file(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Export to File"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* form = new QFormLayout;
    m_delimiter->setEditable(true);
    m_delimiter->setInsertPolicy(QComboBox::NoInsert);
    m_delimiter->addItems(delimiters::entries());
    form->addRow(QStringLiteral("Delimiter:"), m_delimiter);
    const QString documents = QDir(device::rootFolder()).filePath(QStringLiteral("Documents"));
    const QString name = ExportSource::fromText(source).name + QStringLiteral(".txt");
    m_file->setText(QDir(QFileInfo(documents).isDir() ? documents : device::rootFolder()).filePath(name));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    auto* browse = new QToolButton(this);
    browse->setText(QStringLiteral("..."));
    fileRow->addWidget(browse);
    form->addRow(QStringLiteral("File:"), fileRow);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    auto* write = new QPushButton(QStringLiteral("Export"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addStretch();
    buttons->addWidget(write);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(browse, &QToolButton::clicked, this, &CExportToFileDlg::browse);
    connect(write, &QPushButton::clicked, this, [this] {
        if (exportNow())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resizeToText(*this, 110, 8);
}

void CExportToFileDlg::browse()
{
    QFileDialog dialog(this, QStringLiteral("Export to File"));
    prepareSaveDialog(dialog, QStringLiteral("Text Files (*.txt *.csv)"), QStringLiteral("txt"));
    dialog.selectFile(m_file->text());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        m_file->setText(dialog.selectedFiles().first());
}

bool CExportToFileDlg::exportNow()
{
    const QString delimiter = m_delimiter->currentText();
    if (!exportDelimited(m_context, ExportSource::fromText(m_source), m_file->text(), delimiter))
        return false;
    delimiters::remember(delimiter);
    framework::showMessage(QStringLiteral("Exported Successfully"));
    return true;
}
