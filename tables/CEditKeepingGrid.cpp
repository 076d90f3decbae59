#include "tables/CEditKeepingGrid.h"

#include <QTimer>

#include <utility>

CEditKeepingGrid::CEditKeepingGrid(QWidget* parent) : CGridCtrl(parent)
{
    connect(this, &CGridCtrl::editFinished, this, [this](int row, int column, const QString& text) {
        // Only a value typed into an open editor is handed back; one set from outside has no editor to return to.
        if (storeEdit && !storeEdit(ownerRow(row), column) && isEditing())
            m_refused = HeldText{model()->index(row, column), text};
    });
}

// A message about the value being stored runs an event loop of its own, and the editor losing the focus to
// it would store the value again and close the editor, deleting it under the store still running. The
// store and the close that come of the focus are left to the store already running.
void CEditKeepingGrid::commitData(QWidget* editor)
{
    if (m_committing && editor == m_committing)
        return;
    m_committing = editor;
    CGridCtrl::commitData(editor);
    m_committing = nullptr;
}

void CEditKeepingGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (m_committing && editor == m_committing)
        return;
    const std::optional<HeldText> shownBefore = std::exchange(m_shownBefore, std::nullopt);
    if (m_refused) {
        // Wherever the edit was ended towards, the cursor stays; the editor comes back once this one has
        // gone, and after any move the view makes of its own.
        CGridCtrl::closeEditor(editor, QAbstractItemDelegate::NoHint);
        QTimer::singleShot(0, this, [this] { reopenRefused(); });
        return;
    }
    endEdit(editor, hint);
    if (hint == QAbstractItemDelegate::RevertModelCache && shownBefore && shownBefore->cell.isValid())
        setText(shownBefore->cell.row(), shownBefore->cell.column(), shownBefore->text);
}

void CEditKeepingGrid::endEdit(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    CGridCtrl::closeEditor(editor, hint);
}

void CEditKeepingGrid::reopenRefused()
{
    const std::optional<HeldText> refused = std::exchange(m_refused, std::nullopt);
    if (!refused || !refused->cell.isValid())
        return;
    const int row = refused->cell.row(), column = refused->cell.column();
    // The editor opens on what the cell holds: the typed text, until the edit ends once more.
    const QString shown = text(row, column);
    setCurrentCell(row, column);
    setText(row, column, refused->text);
    if (!edit(refused->cell, AllEditTriggers, nullptr)) {
        setText(row, column, shown);
        return;
    }
    m_shownBefore = HeldText{refused->cell, shown};
}
