#pragma once
// A datasheet grid kept in memory, for the datasheet without a window: its checks and its benchmark.
#include "tables/DatasheetGrid.h"

#include <QList>
#include <QStringList>

#include <algorithm>

class MemoryGrid : public DatasheetGrid {
public:
    void setGridSize(int rows, int columns) override
    {
        m_cells.resize(rows);
        for (QStringList& row : m_cells)
            row.resize(columns);
        m_widths.resize(columns);
    }
    int rowCount() const override { return int(m_cells.size()); }
    int columnCount() const override { return int(m_widths.size()); }
    QString text(int row, int column) const override { return m_cells.value(row).value(column); }
    void setText(int row, int column, const QString& text) override
    {
        if (row < rowCount() && column < columnCount())
            m_cells[row][column] = text;
    }
    int width(int column) const override { return m_widths.value(column); }
    void setWidth(int column, int width) override { m_widths[column] = width; }
    // Each character as wide as kCharacterWidth, and a margin.
    static constexpr int kCharacterWidth = 7;
    int fittedWidth(int column) const override
    {
        qsizetype longest = 0;
        for (const QStringList& row : m_cells)
            longest = std::max(longest, row.value(column).size());
        return int(longest) * kCharacterWidth + 10;
    }
    int currentRow() const override { return m_row; }
    int currentColumn() const override { return m_column; }
    void setCurrentCell(int row, int column) override
    {
        m_row = row;
        m_column = column;
    }

    // The user types into a cell: the grid holds the text when the edit ends.
    void type(int row, int column, const QString& text) { setText(row, column, text); }
    QStringList row(int row) const { return m_cells.value(row); }

private:
    QList<QStringList> m_cells;
    QList<int> m_widths;
    int m_row = -1;
    int m_column = -1;
};
