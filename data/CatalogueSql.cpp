#include "data/CatalogueSql.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"

bool ContextSql::execute(const QString& sql)
{
    if (!m_context.openDatabase)
        return false;
    CDbRecordset statement(m_context.connection, m_context.databasePath());
    return statement.Open(sql, 0, 1);
}

std::optional<QList<QStringList>> ContextSql::select(const QString& sql)
{
    if (!m_context.openDatabase)
        return std::nullopt;
    CDbRecordset result(m_context.connection, m_context.databasePath());
    if (!result.Open(sql, 0, 1))
        return std::nullopt;
    QList<QStringList> rows;
    const int columns = result.GetFieldCount();
    while (!result.IsEOF()) {
        QStringList row;
        for (int column = 0; column < columns; ++column)
            row << result.GetFieldString(column);
        rows << row;
        if (!result.MoveNext())
            break;
    }
    return rows;
}

QStringList selectColumn(CatalogueSql& sql, const QString& statement, int column)
{
    QStringList values;
    for (const QStringList& row : sql.select(statement).value_or(QList<QStringList>()))
        values << row.value(column);
    return values;
}
