#include "tables/CViewDataGrid.h"

#include <QHeaderView>

#include <utility>


namespace {

// Row 0 is the header; record rows are the control's rows from 0.
class HeaderRowGrid : public DatasheetGrid {
public:
    explicit HeaderRowGrid(CGridCtrl& grid) : m_grid(grid) {}

    void setGridSize(int rows, int columns) override { m_grid.setGridSize(std::max(0, rows - 1), columns); }
    int rowCount() const override { return m_grid.rowCount() + 1; }
    int columnCount() const override { return m_grid.columnCount(); }
    QString text(int row, int column) const override
    {
        if (row > 0)
            return m_grid.text(row - 1, column);
        const QTableWidgetItem* title = m_grid.horizontalHeaderItem(column);
        return title ? title->text() : QString();
    }
    void setText(int row, int column, const QString& text) override
    {
        if (row > 0)
            m_grid.setText(row - 1, column, text);
        else
            m_grid.setColumnTitle(column, text);
    }
    int width(int column) const override
    {
        return m_grid.isColumnHidden(column) ? 0 : m_grid.columnWidth(column);
    }
    void setWidth(int column, int width) override { m_grid.setWidth(column, width); }
    int fittedWidth(int column) const override { return m_grid.fittedWidth(column); }
    int currentRow() const override { return m_grid.currentRow() < 0 ? -1 : m_grid.currentRow() + 1; }
    int currentColumn() const override { return m_grid.currentColumn(); }
    void setCurrentCell(int row, int column) override
    {
        if (row < 1)
            m_grid.setCurrentCell(-1, column);
        else
            m_grid.setCurrentCell(row - 1, column);
    }

private:
    CGridCtrl& m_grid;
};

} // namespace

CViewDataGrid::CViewDataGrid(QWidget* parent)
    : CEditKeepingGrid(parent), m_sheetGrid(std::make_unique<HeaderRowGrid>(*this))
{
    setObjectName(QStringLiteral("dataGrid"));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row >= 0)
            emit cellEntered(row + 1, column);
    });
}

CViewDataGrid::~CViewDataGrid() = default;

bool CViewDataGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // Only an attempt to open an editor asks; the view also calls edit() for every current-cell move.
    const bool opens = index.isValid() && (editTriggers() & trigger) && trigger != NoEditTriggers;
    if (opens && prepareEdit && !prepareEdit(index.row() + 1, index.column()))
        return false;
    return CGridCtrl::edit(index, trigger, event);
}

QModelIndex CViewDataGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    const QModelIndex next = CEditKeepingGrid::moveCursor(action, modifiers);
    // Tab past the last cell would start over at the first record, where the next typing lands unnoticed
    // on a record the user never meant; the cursor stays on the last cell instead (and so on the first
    // for Shift+Tab).
    const auto place = [](const QModelIndex& index) { return std::pair{index.row(), index.column()}; };
    const bool wraps = current.isValid() && next.isValid() &&
                       ((action == MoveNext && place(next) < place(current)) ||
                        (action == MovePrevious && place(next) > place(current)));
    return wraps ? current : next;
}

void CViewDataGrid::endEdit(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    const bool tab = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    // Tab moves to the next cell without opening it, as a move does: what is typed there replaces its
    // value instead of joining it.
    CGridCtrl::closeEditor(editor, tab ? QAbstractItemDelegate::NoHint : hint);
    // A key ended the edit, so the keys stay with the grid, even when the window is not the active one just
    // then (as after a message box), which would otherwise hand them to the next widget of the window.
    if (hint != QAbstractItemDelegate::NoHint)
        setFocus();
    if (tab) {
        const QModelIndex next = moveCursor(hint == QAbstractItemDelegate::EditNextItem ? MoveNext : MovePrevious,
                                            Qt::NoModifier);
        if (next.isValid())
            setCurrentIndex(next);
    }
    // Enter submits without moving.
    if (hint == QAbstractItemDelegate::SubmitModelCache)
        emit enterPressed();
}
