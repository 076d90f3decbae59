#include "logic/queries/QueryStore.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/CDbTransaction.h"
#include "data/SqlText.h"
#include "logic/queries/QueryParameters.h"

namespace {

constexpr int kReadCursor = 0;
constexpr int kReadLock = 1;
constexpr int kDynamicCursor = 2;
constexpr int kOptimisticLock = 3;

QString rowSql(const QString& name)
{
    return QStringLiteral("SELECT * FROM XNSysQueries WHERE QueryName = ") + sqlQuoted(name);
}

QString text(CDbRecordset& row, const char* column)
{
    QString value;
    row.GetFieldString(QLatin1String(column), value);
    return value;
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

std::optional<StoredQuery> QueryStore::find(const QString& name)
{
    CDbRecordset row(m_context.connection, m_context.databasePath());
    if (!row.Open(rowSql(name), kReadCursor, kReadLock) || row.IsEOF())
        return std::nullopt;
    StoredQuery query;
    query.id = text(row, "QueryID").toInt();
    query.name = text(row, "QueryName");
    query.type = text(row, "QueryType").toInt();
    query.statement = text(row, "QueryStmt");
    query.select = text(row, "QuerySelect");
    query.from = text(row, "QueryFrom");
    query.criteria = text(row, "QueryCriteria");
    query.orderBy = text(row, "QueryOrderBy");
    query.joins = text(row, "QueryJoins");
    query.attribs = text(row, "Attribs");
    return query;
}

// The next QueryID is one past the highest, so that no two rows share one even after deletions.
bool QueryStore::add(StoredQuery& query)
{
    CDbRecordset ids(m_context.connection, m_context.databasePath());
    if (!ids.Open(QStringLiteral("SELECT QueryID FROM XNSysQueries"), kReadCursor, kReadLock))
        return false;
    int highest = 0;
    for (; !ids.IsEOF(); ids.MoveNext())
        highest = qMax(highest, ids.GetFieldString(0).toInt());
    query.id = highest + 1;
    CDbRecordset table(m_context.connection, m_context.databasePath());
    return table.Open(QStringLiteral("SELECT * FROM XNSysQUERIES"), kDynamicCursor, kOptimisticLock) &&
           table.AddNew() && table.SetFieldLong(QStringLiteral("QueryID"), query.id) && writeColumns(table, query) &&
           table.Update();
}

bool QueryStore::replace(const StoredQuery& query)
{
    CDbRecordset row(m_context.connection, m_context.databasePath());
    return row.Open(rowSql(query.name), kDynamicCursor, kOptimisticLock) && !row.IsEOF() &&
           writeColumns(row, query) && row.Update();
}

bool QueryStore::remove(const QString& name)
{
    CDbRecordset statement(m_context.connection, m_context.databasePath());
    return statement.Open(QStringLiteral("DELETE FROM XNSysQueries WHERE QueryName = ") + sqlQuoted(name), kReadCursor,
                          kReadLock);
}

QList<QueryJoin> RelationJoins(CAppContext& context, const QStringList& tables)
{
    QList<QueryJoin> joins;
    for (const QString& left : tables) {
        for (const QString& right : tables) {
            if (left == right)
                continue;
            CDbRecordset relations(context.connection, context.databasePath());
            if (!relations.Open(QStringLiteral("SELECT LEFTTABLE,RIGHTTABLE,LEFTFIELD,RIGHTFIELD FROM XNSysRelations "
                                               "WHERE LEFTTABLE = ") +
                                    sqlQuoted(left) + QStringLiteral(" AND RIGHTTABLE = ") + sqlQuoted(right),
                                kReadCursor, kReadLock))
                continue;
            for (; !relations.IsEOF(); relations.MoveNext())
                joins << QueryJoin{relations.GetFieldString(0), relations.GetFieldString(2),
                                   relations.GetFieldString(1), relations.GetFieldString(3)};
        }
    }
    return joins;
}

// A delete statement does its work when it opens, so the trial runs in a transaction that is undone:
// looking at a query never changes a record.
bool QueryStatementOpens(CAppContext& context, const QString& statement)
{
    CDbTransaction undone(context);
    if (!undone.isOpen())
        return false;
    CDbRecordset trial(context.connection, context.databasePath());
    const bool opened = trial.Open(QueryStatementForCheck(statement), kReadCursor, kReadLock);
    trial.Close();
    undone.rollback();
    return opened;
}
