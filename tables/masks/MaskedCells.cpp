#include "tables/masks/MaskedCells.h"

#include "tables/masks/CMaskedEdit.h"
#include "widgets/CGridCtrl.h"

#include <QPointer>
#include <QStyledItemDelegate>

namespace {

constexpr int kMaskRole = Qt::UserRole + 64;

// Masked cells get a masked edit; every other cell goes to the grid's own delegate.
class MaskedDelegate : public QStyledItemDelegate {
public:
    MaskedDelegate(CGridCtrl* grid, QAbstractItemDelegate* own) : QStyledItemDelegate(grid), m_grid(grid), m_own(own)
    {
        own->setParent(this);
        connect(own, &QAbstractItemDelegate::commitData, this, &QAbstractItemDelegate::commitData);
        connect(own, &QAbstractItemDelegate::closeEditor, this, &QAbstractItemDelegate::closeEditor);
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (index.data(kMaskRole).toString().isEmpty())
            return m_own->createEditor(parent, option, index);
        return new CMaskedEdit(parent);
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* masked = qobject_cast<CMaskedEdit*>(editor);
        if (!masked)
            return m_own->setEditorData(editor, index);
        const InputMask mask = InputMask::fromProperty(index.data(kMaskRole).toString());
        masked->setMask(mask, mask.storedOfCell(index.data(Qt::DisplayRole).toString(), false));
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        auto* masked = qobject_cast<CMaskedEdit*>(editor);
        if (!masked)
            return m_own->setModelData(editor, model, index);
        m_grid->commitEdit(index.row(), index.column(), masked->revealedText());
    }
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        m_own->updateEditorGeometry(editor, option, index);
    }

private:
    QPointer<CGridCtrl> m_grid;
    QAbstractItemDelegate* m_own;
};

} // namespace

namespace maskedcells {

void install(CGridCtrl& grid)
{
    if (!dynamic_cast<MaskedDelegate*>(grid.itemDelegate()))
        grid.setItemDelegate(new MaskedDelegate(&grid, grid.itemDelegate()));
}

void setMask(CGridCtrl& grid, int row, int column, const QString& property)
{
    if (QTableWidgetItem* item = grid.item(row, column))
        item->setData(kMaskRole, property);
    else if (!property.isEmpty()) {
        grid.setText(row, column, QString());
        grid.item(row, column)->setData(kMaskRole, property);
    }
}

} // namespace maskedcells
