#include "widgets/ColumnFit.h"

#include <QAbstractItemView>
#include <QHeaderView>

#include <algorithm>

namespace {
// Room for a full name with its street, or a sentence of a note.
constexpr int kOpeningCharacters = 50;
}

int fittedColumnWidth(const QAbstractItemView& view, const QHeaderView& header, int column, int maximum, int rows)
{
    const QAbstractItemModel* model = view.model();
    if (!model)
        return 0;
    int width = std::max(0, header.sectionSizeHint(column));
    const int shown = std::min(model->rowCount(view.rootIndex()), rows);
    for (int row = 0; row < shown && (maximum <= 0 || width < maximum); ++row)
        width = std::max(width, view.sizeHintForIndex(model->index(row, column, view.rootIndex())).width());
    // The cell's grid line and focus frame take a pixel on each side.
    width += 2;
    return maximum > 0 ? std::min(width, maximum) : width;
}

int widestOpeningColumn(const QAbstractItemView& view)
{
    return view.fontMetrics().averageCharWidth() * kOpeningCharacters;
}

void widenColumnsToFit(QAbstractItemView& view, QHeaderView& header)
{
    const int widest = widestOpeningColumn(view);
    for (int column = 0; column < header.count(); ++column) {
        // A stretched last column already takes whatever room is left.
        const bool stretched = header.stretchLastSection() && header.visualIndex(column) == header.count() - 1;
        if (header.isSectionHidden(column) || stretched)
            continue;
        const int fitted = fittedColumnWidth(view, header, column, widest);
        if (fitted > header.sectionSize(column))
            header.resizeSection(column, fitted);
    }
}
