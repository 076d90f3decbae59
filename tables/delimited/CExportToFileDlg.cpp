#include "tables/delimited/CExportToFileDlg.h"

#include "data/DatabaseFolder.h"
#include "platform/device/DevicePath.h"
#include "platform/framework/MessageBox.h"
#include "tables/delimited/DelimiterList.h"
#include "tables/delimited/TextExport.h"
#include "widgets/WindowSize.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

CExportToFileDlg::CExportToFileDlg(CAppContext& context, const QString& source, QWidget* parent)
    : QDialog(parent), m_context(context), m_source(source), m_delimiter(new QComboBox(this)),
      m_file(new QLineEdit(this)), m_browse(new QToolButton(this))
{
    setWindowTitle(QStringLiteral("Export to File"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* form = new QFormLayout;
    m_delimiter->setEditable(true);
    m_delimiter->setInsertPolicy(QComboBox::NoInsert);
    m_delimiter->addItems(delimiters::entries());
    form->addRow(QStringLiteral("Delimiter:"), m_delimiter);
    // Offered in the Default Database Folder, the one folder the program keeps the user's files in.
    const QString folder = defaultDatabaseFolder();
    const QString name = ExportSource::fromText(source).name + QStringLiteral(".txt");
    m_file->setText(QDir(folder.isEmpty() ? device::rootFolder() : device::toHostPath(folder).value_or(device::rootFolder()))
                        .filePath(name));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    m_browse->setText(QStringLiteral("..."));
    m_browse->setVisible(false);
    fileRow->addWidget(m_browse);
    form->addRow(QStringLiteral("File:"), fileRow);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    auto* write = new QPushButton(QStringLiteral("Export"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addStretch();
    buttons->addWidget(write);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(m_browse, &QToolButton::clicked, this, &CExportToFileDlg::browse);
    connect(write, &QPushButton::clicked, this, [this] {
        if (exportNow())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resizeToText(*this, 110, 8);
}

void CExportToFileDlg::setFileChooser(ExportFileChooser chooser)
{
    m_chooser = std::move(chooser);
    m_browse->setVisible(bool(m_chooser));
}

void CExportToFileDlg::browse()
{
    if (!m_chooser)
        return;
    if (const QString chosen = m_chooser(this, m_file->text()); !chosen.isEmpty())
        m_file->setText(chosen);
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
