#pragma once
// What stands on every page around its content: a title and the date above, a line of the page's own
// text and "Page N of M" below.
#include <QDate>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

struct PageFrame {
    QString title;
    QString footer;
    QDate date = QDate::currentDate();

    // The part of a page's body that is left for its content.
    static QRectF contentRect(const QSizeF& body);
    // `pageCount` 0 while the pages are still being counted: the page's number stands alone then.
    void paint(QPainter& painter, const QSizeF& body, int page, int pageCount) const;
};

// The date as the program writes dates: "M/D/YYYY".
QString printedDate(const QDate& date);
