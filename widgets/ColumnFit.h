#pragma once
// Columns that open wide enough to show their header and the values of their first page whole, up to a
// width past which a column would crowd out the others.
class QAbstractItemView;
class QHeaderView;

// The width that shows the header of `column` and the values of its first `rows` rows whole, at most
// `maximum` (0: no bound).
int fittedColumnWidth(const QAbstractItemView& view, const QHeaderView& header, int column, int maximum,
                      int rows = 50);

// The widest a column opens: fifty characters of the view's font.
int widestOpeningColumn(const QAbstractItemView& view);

// Widens every shown column to its fitted width (within widestOpeningColumn); a column never narrows
// below the width it has, and a stretched last column is left to its stretch.
void widenColumnsToFit(QAbstractItemView& view, QHeaderView& header);
