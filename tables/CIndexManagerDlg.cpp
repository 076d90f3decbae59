#include "tables/CIndexManagerDlg.h"

#include "widgets/WindowSize.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

CIndexManagerDlg::CIndexManagerDlg(CAppContext& context, const QString& table, QWidget* parent)
    : QDialog(parent), m_manager(context, table), m_list(new QTreeWidget(this)), m_name(new QLineEdit(this)),
      m_field(new QComboBox(this)), m_nullFirst(new QCheckBox(this)), m_caseSensitive(new QCheckBox(this)),
      m_desc(new QCheckBox(this)), m_progress(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Index Manager - ") + table);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);

    auto* bar = new QGridLayout;
    bar->setSpacing(1);
    int position = 0;
    const auto command = [&](const QString& text, void (CIndexManagerDlg::*handler)()) {
        auto* button = new QToolButton(this);
        button->setText(text);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(button, &QToolButton::clicked, this, handler);
        bar->addWidget(button, position / 3, position % 3);
        ++position;
    };
    command(QStringLiteral("Add Index"), &CIndexManagerDlg::addIndex);
    command(QStringLiteral("Delete Index"), &CIndexManagerDlg::deleteIndex);
    command(QStringLiteral("Save Index Flags"), &CIndexManagerDlg::saveIndexFlags);
    command(QStringLiteral("Move Index Up"), &CIndexManagerDlg::moveIndexUp);
    command(QStringLiteral("Move Index Down"), &CIndexManagerDlg::moveIndexDown);
    layout->addLayout(bar);

    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels(IndexManager::columnTitles());
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_list, 1);

    auto* editing = new QFormLayout;
    editing->addRow(QStringLiteral("Index Name:"), m_name);
    editing->addRow(QStringLiteral("Field:"), m_field);
    auto* options = new QHBoxLayout;
    for (auto [label, box] : {std::pair{QStringLiteral("Null First:"), m_nullFirst},
                              std::pair{QStringLiteral("Case Sensitive:"), m_caseSensitive},
                              std::pair{QStringLiteral("Desc:"), m_desc}}) {
        options->addWidget(new QLabel(label, this));
        options->addWidget(box);
    }
    options->addStretch();
    editing->addRow(options);
    layout->addLayout(editing);
    layout->addWidget(m_progress);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resizeToText(*this, 130, 24);
}

void CIndexManagerDlg::run(QWidget* parent, CAppContext& context, const QString& table)
{
    CIndexManagerDlg dialog(context, table, parent);
    if (dialog.load())
        dialog.exec();
}

bool CIndexManagerDlg::load()
{
    if (!m_manager.load())
        return false;
    m_field->clear();
    m_field->addItems(m_manager.fields());
    refresh(0);
    return true;
}

void CIndexManagerDlg::refresh(int selectedRow)
{
    m_list->clear();
    for (const IndexRow& row : m_manager.rows())
        m_list->addTopLevelItem(new QTreeWidgetItem(row.columns()));
    if (QTreeWidgetItem* item = m_list->topLevelItem(selectedRow))
        m_list->setCurrentItem(item);
}

int CIndexManagerDlg::selectedRow() const
{
    return m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
}

IndexOptions CIndexManagerDlg::ticked() const
{
    return {m_nullFirst->isChecked(), m_caseSensitive->isChecked(), m_desc->isChecked()};
}

void CIndexManagerDlg::addIndex()
{
    if (m_manager.add(m_name->text(), m_field->currentText()))
        refresh(int(m_manager.rows().size()) - 1);
}

void CIndexManagerDlg::deleteIndex()
{
    if (selectedRow() >= 0 && m_manager.remove(selectedRow()))
        refresh(0);
}

void CIndexManagerDlg::saveIndexFlags()
{
    m_manager.save(ticked(), [this](const QString& step) {
        m_progress->setText(step);
        // Painted at once, without running events that could reach the engine mid-reorder.
        m_progress->repaint();
    });
    m_progress->clear();
    refresh(selectedRow());
}

void CIndexManagerDlg::moveIndexUp()
{
    const int row = selectedRow();
    if (m_manager.moveUp(row))
        refresh(row - 1);
}

void CIndexManagerDlg::moveIndexDown()
{
    const int row = selectedRow();
    if (m_manager.moveDown(row))
        refresh(row + 1);
}

void CIndexManagerDlg::done(int result)
{
    m_manager.close(ticked());
    QDialog::done(result);
}
