#include "forms/controls/CFormGridCtrl.h"

#include "forms/controls/ControlLook.h"
#include "widgets/CGridCtrl.h"

CFormGridCtrl::CFormGridCtrl(PropertySet properties, int index, QWidget* parent)
    : CFormControl(std::move(properties), index, parent), m_grid(new CGridCtrl(this))
{
    setBody(m_grid);
    connect(m_grid, &QTableWidget::cellClicked, this, [this] { raise("OnClick"); });
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row, int column, int oldRow, int oldColumn) {
        if (oldRow >= 0 && oldColumn >= 0)
            raise("OnLeaveCell");
        if (row >= 0 && column >= 0)
            raise("OnEnterCell");
    });
    watch(m_grid);
    applyProperties();
}

QWidget* CFormGridCtrl::focusTarget() const { return m_grid; }

void CFormGridCtrl::applyKindProperties()
{
    m_grid->setShowGrid(isYes("Grid Lines"));
    m_grid->setUpdatesEnabled(!isNo("Redraw"));
    // No row count is stored, so the grid starts without rows.
    const int columns = std::max(LeadingNumber(property("Columns")), 0);
    m_grid->setGridSize(0, columns);
    const int width = std::max(LeadingNumber(property("Column Width")), 0);
    for (int column = 0; column < columns; ++column)
        m_grid->setWidth(column, width);

    QPalette colours = m_grid->palette();
    const auto setIfStored = [&colours, this](const char* name, QPalette::ColorRole role) {
        if (!property(name).isEmpty())
            colours.setColor(role, StoredColor(property(name)));
    };
    setIfStored("Back Color", QPalette::Base);
    setIfStored("Back Color Background", QPalette::Window);
    setIfStored("Fore Color", QPalette::Text);
    m_grid->setPalette(colours);
    if (!property("Grid Color").isEmpty())
        m_grid->setStyleSheet(QStringLiteral("QTableView { gridline-color: %1; }")
                                  .arg(StoredColor(property("Grid Color")).name()));
}
