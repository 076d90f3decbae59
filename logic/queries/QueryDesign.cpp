#include "logic/queries/QueryDesign.h"

#include "data/SqlText.h"
#include "logic/queries/QueryCriterion.h"

namespace {

const QString kPoint = QStringLiteral(".");

QString fieldSql(const QString& table, const QString& field)
{
    const QString name = field == QLatin1String("*") ? field : sqlName(field);
    return table.isEmpty() ? name : sqlName(table) + kPoint + name;
}

QString fieldSql(const QueryColumn& column) { return fieldSql(column.table, column.field); }

// Where a text stands in the statement being built; -1 while it is not there.
struct Positions {
    qsizetype orderBy = -1;
    qsizetype where = -1;

    void shiftFrom(qsizetype at, qsizetype by)
    {
        if (orderBy >= at)
            orderBy += by;
        if (where >= at)
            where += by;
    }
};

QString selectList(const QList<QueryColumn>& used, QString& attribs)
{
    QString list;
    for (qsizetype n = 0; n < used.size(); ++n) {
        if (!used[n].shown())
            continue;
        list += fieldSql(used[n]) + QLatin1Char(',');
        attribs[n] = QLatin1Char('1');
    }
    return list;
}

// Every Table cell counts, a used column's or not, each table once.
QString fromList(const std::array<QueryColumn, QueryDesign::kColumns>& columns)
{
    QString list = QStringLiteral(" FROM ");
    QStringList seen;
    for (const QueryColumn& column : columns) {
        if (column.table.isEmpty() || seen.contains(column.table, Qt::CaseInsensitive))
            continue;
        seen << column.table;
        list += sqlName(column.table) + QLatin1Char(',');
    }
    list.chop(1);
    return list;
}

// Each criteria row is one bracket of conditions joined by AND; the rows are joined by OR. Without any
// criterion a single space stays, as it always has.
QString whereText(const QList<QueryColumn>& used)
{
    QString where = QStringLiteral(" WHERE (");
    bool any = false;
    for (int row = 0; row < QueryColumn::kCriteriaRows; ++row) {
        where += QLatin1Char('(');
        bool rowHas = false;
        for (const QueryColumn& column : used) {
            const QString cell = column.criteria[row].trimmed();
            if (cell.isEmpty())
                continue;
            where += fieldSql(column) + QLatin1Char(' ') + QueryCriterionSql(cell) + QStringLiteral(" AND ");
            rowHas = true;
        }
        if (rowHas) {
            where.chop(5);
            where += QStringLiteral(") OR ");
            any = true;
        } else {
            where.chop(1);
        }
    }
    if (any) {
        where.chop(3);
        where += QStringLiteral(") ");
    } else {
        where.chop(7);
    }
    return where;
}

QString orderText(const QList<QueryColumn>& used)
{
    QString order;
    for (const QueryColumn& column : used) {
        if (column.sort == QLatin1String("Ascending"))
            order += fieldSql(column) + QStringLiteral(" ASC ,");
        else if (column.sort == QLatin1String("Descending"))
            order += fieldSql(column) + QStringLiteral(" DESC,");
    }
    if (order.isEmpty())
        return order;
    order.chop(1);
    return QStringLiteral(" ORDER BY ") + order;
}

QString joinText(const QList<QueryJoin>& joins)
{
    QString text = QStringLiteral(" ");
    for (const QueryJoin& join : joins)
        text += QStringLiteral(" INNER JOIN (") + sqlName(join.leftTable);
    for (auto join = joins.crbegin(); join != joins.crend(); ++join)
        text += QStringLiteral(" ON ") + fieldSql(join->leftTable, join->leftField) + QStringLiteral(" = ") +
                fieldSql(join->rightTable, join->rightField) + QStringLiteral(") ");
    return text + QLatin1Char(' ');
}

} // namespace

bool QueryColumn::shown() const { return show.trimmed().compare(QLatin1String("No"), Qt::CaseInsensitive) != 0; }

QString QueryColumn::fieldCell() const { return table.isEmpty() ? field : table + kPoint + field; }

void QueryColumn::setFieldCell(const QString& text, const QString& knownTable)
{
    if (!knownTable.isEmpty() && text.startsWith(knownTable + kPoint)) {
        table = knownTable;
        field = text.mid(knownTable.size() + 1);
        return;
    }
    const qsizetype point = text.indexOf(kPoint);
    // A bare name ("*" above all) belongs to the table the Table cell already names.
    table = point < 0 ? knownTable : text.left(point);
    field = point < 0 ? text : text.mid(point + 1);
}

QString QueryJoin::text() const
{
    return leftTable + kPoint + leftField + QStringLiteral(" = ") + rightTable + kPoint + rightField;
}

QList<QueryColumn> QueryDesign::usedColumns() const
{
    QList<QueryColumn> used;
    for (const QueryColumn& column : columns)
        if (column.used())
            used << column;
    return used;
}

QStringList QueryRowLabels(QueryType type)
{
    const QStringList criteria = {QStringLiteral("Criteria"), QStringLiteral("Or"), QString(), QString()};
    const QStringList head = {QStringLiteral("Field"), QStringLiteral("Table")};
    switch (type) {
    case QueryType::Select: return head + QStringList{QStringLiteral("Sort"), QStringLiteral("Show")} + criteria;
    case QueryType::Delete: return head + criteria;
    case QueryType::Update: return head + QStringList{QStringLiteral("Update to")} + criteria;
    }
    return head + criteria;
}

// The texts go in the order the grid's rows are read (fields, tables, sort, criteria, joins); the where
// text goes in front of the ORDER BY text and the joins in front of the where text, at the places the
// statement is known to have them, never where a name or value merely contains the word.
GeneratedQuery GenerateQueryStatement(const QueryDesign& design)
{
    const QList<QueryColumn> used = design.usedColumns();
    GeneratedQuery result;
    result.attribs = QString(20, QLatin1Char('0'));
    const bool select = design.type == QueryType::Select;
    QString& text = result.statement;
    switch (design.type) {
    case QueryType::Select: text = QStringLiteral("SELECT "); break;
    case QueryType::Delete: text = QStringLiteral("DELETE "); break;
    case QueryType::Update: text = QStringLiteral("UPDATE TABLE "); break;
    }
    if (select) {
        text += selectList(used, result.attribs);
        text.chop(1);
    }
    text += fromList(design.columns);

    Positions at;
    if (select) {
        if (const QString order = orderText(used); !order.isEmpty()) {
            at.orderBy = text.size() + 1;
            text += order;
        }
    }
    const QString where = whereText(used);
    const qsizetype whereAt = at.orderBy >= 0 ? at.orderBy : text.size();
    text.insert(whereAt, where);
    at.shiftFrom(whereAt, where.size());
    if (where.size() > 1)
        at.where = whereAt + 1;

    if (select && !design.joins.isEmpty()) {
        const QString joins = joinText(design.joins);
        text.insert(at.where >= 0 ? at.where : at.orderBy >= 0 ? at.orderBy : text.size(), joins);
    }
    return result;
}
