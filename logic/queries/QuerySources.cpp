#include "logic/queries/QuerySources.h"

#include "data/CAppContext.h"
#include "data/Catalogue.h"
#include "data/CatalogueSql.h"
#include "data/FieldRows.h"
#include "data/SqlText.h"

QStringList QueryTableNames(CAppContext& context)
{
    ContextSql sql(context);
    QStringList tables;
    for (const QString& name :
         selectColumn(sql, QStringLiteral("Select tablename from MSysTables where tablename NOT LIKE 'MSys%'"), 0))
        if (!name.isEmpty() && isUserTable(name))
            tables << name;
    return tables;
}

QStringList QueryFieldNames(CAppContext& context, const QString& table)
{
    const QString id = tableIdOf(context, table);
    if (id.isEmpty())
        return {};
    ContextSql sql(context);
    return FieldRows(sql).namesOfTable(id);
}
