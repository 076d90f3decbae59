#include "tables/masks/CInputMask.h"

#include "tables/masks/CMaskedEdit.h"
#include "widgets/CGridCtrl.h"
#include "widgets/WindowSize.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CInputMask::CInputMask(const QString& property, QWidget* parent)
    : QDialog(parent), m_chooser(property), m_list(new CGridCtrl(this)), m_tryIt(new CMaskedEdit(this)),
      m_placeholder(new QComboBox(this)),
      m_withSymbols(new QRadioButton(QStringLiteral("With the symbols in the mask"), this)),
      m_withoutSymbols(new QRadioButton(QStringLiteral("Without the symbols in the mask"), this))
{
    setWindowTitle(QStringLiteral("Input Mask"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);

    m_list->setGridSize(0, 3);
    m_list->setColumnTitle(0, QStringLiteral("Input Mask"));
    m_list->setColumnTitle(1, QStringLiteral("Data Look"));
    m_list->setColumnTitle(2, QStringLiteral("Mask Format"));
    m_list->setWidth(0, 120);
    m_list->setWidth(1, 150);
    m_list->setWidth(2, 120);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(m_list, 1);

    auto* listButtons = new QHBoxLayout;
    auto* add = new QPushButton(QStringLiteral("New"), this);
    auto* edit = new QPushButton(QStringLiteral("Edit"), this);
    listButtons->addWidget(add);
    listButtons->addWidget(edit);
    listButtons->addStretch();
    layout->addLayout(listButtons);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Try It:"), m_tryIt);
    for (const QString& placeholder : MaskChooser::placeholders())
        m_placeholder->addItem(placeholder == QStringLiteral(" ") ? QStringLiteral("(blank)") : placeholder, placeholder);
    form->addRow(QStringLiteral("Placeholder Character"), m_placeholder);
    layout->addLayout(form);

    auto* storing = new QGroupBox(QStringLiteral("How do you want to store the data?"), this);
    auto* storingLayout = new QVBoxLayout(storing);
    storingLayout->addWidget(m_withSymbols);
    storingLayout->addWidget(m_withoutSymbols);
    layout->addWidget(storing);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);

    connect(m_list, &CGridCtrl::rowSelected, this, [this](int row) {
        m_chooser.select(row);
        showChoice();
    });
    connect(m_list, &QTableWidget::cellClicked, this, [this](int row) {
        m_chooser.select(row);
        showChoice();
    });
    connect(add, &QPushButton::clicked, this, [this] { editMask(true); });
    connect(edit, &QPushButton::clicked, this, [this] { editMask(false); });
    connect(m_placeholder, &QComboBox::activated, this, [this] {
        m_chooser.setPlaceholder(m_placeholder->currentData().toString().at(0));
        showChoice();
    });
    connect(m_withSymbols, &QRadioButton::toggled, this, [this](bool with) {
        m_chooser.setStoresSymbols(with);
        showChoice();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_placeholder->setCurrentIndex(std::max(0, m_placeholder->findData(QString(m_chooser.placeholder()))));
    (m_chooser.storesSymbols() ? m_withSymbols : m_withoutSymbols)->setChecked(true);
    resizeToText(*this, 120, 24);
    fillList();
    showChoice();
}

std::optional<QString> CInputMask::choose(const QString& property, QWidget* parent)
{
    CInputMask dialog(property, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chooser().result();
}

void CInputMask::fillList()
{
    const QList<MaskEntry>& masks = m_chooser.masks();
    m_list->setGridSize(int(masks.size()), 3);
    for (int row = 0; row < masks.size(); ++row) {
        m_list->setText(row, 0, masks[row].description);
        m_list->setText(row, 1, masks[row].sample);
        m_list->setText(row, 2, m_chooser.shownMask(row));
    }
    m_list->widenColumnsToFit();
    if (m_chooser.selected() >= 0)
        m_list->selectSingleRow(m_chooser.selected());
}

void CInputMask::showChoice() { m_tryIt->setMask(m_chooser.tryIt()); }

void CInputMask::editMask(bool isNew)
{
    std::optional<MaskEntry> start = isNew ? std::optional<MaskEntry>(MaskEntry{}) : m_chooser.startEdit();
    if (!start)
        return;
    CInputMaskEntryDlg entry(*start, this);
    if (entry.exec() != QDialog::Accepted)
        return;
    if (isNew ? m_chooser.add(entry.entry()) : m_chooser.replaceSelected(entry.entry())) {
        fillList();
        showChoice();
    }
}

CInputMaskEntryDlg::CInputMaskEntryDlg(const MaskEntry& entry, QWidget* parent)
    : QDialog(parent), m_description(new QLineEdit(entry.description, this)), m_mask(new QLineEdit(entry.mask, this)),
      m_sample(new QLineEdit(entry.sample, this))
{
    setWindowTitle(QStringLiteral("Create or Edit Input Mask"));
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Description"), m_description);
    form->addRow(QStringLiteral("Input Mask"), m_mask);
    form->addRow(QStringLiteral("Sample Data"), m_sample);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    form->addRow(ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

MaskEntry CInputMaskEntryDlg::entry() const { return {m_description->text(), m_sample->text(), m_mask->text()}; }
