#include "tables/CAdvancedFilterDlg.h"

#include "tables/AdvancedFilter.h"
#include "tables/DatasheetFilter.h"
#include "tables/FilterTarget.h"
#include "widgets/CGridCtrl.h"
#include "widgets/WindowSize.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kOperatorsPerLine = 7;

QPushButton* makeButton(QWidget* parent, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus); // the grid keeps its current cell while an operator is added
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed); // the row fits the device's width
    return button;
}

} // namespace

CAdvancedFilterDlg::CAdvancedFilterDlg(FilterTarget& target, DatasheetFilter& filter, QWidget* parent)
    : QDialog(parent), m_target(target), m_filter(filter), m_grid(new CGridCtrl(this))
{
    setWindowTitle(QStringLiteral("Advanced Filter"));
    m_grid->setGridSize(AdvancedFilterGrid::kRows, AdvancedFilterGrid::kColumns);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->horizontalHeader()->setVisible(false);
    m_grid->setWidth(0, 60);
    fillRowNames();
    m_grid->widenColumnsToFit();

    QStringList fields{QString()};
    for (int field = 0; field < target.fieldCount(); ++field)
        fields << target.fieldName(field);
    for (int column = 1; column < AdvancedFilterGrid::kColumns; ++column) {
        m_grid->setChoices(AdvancedFilterGrid::FieldRow, column, fields);
        m_grid->setChoices(AdvancedFilterGrid::SortRow, column,
                           {QStringLiteral("Ascending"), QStringLiteral("Descending")});
    }
    m_grid->setCurrentCell(AdvancedFilterGrid::FieldRow, 1);

    auto* operators = new QGridLayout;
    operators->setSpacing(2);
    const QStringList buttons = advancedOperatorButtons();
    for (int i = 0; i < buttons.size(); ++i) {
        QPushButton* button = makeButton(this, buttons[i]);
        connect(button, &QPushButton::clicked, this, [this, text = buttons[i]] { appendOperator(text); });
        operators->addWidget(button, i / kOperatorsPerLine, i % kOperatorsPerLine);
    }

    auto* commands = new QHBoxLayout;
    const auto command = [&](const QString& text, void (CAdvancedFilterDlg::*handler)()) {
        QPushButton* button = makeButton(this, text);
        connect(button, &QPushButton::clicked, this, handler);
        commands->addWidget(button);
    };
    command(QStringLiteral("Clear All"), &CAdvancedFilterDlg::clearAll);
    command(QStringLiteral("Sort"), &CAdvancedFilterDlg::sort);
    command(QStringLiteral("Cancel"), &CAdvancedFilterDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_grid);
    layout->addLayout(operators);
    layout->addLayout(commands);
    resizeToText(*this, 130, 22);
}

void CAdvancedFilterDlg::run(QWidget* parent, FilterTarget& target, DatasheetFilter& filter)
{
    CAdvancedFilterDlg dialog(target, filter, parent);
    dialog.exec();
}

void CAdvancedFilterDlg::fillRowNames()
{
    const QStringList names = AdvancedFilterGrid::rowNames();
    for (int row = 0; row < names.size(); ++row) {
        m_grid->setText(row, 0, names[row]);
        m_grid->setReadOnly(row, 0, true);
    }
}

void CAdvancedFilterDlg::appendOperator(const QString& button)
{
    m_grid->commitOpenEditor();
    const int row = m_grid->currentRow();
    const int column = m_grid->currentColumn();
    if (row < AdvancedFilterGrid::CriteriaRow || column < 1)
        return;
    m_grid->setText(row, column, m_grid->text(row, column) + advancedOperatorText(button));
}

void CAdvancedFilterDlg::clearAll()
{
    for (int row = 0; row < AdvancedFilterGrid::kRows; ++row)
        for (int column = 1; column < AdvancedFilterGrid::kColumns; ++column)
            m_grid->setText(row, column, QString());
}

void CAdvancedFilterDlg::sort()
{
    m_grid->commitOpenEditor();
    AdvancedFilterGrid cells;
    for (int row = 0; row < AdvancedFilterGrid::kRows; ++row)
        for (int column = 1; column < AdvancedFilterGrid::kColumns; ++column)
            cells.setText(row, column, m_grid->text(row, column));
    m_filter.applyAdvanced(buildAdvancedStatement(m_target.sourceName(), cells));
    accept();
}
