#pragma once
// The datasheet's grid: the grid control with the header row counted as row 0, as the datasheet
// counts it, and a say over which cells open an in-place editor and whether an edit is kept.
#include "tables/DatasheetGrid.h"
#include "widgets/CGridCtrl.h"

#include <QPersistentModelIndex>

#include <functional>
#include <memory>
#include <optional>

class CViewDataGrid : public CGridCtrl {
    Q_OBJECT
public:
    explicit CViewDataGrid(QWidget* parent = nullptr);
    ~CViewDataGrid() override;

    // The grid as the datasheet fills it.
    DatasheetGrid& sheetGrid() { return *m_sheetGrid; }

    // Asked before a cell's editor opens (datasheet rows and columns); sets the cell's editor up and
    // answers false for a cell that is not edited.
    std::function<bool(int row, int column)> prepareEdit;
    // Stores an ended in-place edit (datasheet rows and columns); false when the value was refused. A
    // refused value goes back to the user: the cursor stays in its cell, whose editor opens again on the
    // typed text, however the edit was ended.
    std::function<bool(int row, int column)> storeEdit;
    // A refused value is on its way back into its cell's editor.
    bool holdsRefusedValue() const { return m_refused.has_value(); }

signals:
    // The current cell moved (datasheet rows and columns).
    void cellEntered(int row, int column);
    // An in-place edit was ended with the Enter key.
    void enterPressed();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    struct HeldText {
        QPersistentModelIndex cell;
        QString text;
    };
    void reopenRefused();

    std::unique_ptr<DatasheetGrid> m_sheetGrid;
    // The refused cell and the text typed into it.
    std::optional<HeldText> m_refused;
    // While a refused value is edited again: its cell and what the cell showed before, for Escape.
    std::optional<HeldText> m_shownBefore;
};
