#pragma once
// The datasheet's grid: the grid control with the header row counted as row 0, as the datasheet
// counts it, and a say over which cells open an in-place editor and whether an edit is kept.
#include "tables/CEditKeepingGrid.h"
#include "tables/DatasheetGrid.h"

#include <functional>
#include <memory>

// Its rows for storeEdit are the datasheet's.
class CViewDataGrid : public CEditKeepingGrid {
    Q_OBJECT
public:
    explicit CViewDataGrid(QWidget* parent = nullptr);
    ~CViewDataGrid() override;

    // The grid as the datasheet fills it.
    DatasheetGrid& sheetGrid() { return *m_sheetGrid; }

    // Asked before a cell's editor opens (datasheet rows and columns); sets the cell's editor up and
    // answers false for a cell that is not edited.
    std::function<bool(int row, int column)> prepareEdit;
signals:
    // The current cell moved (datasheet rows and columns).
    void cellEntered(int row, int column);
    // An in-place edit was ended with the Enter key.
    void enterPressed();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void endEdit(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    int ownerRow(int row) const override { return row + 1; }

private:
    std::unique_ptr<DatasheetGrid> m_sheetGrid;
};
