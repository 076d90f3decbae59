#pragma once
// Something to put on paper, a page at a time: a datasheet, a report, a label sheet, a form. Pages are
// laid out first, a slice at a time so that a window stays responsive and a big source never sits in
// memory whole; then any page can be painted, in any order, onto any device.
#include <QPageLayout>
#include <QString>

class QPainter;

class PrintDocument {
public:
    virtual ~PrintDocument() = default;

    // The document's name: a PDF's title.
    virtual QString title() const = 0;
    virtual QPageLayout pageLayout() const = 0;

    // Lays out up to `records` more records; true once every page is known.
    virtual bool layOutMore(int records) = 0;
    virtual bool isLaidOut() const = 0;
    // How far laying out has come, in records.
    virtual int recordsLaidOut() const = 0;
    virtual int recordCount() const = 0;
    // The pages known so far; all of them once laid out.
    virtual int pageCount() const = 0;

    // Paints page `page` (from 0) with the painter's units in points and its origin at the top left corner
    // of the page layout's paint rectangle.
    virtual void paintPage(QPainter& painter, int page) = 0;
};
