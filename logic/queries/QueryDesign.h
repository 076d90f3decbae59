#pragma once
// A query as the designer's grid holds it, and the statement the grid stands for. The grid reads column
// by column: a column is used when its Field cell is not empty; only used columns give fields, sorts and
// criteria.
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

enum class QueryType { Select = 1, Delete = 2, Update = 3 };

struct QueryColumn {
    static constexpr int kCriteriaRows = 4; // "Criteria", "Or" and two unlabelled rows

    QString table;
    // The field's bare name, or "*"; the Field cell shows it as table "." field.
    QString field;
    QString sort; // "Ascending", "Descending", "<No Sort>" or empty
    QString show; // "No" hides the column; anything else shows it
    std::array<QString, kCriteriaRows> criteria;

    bool used() const { return !field.isEmpty(); }
    bool shown() const;
    QString fieldCell() const;
    // Sets table and field from a Field cell's text: the part before the first point names the table,
    // unless the text begins with `knownTable` and a point; a text without a point keeps `knownTable`.
    void setFieldCell(const QString& text, const QString& knownTable = QString());
    bool operator==(const QueryColumn&) const = default;
};

// One join: a field of the left table equal to a field of the right table.
struct QueryJoin {
    QString leftTable;
    QString leftField;
    QString rightTable;
    QString rightField;

    // "Left.Field = Right.Field", as the joins list shows it.
    QString text() const;
    bool operator==(const QueryJoin&) const = default;
};

struct QueryDesign {
    static constexpr int kColumns = 15;

    QueryType type = QueryType::Select;
    std::array<QueryColumn, kColumns> columns;
    QList<QueryJoin> joins;

    QList<QueryColumn> usedColumns() const;
    bool operator==(const QueryDesign&) const = default;
};

// The labels of the grid's rows for a query type, top to bottom ("" for the unlabelled rows).
QStringList QueryRowLabels(QueryType type);

struct GeneratedQuery {
    QString statement;
    // One character per used column, in order: "1" shown, "0" hidden; 20 characters.
    QString attribs;
};

// The statement of a select or delete grid. Names are placed so that the engine reads them as names
// whatever they contain, and every criterion goes through QueryCriterionSql.
GeneratedQuery GenerateQueryStatement(const QueryDesign& design);
