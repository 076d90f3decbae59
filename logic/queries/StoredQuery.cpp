#include "logic/queries/StoredQuery.h"

#include <tuple>

namespace {

const QChar kEscape = QLatin1Char('\\');
const QChar kItemEnd = QLatin1Char(',');
const QChar kRowEnd = QLatin1Char('~');
const QChar kJoinSides = QLatin1Char('=');
const QChar kPoint = QLatin1Char('.');
const QString kDescending = QStringLiteral(" DESC");
const QString kAscending = QStringLiteral(" ASC");

// A criterion only needs its separators escaped; a name also its point and a join's "=".
QString escaped(const QString& text, bool name = true)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == kEscape || c == kItemEnd || c == kRowEnd || (name && (c == kJoinSides || c == kPoint)))
            out += kEscape;
        out += c;
    }
    return out;
}

QString unescaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == kEscape && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

// The index of the first `separator` not escaped, from `from` on; -1 when none.
qsizetype separatorAt(const QString& text, QChar separator, qsizetype from = 0)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == kEscape)
            ++i;
        else if (text[i] == separator)
            return i;
    }
    return -1;
}

// The pieces between unescaped separators, still escaped; each piece is followed by a separator, so the
// empty text after the last one is not a piece.
QStringList pieces(const QString& text, QChar separator)
{
    QStringList out;
    qsizetype start = 0;
    for (qsizetype end; (end = separatorAt(text, separator, start)) >= 0; start = end + 1)
        out << text.mid(start, end - start);
    if (start < text.size())
        out << text.mid(start);
    return out;
}

QString fieldItem(const QString& table, const QString& field)
{
    return table.isEmpty() ? escaped(field) : escaped(table) + kPoint + escaped(field);
}

// Table and field of an escaped "table.field" item.
std::pair<QString, QString> fieldOfItem(const QString& item)
{
    const qsizetype point = separatorAt(item, kPoint);
    if (point < 0)
        return {QString(), unescaped(item)};
    return {unescaped(item.left(point)), unescaped(item.mid(point + 1))};
}

} // namespace

StoredQuery StoredQueryFrom(const QueryDesign& design, const QString& name, int id)
{
    const GeneratedQuery generated = GenerateQueryStatement(design);
    StoredQuery row;
    row.id = id;
    row.name = name;
    row.type = int(design.type);
    row.statement = generated.statement;
    row.attribs = generated.attribs;
    const QList<QueryColumn> used = design.usedColumns();
    for (const QueryColumn& column : used) {
        const QString item = fieldItem(column.table, column.field);
        row.select += item + kItemEnd;
        row.from += escaped(column.table) + kItemEnd;
        const QString direction = column.sort == QLatin1String("Descending")  ? kDescending
                                  : column.sort == QLatin1String("Ascending") ? kAscending
                                                                              : QString();
        row.orderBy += item + direction + kItemEnd;
    }
    for (int criteriaRow = 0; criteriaRow < QueryColumn::kCriteriaRows; ++criteriaRow) {
        for (const QueryColumn& column : used)
            row.criteria += escaped(column.criteria[criteriaRow], false) + kItemEnd;
        row.criteria += kRowEnd;
    }
    for (const QueryJoin& join : design.joins)
        row.joins += fieldItem(join.leftTable, join.leftField) + kJoinSides +
                     fieldItem(join.rightTable, join.rightField) + kRowEnd;
    return row;
}

QueryDesign QueryDesignFrom(const StoredQuery& row)
{
    QueryDesign design;
    design.type = row.type == int(QueryType::Delete) ? QueryType::Delete
                  : row.type == int(QueryType::Update) ? QueryType::Update
                                                       : QueryType::Select;
    const QStringList fields = pieces(row.select, kItemEnd);
    const QStringList tables = pieces(row.from, kItemEnd);
    const QStringList sorts = pieces(row.orderBy, kItemEnd);
    const QStringList criteriaRows = pieces(row.criteria, kRowEnd);
    const qsizetype count = qMin<qsizetype>(fields.size(), QueryDesign::kColumns);
    for (qsizetype n = 0; n < count; ++n) {
        QueryColumn& column = design.columns[n];
        std::tie(column.table, column.field) = fieldOfItem(fields[n]);
        if (n < tables.size())
            column.table = unescaped(tables[n]);
        // The sort item repeats the field item, so only an exact match says the direction: a field whose
        // name merely contains "DESC" is not sorted by it.
        const QString sort = sorts.value(n);
        column.sort = sort == fields[n] + kDescending  ? QStringLiteral("Descending")
                      : sort == fields[n] + kAscending ? QStringLiteral("Ascending")
                                                       : QStringLiteral("<No Sort>");
        if (design.type == QueryType::Select && row.attribs.mid(n, 1) == QLatin1String("0"))
            column.show = QStringLiteral("No");
        for (int criteriaRow = 0; criteriaRow < QueryColumn::kCriteriaRows; ++criteriaRow)
            column.criteria[criteriaRow] = unescaped(pieces(criteriaRows.value(criteriaRow), kItemEnd).value(n));
    }
    for (const QString& join : pieces(row.joins, kRowEnd)) {
        const qsizetype sides = separatorAt(join, kJoinSides);
        if (sides < 0)
            continue;
        QueryJoin read;
        std::tie(read.leftTable, read.leftField) = fieldOfItem(join.left(sides));
        std::tie(read.rightTable, read.rightField) = fieldOfItem(join.mid(sides + 1));
        design.joins << read;
    }
    return design;
}
