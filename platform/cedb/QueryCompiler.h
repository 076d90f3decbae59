#pragma once
// Turns a SELECT (or a whole table) and WHERE conditions of the dialect into SQLite SQL over the stored
// tables. Names are resolved against the catalogue here; every value becomes a bound parameter.
#include "platform/cedb/Ast.h"
#include "platform/cedb/Catalogue.h"

#include <QByteArray>

#include <vector>

namespace cedb {

struct ResultColumn {
    QString name;
    ColumnType type;
    QByteArray storage; // the column's SQLite name, for writing it back
};

// A table a query reads, as it was when the query was compiled.
struct TableDesign {
    QString name;
    QByteArray storage;
    QByteArray design;
};

struct CompiledQuery {
    std::vector<ResultColumn> columns;
    std::vector<TableDesign> designs;
    QByteArray selectList; // starts with the rowid (and on a server the row version) when the result can be edited
    QByteArray from;       // " FROM t5 AS a0, ..."
    QByteArray where;      // " WHERE ..." or empty
    QByteArray orderBy;    // " ORDER BY ..." or empty
    QByteArray reverseOrderBy; // the same order backwards, to read a result from its end
    std::vector<StoredValue> parameters;
    // The one user table behind an editable result; 0 for joins and the engine's own tables.
    int editableTable = 0;
    QByteArray editableStorage;

    QByteArray rowsSql() const;  // one parameter more: the offset of the first row
    QByteArray countSql() const;
};

// The tables a condition may name, each under its alias "a0", "a1", ...
class Scope {
public:
    explicit Scope(SqlDialect dialect = SqlDialect::Sqlite) : m_dialect(dialect) {}
    SqlDialect dialect() const { return m_dialect; }
    void add(const TableInfo& table);
    const std::vector<const TableInfo*>& tables() const { return m_tables; }
    static QByteArray alias(size_t position);

private:
    std::vector<const TableInfo*> m_tables;
    SqlDialect m_dialect;
};

// The collation that compares server texts as the engine does everywhere: ignoring case, not accents.
constexpr const char* serverNocase = "cedb_nocase";

// S_OK, or DB_E_ERRORSINCOMMAND (unknown table or column, a value that cannot match its column).
HRESULT compileSelect(const Select& select, const Catalogue& catalogue, CompiledQuery& query);
HRESULT compileTable(const QString& table, const Catalogue& catalogue, CompiledQuery& query);
// The condition as SQL (with its parameters appended), for SELECT and DELETE alike.
HRESULT compileCondition(const Expr& condition, const Scope& scope, QByteArray& sql,
                         std::vector<StoredValue>& parameters);

} // namespace cedb
