#include "tables/CRecordViewGrid.h"

#include <QHeaderView>

CRecordViewGrid::CRecordViewGrid(QWidget* parent) : CEditKeepingGrid(parent)
{
    setObjectName(QStringLiteral("recordView"));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setGridSize(0, 2);
    setColumnTitle(0, QStringLiteral("Field"));
    setColumnTitle(1, QStringLiteral("Value"));
    horizontalHeader()->setStretchLastSection(true);
}

void CRecordViewGrid::showRecord(const QStringList& names, const QStringList& values)
{
    setGridSize(int(names.size()), 2);
    for (int row = 0; row < names.size(); ++row) {
        setText(row, 0, names[row]);
        setReadOnly(row, 0, true);
        setText(row, 1, values.value(row));
    }
}
