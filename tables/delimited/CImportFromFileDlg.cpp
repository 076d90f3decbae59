#include "tables/delimited/CImportFromFileDlg.h"

#include "tables/delimited/DelimiterList.h"
#include "widgets/CGridCtrl.h"
#include "widgets/WindowSize.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

CImportFromFileDlg::CImportFromFileDlg(CAppContext& context, const QString& path, QWidget* parent)
    : QDialog(parent), m_session(context, path), m_delimiter(new QComboBox(this)),
      m_firstRow(new QCheckBox(QStringLiteral("First Row Contains Field Names"), this)),
      m_skipComments(new QCheckBox(QStringLiteral("Skip Lines Starting with #"), this)), m_table(new QLineEdit(this)),
      m_preview(new CGridCtrl(this)), m_name(new QLineEdit(this)), m_type(new QComboBox(this)),
      m_size(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Import From a File"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);

    auto* top = new QFormLayout;
    top->setContentsMargins(0, 0, 0, 0);
    m_delimiter->setEditable(true);
    m_delimiter->addItems(delimiters::entries());
    m_delimiter->setInsertPolicy(QComboBox::NoInsert);
    if (const int entry = m_delimiter->findText(m_session.delimiter()); entry >= 0)
        m_delimiter->setCurrentIndex(entry);
    else
        m_delimiter->setEditText(m_session.delimiter());
    top->addRow(QStringLiteral("Delimiter:"), m_delimiter);
    m_firstRow->setChecked(m_session.firstRowNames());
    top->addRow(m_firstRow);
    m_skipComments->setChecked(m_session.skipComments());
    top->addRow(m_skipComments);
    m_table->setText(m_session.tableName());
    top->addRow(QStringLiteral("Table Name :"), m_table);
    layout->addLayout(top);

    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setSelectionBehavior(QAbstractItemView::SelectColumns);
    layout->addWidget(m_preview, 1);

    auto* field = new QFormLayout;
    field->setContentsMargins(0, 0, 0, 0);
    field->addRow(QStringLiteral("Name:"), m_name);
    auto* typeRow = new QHBoxLayout;
    m_type->addItems(fieldtypes::typeNames());
    typeRow->addWidget(m_type, 1);
    typeRow->addWidget(new QLabel(QStringLiteral("Size:"), this));
    m_size->setValidator(new QIntValidator(1, 4000, m_size));
    m_size->setMaximumWidth(m_size->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    typeRow->addWidget(m_size);
    field->addRow(QStringLiteral("Type :"), typeRow);
    layout->addLayout(field);

    auto* buttons = new QHBoxLayout;
    auto* import = new QPushButton(QStringLiteral("Import"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    // Enter in the delimiter, name or size box takes what was typed there; it must not start the import too.
    for (QPushButton* button : {import, cancel})
        button->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(import);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(m_delimiter, &QComboBox::activated, this, [this] { reread(); });
    connect(m_delimiter->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (m_delimiter->currentText() != m_session.delimiter())
            reread();
    });
    connect(m_firstRow, &QCheckBox::toggled, this, [this] { reread(); });
    connect(m_skipComments, &QCheckBox::toggled, this, [this] { reread(); });
    connect(m_table, &QLineEdit::textEdited, this, [this](const QString& text) { m_session.setTableName(text); });
    connect(m_preview->horizontalHeader(), &QHeaderView::sectionClicked, this, &CImportFromFileDlg::selectColumn);
    connect(m_preview, &QTableWidget::cellClicked, this, [this](int, int column) { selectColumn(column); });
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_session.setFieldName(m_column, text);
        showPreview();
    });
    connect(m_type, &QComboBox::activated, this, [this] {
        m_session.setFieldType(m_column, m_type->currentText());
        showField();
    });
    connect(m_size, &QLineEdit::textEdited, this, [this](const QString& text) { m_session.setFieldSize(m_column, text); });
    connect(import, &QPushButton::clicked, this, &CImportFromFileDlg::importNow);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    resizeToText(*this, 130, 32);
    m_firstReading = m_session.read(m_delimiter->currentText(), m_firstRow->isChecked(), m_skipComments->isChecked());
    showPreview();
}

std::optional<QString> CImportFromFileDlg::importFile(CAppContext& context, const QString& path, QWidget* parent)
{
    CImportFromFileDlg dialog(context, path, parent);
    if (dialog.firstReading() == PreviewFailure::File || dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.session().tableName();
}

void CImportFromFileDlg::reread()
{
    m_session.read(m_delimiter->currentText(), m_firstRow->isChecked(), m_skipComments->isChecked());
    showPreview();
}

void CImportFromFileDlg::showPreview()
{
    const QList<FieldDefinition>& fields = m_session.fields();
    const QList<QStringList>& lines = m_session.lines();
    m_preview->setGridSize(int(lines.size()), int(fields.size()));
    for (int column = 0; column < fields.size(); ++column) {
        m_preview->setColumnTitle(column, fields[column].name);
        m_preview->setWidth(column, 70);
        // A field named otherwise than in the file stands out, and tells the file's name on hovering.
        const QString header = m_session.header(column);
        QTableWidgetItem* title = m_preview->horizontalHeaderItem(column);
        const bool renamed = !header.isEmpty() && header != fields[column].name;
        QFont font = title->font();
        font.setItalic(renamed);
        title->setFont(font);
        title->setToolTip(renamed ? QStringLiteral("\"%1\" in the file").arg(header) : QString());
    }
    for (int row = 0; row < lines.size(); ++row)
        for (int column = 0; column < fields.size(); ++column)
            m_preview->setText(row, column, lines[row].value(column));
    m_preview->widenColumnsToFit();
    if (m_column >= fields.size() || m_column < 0)
        selectColumn(fields.isEmpty() ? -1 : 0);
    else
        showField();
}

void CImportFromFileDlg::selectColumn(int column)
{
    m_column = column;
    if (column >= 0)
        m_preview->selectColumn(column);
    showField();
}

void CImportFromFileDlg::showField()
{
    const bool shown = m_column >= 0 && m_column < m_session.fields().size();
    const FieldDefinition field = shown ? m_session.fields()[m_column] : FieldDefinition{};
    m_name->setText(field.name);
    m_type->setCurrentIndex(m_type->findText(field.type));
    m_size->setText(m_session.fieldSize(m_column));
    for (QWidget* box : {static_cast<QWidget*>(m_name), static_cast<QWidget*>(m_type)})
        box->setEnabled(shown);
    m_size->setEnabled(shown && field.type == fieldtypes::kText);
}

bool CImportFromFileDlg::progressed(QProgressDialog& progress, double share)
{
    progress.setValue(int(share * 1000));
    QApplication::processEvents();
    return !progress.wasCanceled();
}

void CImportFromFileDlg::importNow()
{
    // The box comes with the first records, after any question, and goes before the closing message, so
    // that it never stands over a message box.
    std::unique_ptr<QProgressDialog> progress;
    const auto step = [&](double share) {
        if (!progress) {
            progress = std::make_unique<QProgressDialog>(
                QStringLiteral("Importing ") + m_session.tableName() + QStringLiteral("..."), QStringLiteral("Cancel"),
                0, 1000, this);
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(300);
        }
        return progressed(*progress, share);
    };
    const bool done = m_session.import(step, [&] { progress.reset(); });
    if (done)
        accept();
}
