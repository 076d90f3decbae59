#include "filebrowser/browser/RowSorting.h"

#include <algorithm>

namespace browser {

namespace {

int compareRows(const BrowserRow& a, const BrowserRow& b, Column column)
{
    if (column == Size) {
        const qint64 left = a.texts[SizeK].toLongLong(), right = b.texts[SizeK].toLongLong();
        return left < right ? -1 : (left > right ? 1 : 0);
    }
    return QString::compare(a.texts[column], b.texts[column], Qt::CaseInsensitive);
}

void sortBlock(QList<BrowserRow>::iterator begin, QList<BrowserRow>::iterator end, Column column, bool descending)
{
    std::stable_sort(begin, end, [&](const BrowserRow& a, const BrowserRow& b) {
        const int order = compareRows(a, b, column);
        return descending ? order > 0 : order < 0;
    });
}

}  // namespace

void sortRows(QList<BrowserRow>& rows, qsizetype folderCount, Column column, bool descending)
{
    const auto firstFile = rows.begin() + std::clamp<qsizetype>(folderCount, 0, rows.size());
    if (column != Size)
        sortBlock(rows.begin(), firstFile, column, descending);
    sortBlock(firstFile, rows.end(), column, descending);
}

}  // namespace browser
