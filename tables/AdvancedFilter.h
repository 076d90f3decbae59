#pragma once
// The advanced filter/sort grid and the statement it builds. Row 0 names each column's field, row 1 its
// sort direction, rows 2 to 5 hold the conditions; a row of conditions is one group, the groups are
// joined by OR, the conditions of a group by AND.
#include <QString>
#include <QStringList>

#include <array>

class AdvancedFilterGrid {
public:
    static constexpr int kColumns = 16;
    static constexpr int kRows = 6;
    enum Row { FieldRow = 0, SortRow = 1, CriteriaRow = 2 };

    // Column 0's row names, top to bottom.
    static QStringList rowNames();

    QString text(int row, int column) const { return m_cells[row][column]; }
    void setText(int row, int column, const QString& text) { m_cells[row][column] = text; }
    void clear() { m_cells = {}; }

private:
    std::array<std::array<QString, kColumns>, kRows> m_cells;
};

struct AdvancedStatement {
    QString sql;
    // " WHERE (" ... ") " and " ORDER BY " ... as they stand in `sql`; empty when the grid gives none.
    QString where;
    QString orderBy;
    // The groups alone, between the WHERE and the ORDER BY, trimmed; empty without conditions.
    QString condition;
};

AdvancedStatement buildAdvancedStatement(const QString& table, const AdvancedFilterGrid& grid);

// The operator buttons' captions in their order, and what each appends to a condition cell.
QStringList advancedOperatorButtons();
QString advancedOperatorText(const QString& button);
