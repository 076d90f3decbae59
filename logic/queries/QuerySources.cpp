#include "logic/queries/QuerySources.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/Catalogue.h"
#include "data/SqlText.h"

namespace {
QStringList firstColumn(CAppContext& context, const QString& sql)
{
    QStringList values;
    CDbRecordset rows(context.connection, context.databasePath());
    if (!rows.Open(sql, 0, 1))
        return values;
    for (; !rows.IsEOF(); rows.MoveNext())
        values << rows.GetFieldString(0);
    return values;
}
} // namespace

QStringList QueryTableNames(CAppContext& context)
{
    QStringList tables;
    for (const QString& name :
         firstColumn(context, QStringLiteral("Select tablename from MSysTables where tablename NOT LIKE 'MSys%'")))
        if (!name.isEmpty() && isUserTable(name))
            tables << name;
    return tables;
}

QStringList QueryFieldNames(CAppContext& context, const QString& table)
{
    const QString id = tableIdOf(context, table);
    if (id.isEmpty())
        return {};
    return firstColumn(context, QStringLiteral("Select FieldName From XNSysFields where tableid = ") + id +
                                    QStringLiteral(" ORDER BY FieldID"));
}
