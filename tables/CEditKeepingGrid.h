#pragma once
// A grid whose owner stores each ended in-place edit and may refuse it. A refused value goes back to the
// user: the cursor stays in its cell, whose editor opens again on the typed text, however the edit was
// ended; Escape then gives the typing up and the cell shows what it showed before.
#include "widgets/CGridCtrl.h"

#include <QPersistentModelIndex>
#include <QPointer>

#include <functional>
#include <optional>

class CEditKeepingGrid : public CGridCtrl {
    Q_OBJECT
public:
    explicit CEditKeepingGrid(QWidget* parent = nullptr);

    // Stores an ended in-place edit, in the owner's rows and columns; false when the value was refused.
    std::function<bool(int row, int column)> storeEdit;
    // A refused value is on its way back into its cell's editor.
    bool holdsRefusedValue() const { return m_refused.has_value(); }

protected:
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    // Ends an edit that was kept; a grid that moves on in its own way after an edit does it here.
    virtual void endEdit(QWidget* editor, QAbstractItemDelegate::EndEditHint hint);
    // The owner's row of a grid row.
    virtual int ownerRow(int row) const { return row; }

private:
    struct HeldText {
        QPersistentModelIndex cell;
        QString text;
    };
    void reopenRefused();

    // The refused cell and the text typed into it.
    std::optional<HeldText> m_refused;
    // While a refused value is edited again: its cell and what the cell showed before, for Escape.
    std::optional<HeldText> m_shownBefore;
    // The editor whose value is being stored.
    QPointer<QWidget> m_committing;
};
