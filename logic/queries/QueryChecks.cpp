#include "logic/queries/QueryChecks.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/CDbTransaction.h"
#include "data/CatalogueSql.h"
#include "data/RelationRows.h"
#include "logic/queries/QueryParameters.h"

QList<QueryJoin> RelationJoins(CAppContext& context, const QStringList& tables)
{
    ContextSql sql(context);
    RelationRows relations(sql);
    QList<QueryJoin> joins;
    for (const QString& left : tables)
        for (const QString& right : tables)
            if (left != right)
                for (const RelationRow& relation : relations.between(left, right))
                    joins << QueryJoin{relation.leftTable, relation.leftField, relation.rightTable, relation.rightField};
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
    const bool opened = trial.Open(QueryStatementForCheck(statement), 0, 1);
    trial.Close();
    undone.rollback();
    return opened;
}
