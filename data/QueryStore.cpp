#include "data/QueryStore.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/CatalogueSql.h"
#include "data/SqlText.h"

namespace {
QString rowOf(const QString& name)
{
    return QStringLiteral("SELECT * FROM XNSysQueries WHERE QueryName = ") + sqlQuoted(name);
}

// The columns in the order the table holds them.
StoredQuery queryOf(const QStringList& row)
{
    StoredQuery query;
    query.id = row.value(0).toInt();
    query.name = row.value(1);
    query.type = row.value(2).toInt();
    query.statement = row.value(3);
    query.select = row.value(4);
    query.from = row.value(5);
    query.criteria = row.value(6);
    query.orderBy = row.value(7);
    query.joins = row.value(8);
    query.attribs = row.value(9);
    return query;
}

// Every column but QueryID, by name.
bool writeColumns(CDbRecordset& row, const StoredQuery& query)
{
    return row.SetFieldString(QStringLiteral("QueryName"), query.name) &&
           row.SetFieldShort(QStringLiteral("QueryType"), std::int16_t(query.type)) &&
           row.SetFieldString(QStringLiteral("QueryStmt"), query.statement) &&
           row.SetFieldString(QStringLiteral("QuerySelect"), query.select) &&
           row.SetFieldString(QStringLiteral("QueryFrom"), query.from) &&
           row.SetFieldString(QStringLiteral("QueryCriteria"), query.criteria) &&
           row.SetFieldString(QStringLiteral("QueryOrderBy"), query.orderBy) &&
           row.SetFieldString(QStringLiteral("QueryJoins"), query.joins) &&
           row.SetFieldString(QStringLiteral("Attribs"), query.attribs);
}

} // namespace

QList<StoredQuery> QueryRows::all()
{
    QList<StoredQuery> queries;
    const auto rows = m_sql.select(QStringLiteral("SELECT * FROM XNSysQueries"));
    for (const QStringList& row : rows.value_or(QList<QStringList>()))
        queries << queryOf(row);
    return queries;
}

QStringList QueryRows::names()
{
    QStringList names;
    for (const StoredQuery& query : all())
        names << query.name;
    return names;
}

std::optional<StoredQuery> QueryRows::find(const QString& name)
{
    const auto rows = m_sql.select(rowOf(name));
    if (!rows || rows->isEmpty())
        return std::nullopt;
    return queryOf(rows->first());
}

bool QueryRows::remove(const QString& name)
{
    return m_sql.execute(QStringLiteral("DELETE FROM XNSysQueries WHERE QueryName = ") + sqlQuoted(name));
}

std::optional<StoredQuery> QueryStore::find(const QString& name)
{
    ContextSql sql(m_context);
    return QueryRows(sql).find(name);
}

std::optional<QList<std::pair<QString, QString>>> QueryStore::columns(const QString& name)
{
    CDbRecordset row(m_context.connection, m_context.databasePath());
    if (!row.Open(rowOf(name), 0, 1) || row.IsEOF())
        return std::nullopt;
    QList<std::pair<QString, QString>> columns;
    for (std::int32_t i = 0; i < row.GetFieldCount(); ++i)
        columns.append({row.GetFieldName(i), row.GetFieldString(i)});
    return columns;
}

// The next QueryID is one past the highest, so that no two rows share one even after deletions.
bool QueryStore::add(StoredQuery& query)
{
    ContextSql sql(m_context);
    const auto ids = sql.select(QStringLiteral("SELECT QueryID FROM XNSysQueries"));
    if (!ids)
        return false;
    int highest = 0;
    for (const QStringList& id : *ids)
        highest = qMax(highest, id.value(0).toInt());
    query.id = highest + 1;
    CDbRecordset table(m_context.connection, m_context.databasePath());
    return table.Open(QStringLiteral("SELECT * FROM XNSysQueries"), CDbRecordset::kDynamic, CDbRecordset::kOptimistic) &&
           table.AddNew() && table.SetFieldLong(QStringLiteral("QueryID"), query.id) && writeColumns(table, query) &&
           table.Update();
}

bool QueryStore::replace(const StoredQuery& query)
{
    CDbRecordset row(m_context.connection, m_context.databasePath());
    return row.Open(rowOf(query.name), CDbRecordset::kDynamic, CDbRecordset::kOptimistic) && !row.IsEOF() &&
           writeColumns(row, query) && row.Update();
}

bool QueryStore::remove(const QString& name)
{
    ContextSql sql(m_context);
    return QueryRows(sql).remove(name);
}
