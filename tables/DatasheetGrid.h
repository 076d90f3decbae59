#pragma once
// The grid a datasheet fills: row 0 holds the field names, column 0 the record numbers, rows 1 to 50
// the records of the page on show. The view gives its grid control; tests give a grid in memory.
#include <QString>

class DatasheetGrid {
public:
    virtual ~DatasheetGrid() = default;

    // Rows and columns count the header row and the record-number column.
    virtual void setGridSize(int rows, int columns) = 0;
    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    virtual QString text(int row, int column) const = 0;
    virtual void setText(int row, int column, const QString& text) = 0;
    // Width 0 hides the column.
    virtual int width(int column) const = 0;
    virtual void setWidth(int column, int width) = 0;
    // The width that shows the column's title and the values on show whole, within a bound.
    virtual int fittedWidth(int column) const = 0;
    // The current cell; row -1 when there is none.
    virtual int currentRow() const = 0;
    virtual int currentColumn() const = 0;
    virtual void setCurrentCell(int row, int column) = 0;
};
