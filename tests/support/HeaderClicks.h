#pragma once
// A user's double click on the border at the right of a column's header, where the resize cursor shows.
#include <QHeaderView>
#include <QTest>

inline void doubleClickBorderAfter(QHeaderView& header, int column)
{
    const int border = header.sectionViewportPosition(column) + header.sectionSize(column) - 1;
    QTest::mouseDClick(header.viewport(), Qt::LeftButton, {}, QPoint(border, header.height() / 2));
}
