#include "data/LayoutRows.h"

#include "data/CatalogueSql.h"
#include "data/SqlText.h"

QString LayoutRows::tableSql() { return QStringLiteral("XNSysTables"); }

QString LayoutRows::rowSql(const QString& table)
{
    return QStringLiteral("SELECT * FROM XNSysTables WHERE TableSource = ") + sqlQuoted(table);
}

bool LayoutRows::insert(const QString& table, const QString& names, const QString& widths)
{
    return m_sql.execute(
        QStringLiteral("INSERT INTO XNSysTables (TableSource, FieldName, Widths, Options) VALUES(%1, %2, %3, '')")
            .arg(sqlQuoted(table), sqlQuoted(names), sqlQuoted(widths)));
}
