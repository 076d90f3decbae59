#include "tables/AdvancedFilter.h"

#include "data/SqlText.h"

namespace {

const QString kAscending = QStringLiteral("Ascending");
const QString kDescending = QStringLiteral("Descending");

// A column without a field name has nothing to test or sort on.
bool hasField(const AdvancedFilterGrid& grid, int column)
{
    return !grid.text(AdvancedFilterGrid::FieldRow, column).trimmed().isEmpty();
}

QString fieldOf(const AdvancedFilterGrid& grid, int column)
{
    return sqlName(grid.text(AdvancedFilterGrid::FieldRow, column));
}

QString wherePart(const AdvancedFilterGrid& grid)
{
    QString where = QStringLiteral(" WHERE (");
    bool anyGroup = false;
    for (int row = AdvancedFilterGrid::CriteriaRow; row < AdvancedFilterGrid::kRows; ++row) {
        QString group = QStringLiteral("(");
        bool anyCondition = false;
        for (int column = 1; column < AdvancedFilterGrid::kColumns; ++column) {
            const QString cell = grid.text(row, column);
            if (cell.trimmed().isEmpty() || !hasField(grid, column))
                continue;
            if ((where + group).contains(cell + QLatin1Char(',')))
                continue;
            group += fieldOf(grid, column) + QLatin1Char(' ') + cell + QStringLiteral(" AND ");
            anyCondition = true;
        }
        if (!anyCondition)
            continue;
        group.chop(5);
        where += group + QStringLiteral(") OR ");
        anyGroup = true;
    }
    if (!anyGroup)
        return {};
    where.chop(3);
    return where + QStringLiteral(") ");
}

QString orderPart(const AdvancedFilterGrid& grid)
{
    QString order = QStringLiteral(" ORDER BY ");
    bool anySort = false;
    for (int column = 1; column < AdvancedFilterGrid::kColumns; ++column) {
        if (!hasField(grid, column))
            continue;
        const QString direction = grid.text(AdvancedFilterGrid::SortRow, column);
        if (direction == kAscending)
            order += fieldOf(grid, column) + QStringLiteral(" ASC ,");
        else if (direction == kDescending)
            order += fieldOf(grid, column) + QStringLiteral(" DESC,");
        else
            continue;
        anySort = true;
    }
    if (!anySort)
        return {};
    order.chop(1);
    return order;
}

} // namespace

QStringList AdvancedFilterGrid::rowNames()
{
    return {QStringLiteral("Field"), QStringLiteral("Sort"), QStringLiteral("Criteria"), QStringLiteral("OR"),
            QStringLiteral("OR"), QStringLiteral("OR")};
}

AdvancedStatement buildAdvancedStatement(const QString& table, const AdvancedFilterGrid& grid)
{
    AdvancedStatement statement;
    statement.where = wherePart(grid);
    statement.orderBy = orderPart(grid);
    const QString head = QStringLiteral("SELECT  * ") + QStringLiteral(" FROM ") + sqlName(table);
    // The sort part is made first and the groups go in front of it, one blank further from the table.
    statement.sql = statement.orderBy.isEmpty()
                        ? head + statement.where
                        : head + QLatin1Char(' ') + statement.where + statement.orderBy.mid(1);
    if (!statement.where.isEmpty())
        statement.condition = statement.where.mid(QStringLiteral(" WHERE ").size()).trimmed();
    return statement;
}

QStringList advancedOperatorButtons()
{
    return {QStringLiteral("<="), QStringLiteral(">="), QStringLiteral("="),    QStringLiteral("<"),
            QStringLiteral(">"),  QStringLiteral("<>"), QStringLiteral("'"),    QStringLiteral("\""),
            QStringLiteral("%"),  QStringLiteral("IS"), QStringLiteral("NULL"), QStringLiteral("NOT"),
            QStringLiteral("LIKE")};
}

QString advancedOperatorText(const QString& button)
{
    // The engine reads "=>" as ">=".
    if (button == QStringLiteral(">="))
        return QStringLiteral(" => ");
    if (button == QStringLiteral("\""))
        return QStringLiteral(" \" ");
    return QLatin1Char(' ') + button + QLatin1Char(' ');
}
