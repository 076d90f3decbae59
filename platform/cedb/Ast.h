#pragma once
// The statements of the engine's dialect as the parser hands them to the executor. Names are kept as
// written; whether a name is a column or a text is decided against the tables in scope.
#include "platform/automation/variant.h"

#include <QString>

#include <memory>
#include <variant>
#include <vector>

namespace cedb {

struct Expr;
using ExprPtr = std::shared_ptr<const Expr>;

struct Expr {
    enum Kind { Name, Literal, Compare, And, Or, Not, Like, IsNull };
    Kind kind = Literal;
    // Name: an optional table part and the name; `quoted` when the name stood in single quotes.
    QString table;
    QString name;
    bool quoted = false;
    Variant value;                 // Literal
    QString op;                    // Compare: "=", "<>", "<", ">", "<=", ">="
    bool negated = false;          // Like, IsNull
    std::vector<ExprPtr> operands; // Compare/Like: left, right; And/Or: both sides; Not/IsNull: one
};

struct ColumnDef {
    QString name;
    QString typeName; // as written, e.g. "varchar", "Long Varbinary"
    int length = -1;  // the n of varchar(n); -1 when not given
};

struct OrderItem {
    ExprPtr column; // a Name
    bool descending = false;
};

struct SelectItem {
    bool star = false; // "*" or "T.*"
    QString table;
    QString name;
};

struct CreateDatabase { QString path; };
struct CreateTable { QString table; std::vector<ColumnDef> columns; };
struct CreateIndex {
    QString index, table, column;
    bool descending = false, caseSensitive = false, unknownFirst = false;
};
struct DropIndex { QString table, index; };
struct DropTable { QString table; };
struct AlterAdd { QString table; ColumnDef column; };
struct AlterRename { QString table, from, to; };
struct AlterDrop { QString table, column; };
struct Select {
    std::vector<SelectItem> items;
    std::vector<QString> tables;
    ExprPtr where; // may be null
    std::vector<OrderItem> orderBy;
};
struct Delete { QString table; ExprPtr where; };
struct Insert { QString table; std::vector<QString> columns; std::vector<Variant> values; };
// A bare or quoted table name as the whole source: the table's records, editable.
struct OpenTable { QString table; };

using Statement = std::variant<CreateDatabase, CreateTable, CreateIndex, DropIndex, DropTable, AlterAdd,
                               AlterRename, AlterDrop, Select, Delete, Insert, OpenTable>;

} // namespace cedb
