#include "platform/cedb/QueryCompiler.h"

#include "platform/cedb/Engine.h"
#include "platform/cedb/Failures.h"

namespace cedb {

QByteArray CompiledQuery::rowsSql() const
{
    return "SELECT " + selectList + from + where + orderBy + " LIMIT -1 OFFSET ?";
}

QByteArray CompiledQuery::countSql() const
{
    return "SELECT count(*)" + from + where;
}

void Scope::add(const TableInfo& table)
{
    m_tables.push_back(&table);
}

QByteArray Scope::alias(size_t position)
{
    return "a" + QByteArray::number(qulonglong(position));
}

namespace {

HRESULT unknown(const QString& what, const QString& name)
{
    return fail(DB_E_ERRORSINCOMMAND, QStringLiteral("Unknown %1 %2").arg(what, name));
}

struct ColumnRef {
    const ColumnInfo* column = nullptr;
    QByteArray sql;
};

// The column `table.name` (or `name` in any table of the scope, first table first).
ColumnRef findColumn(const Scope& scope, const QString& table, const QString& name)
{
    for (size_t i = 0; i < scope.tables().size(); ++i) {
        const TableInfo& info = *scope.tables()[i];
        if (!table.isEmpty() && info.name.compare(table, Qt::CaseInsensitive) != 0)
            continue;
        if (const ColumnInfo* column = info.column(name))
            return {column, Scope::alias(i) + "." + column->storage};
    }
    return {};
}

struct Operand {
    ColumnRef column;       // set when the operand is a column
    Variant literal;
};

enum class Side { Left, Right };

// A name on the left names a column when one is in scope, quoted or not; on the right only a bare name
// does. What names no column is text ("TableName = Orders"), except a bare name on the left.
HRESULT resolve(const Expr& expr, Side side, const Scope& scope, Operand& operand)
{
    if (expr.kind == Expr::Literal) {
        operand.literal = expr.value;
        return S_OK;
    }
    if (expr.kind != Expr::Name)
        return fail(DB_E_ERRORSINCOMMAND, QStringLiteral("A condition stands where a value belongs"));
    if (side == Side::Left || !expr.quoted || !expr.table.isEmpty())
        operand.column = findColumn(scope, expr.table, expr.name);
    if (operand.column.column)
        return S_OK;
    if (!expr.table.isEmpty() || (side == Side::Left && !expr.quoted))
        return unknown(QStringLiteral("column"), expr.table.isEmpty() ? expr.name : expr.table + u'.' + expr.name);
    operand.literal = Variant(expr.name);
    return S_OK;
}

// A value compared with a column takes the column's type, so that '5' matches the integer 5.
HRESULT valueFor(const Operand& value, const Operand& other, StoredValue& stored)
{
    if (!other.column.column) {
        stored = literalStored(value.literal);
        return S_OK;
    }
    if (FAILED(toStored(value.literal, other.column.column->type, LengthCheck::Ignore, stored)))
        return fail(DB_E_ERRORSINCOMMAND, QStringLiteral("The value %1 cannot be compared with %2")
                                               .arg(value.literal.toString(), other.column.column->name));
    return S_OK;
}

HRESULT operandSql(const Operand& operand, const Operand& other, QByteArray& sql,
                   std::vector<StoredValue>& parameters)
{
    if (operand.column.column) {
        sql += operand.column.sql;
        return S_OK;
    }
    StoredValue stored;
    const HRESULT hr = valueFor(operand, other, stored);
    if (FAILED(hr))
        return hr;
    parameters.push_back(std::move(stored));
    sql += "?";
    return S_OK;
}

QString likePattern(const Variant& pattern)
{
    QString text = pattern.toString();
    text.replace(u'*', u'%');
    text.replace(u'?', u'_');
    return text;
}

HRESULT compileLike(const Expr& like, const Scope& scope, QByteArray& sql, std::vector<StoredValue>& parameters)
{
    Operand subject, pattern;
    HRESULT hr = resolve(*like.operands[0], Side::Left, scope, subject);
    if (SUCCEEDED(hr))
        hr = resolve(*like.operands[1], Side::Right, scope, pattern);
    if (FAILED(hr))
        return hr;
    QByteArray subjectSql = "?", patternSql = "?";
    if (subject.column.column)
        subjectSql = subject.column.sql;
    else
        parameters.push_back(subject.literal.toString());
    if (pattern.column.column)
        patternSql = "replace(replace(" + pattern.column.sql + ", '*', '%'), '?', '_')";
    else
        parameters.push_back(likePattern(pattern.literal));
    const QByteArray op = like.negated ? " NOT LIKE " : " LIKE ";
    if (scope.dialect() == SqlDialect::Sqlite) {
        sql += "(" + subjectSql + op + patternSql + ")";
        return S_OK;
    }
    // The server's LIKE knows no case-blind collation and takes a backslash as its escape: both sides are
    // lowered as text by ICU's rules, and nothing escapes.
    const auto lowered = [](const QByteArray& operand) {
        return "lower(CAST(" + operand + " AS text) COLLATE \"und-x-icu\")";
    };
    sql += "(" + lowered(subjectSql) + op + lowered(patternSql) + " ESCAPE '')";
    return S_OK;
}

} // namespace

namespace {

// The links of one operator ("a AND b AND c", a tree leaning left) stay in one pair of brackets: SQLite's
// parser takes only about a hundred nested ones.
HRESULT compileChain(const Expr& condition, Expr::Kind kind, const Scope& scope, QByteArray& sql,
                     std::vector<StoredValue>& parameters)
{
    if (condition.kind != kind)
        return compileCondition(condition, scope, sql, parameters);
    HRESULT hr = compileChain(*condition.operands[0], kind, scope, sql, parameters);
    sql += kind == Expr::And ? " AND " : " OR ";
    if (SUCCEEDED(hr))
        hr = compileCondition(*condition.operands[1], scope, sql, parameters);
    return hr;
}

} // namespace

HRESULT compileCondition(const Expr& condition, const Scope& scope, QByteArray& sql,
                         std::vector<StoredValue>& parameters)
{
    switch (condition.kind) {
    case Expr::And:
    case Expr::Or: {
        sql += "(";
        const HRESULT hr = compileChain(condition, condition.kind, scope, sql, parameters);
        sql += ")";
        return hr;
    }
    case Expr::Not: {
        sql += "(NOT ";
        const HRESULT hr = compileCondition(*condition.operands[0], scope, sql, parameters);
        sql += ")";
        return hr;
    }
    case Expr::IsNull: {
        Operand subject;
        const HRESULT hr = resolve(*condition.operands[0], Side::Left, scope, subject);
        if (FAILED(hr))
            return hr;
        sql += "(";
        operandSql(subject, Operand{}, sql, parameters);
        sql += condition.negated ? " IS NOT NULL)" : " IS NULL)";
        return S_OK;
    }
    case Expr::Like:
        return compileLike(condition, scope, sql, parameters);
    case Expr::Compare: {
        Operand left, right;
        HRESULT hr = resolve(*condition.operands[0], Side::Left, scope, left);
        if (SUCCEEDED(hr))
            hr = resolve(*condition.operands[1], Side::Right, scope, right);
        sql += "(";
        if (SUCCEEDED(hr))
            hr = operandSql(left, right, sql, parameters);
        sql += " " + condition.op.toLatin1() + " ";
        if (SUCCEEDED(hr))
            hr = operandSql(right, left, sql, parameters);
        // Two values alone compare as texts do everywhere in the engine: ignoring case.
        const bool values = !left.column.column && !right.column.column;
        if (values && scope.dialect() == SqlDialect::Sqlite)
            sql += " COLLATE NOCASE";
        else if (values && SUCCEEDED(hr) && std::holds_alternative<QString>(parameters.back()) &&
                 std::holds_alternative<QString>(parameters[parameters.size() - 2]))
            sql += QByteArray(" COLLATE ") + serverNocase;
        sql += ")";
        return hr;
    }
    default:
        return fail(DB_E_ERRORSINCOMMAND, QStringLiteral("A value stands where a condition belongs"));
    }
}

namespace {

void addColumn(CompiledQuery& query, const ColumnInfo& column, const QByteArray& alias)
{
    query.columns.push_back(ResultColumn{column.name, column.type, column.storage});
    if (!query.selectList.isEmpty())
        query.selectList += ", ";
    query.selectList += alias + "." + column.storage;
}

HRESULT scopeOf(const std::vector<QString>& tables, const Catalogue& catalogue, Scope& scope, CompiledQuery& query)
{
    for (const QString& name : tables) {
        const TableInfo* table = catalogue.table(name);
        if (!table)
            return unknown(QStringLiteral("table"), name);
        if (!query.from.isEmpty())
            query.from += ",";
        query.from += " " + table->storage + " AS " + Scope::alias(scope.tables().size());
        // Only a server is watched for designs other programs change under a query.
        if (catalogue.dialect() == SqlDialect::Postgres)
            query.designs.push_back({table->name, table->storage, table->design()});
        scope.add(*table);
    }
    query.from.prepend(" FROM");
    return S_OK;
}

void markEditable(const Scope& scope, CompiledQuery& query)
{
    if (scope.tables().size() != 1 || scope.tables()[0]->isEngineTable())
        return;
    query.editableTable = scope.tables()[0]->id;
    query.editableStorage = scope.tables()[0]->storage;
    // The server's row version: xmin changes with every committed write of the row.
    query.selectList = scope.dialect() == SqlDialect::Sqlite ? "a0.rowid" : "a0.rowid, a0.xmin";
}

HRESULT compileItems(const std::vector<SelectItem>& items, const Scope& scope, CompiledQuery& query)
{
    for (const SelectItem& item : items) {
        bool matched = false;
        for (size_t i = 0; i < scope.tables().size(); ++i) {
            const TableInfo& table = *scope.tables()[i];
            if (!item.table.isEmpty() && table.name.compare(item.table, Qt::CaseInsensitive) != 0)
                continue;
            if (item.star) {
                for (const ColumnInfo& column : table.columns)
                    addColumn(query, column, Scope::alias(i));
                matched = true;
            } else if (const ColumnInfo* column = table.column(item.name)) {
                addColumn(query, *column, Scope::alias(i));
                matched = true;
                break;
            }
        }
        if (!matched)
            return unknown(QStringLiteral("column"), item.table.isEmpty() ? item.name : item.table + u'.' + item.name);
    }
    return S_OK;
}

} // namespace

HRESULT compileSelect(const Select& select, const Catalogue& catalogue, CompiledQuery& query)
{
    query = CompiledQuery{};
    Scope scope(catalogue.dialect());
    HRESULT hr = scopeOf(select.tables, catalogue, scope, query);
    if (SUCCEEDED(hr)) {
        markEditable(scope, query);
        hr = compileItems(select.items, scope, query);
    }
    if (SUCCEEDED(hr) && select.where) {
        query.where = " WHERE ";
        hr = compileCondition(*select.where, scope, query.where, query.parameters);
    }
    if (FAILED(hr))
        return hr;
    const bool server = scope.dialect() == SqlDialect::Postgres;
    const auto order = [&](const QByteArray& column, bool descending) {
        const bool first = query.orderBy.isEmpty();
        query.orderBy += (first ? " ORDER BY " : ", ") + column + (descending ? " DESC" : "");
        query.reverseOrderBy += (first ? " ORDER BY " : ", ") + column + (descending ? "" : " DESC");
        // Null sorts first, as the file engine sorts it.
        if (server) {
            query.orderBy += descending ? " NULLS LAST" : " NULLS FIRST";
            query.reverseOrderBy += descending ? " NULLS FIRST" : " NULLS LAST";
        }
    };
    for (const OrderItem& item : select.orderBy) {
        const ColumnRef column = findColumn(scope, item.column->table, item.column->name);
        if (!column.column)
            return unknown(QStringLiteral("column"), item.column->name);
        order(column.sql, item.descending);
    }
    // Windows over a sorted result are read again by offset, so equal keys must keep one order. A server
    // has no order of its own, so its results always follow the rows' keys; so does a whole table, which
    // costs nothing and lets its end be read backwards.
    const bool wholeTable = !select.where && scope.tables().size() == 1;
    if (!query.orderBy.isEmpty() || server || wholeTable)
        for (size_t i = 0; i < scope.tables().size(); ++i) {
            const bool first = query.orderBy.isEmpty();
            query.orderBy += (first ? " ORDER BY " : ", ") + Scope::alias(i) + ".rowid";
            query.reverseOrderBy += (first ? " ORDER BY " : ", ") + Scope::alias(i) + ".rowid DESC";
        }
    return S_OK;
}

HRESULT compileTable(const QString& table, const Catalogue& catalogue, CompiledQuery& query)
{
    Select select;
    select.items.push_back(SelectItem{true, QString(), QString()});
    select.tables.push_back(table);
    return compileSelect(select, catalogue, query);
}

} // namespace cedb
