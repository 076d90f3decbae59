#include "data/RelationRows.h"

#include "data/CatalogueSql.h"
#include "data/SqlText.h"

namespace {
QString namesCondition(const RelationRow& names)
{
    return QStringLiteral(" WHERE LeftTable=") + sqlQuoted(names.leftTable) + QStringLiteral(" AND RightTable = ") +
           sqlQuoted(names.rightTable) + QStringLiteral(" AND LeftField = ") + sqlQuoted(names.leftField) +
           QStringLiteral(" AND RightField = ") + sqlQuoted(names.rightField);
}

QList<RelationRow> relationsOf(const QList<QStringList>& rows)
{
    QList<RelationRow> relations;
    for (const QStringList& row : rows)
        relations << RelationRow{row.value(0), row.value(1), row.value(2), row.value(3), row.value(4).toInt(),
                                 row.value(5).toInt()};
    return relations;
}

const QString kColumns =
    QStringLiteral("SELECT LeftTable,RightTable,LeftField,RightField,RelationType,RelationFlags FROM XNSysRelations");
} // namespace

std::optional<QList<RelationRow>> RelationRows::all()
{
    const auto rows = m_sql.select(kColumns);
    if (!rows)
        return std::nullopt;
    return relationsOf(*rows);
}

QList<RelationRow> RelationRows::between(const QString& left, const QString& right)
{
    const auto rows = m_sql.select(kColumns + QStringLiteral(" WHERE LeftTable = ") + sqlQuoted(left) +
                                   QStringLiteral(" AND RightTable = ") + sqlQuoted(right));
    return relationsOf(rows.value_or(QList<QStringList>()));
}

QList<RelationRow> RelationRows::cascading(const QString& leftTable, const QString& leftField, int flag)
{
    const auto rows = m_sql.select(kColumns + QStringLiteral(" WHERE LeftTable= ") + sqlQuoted(leftTable) +
                                   QStringLiteral(" AND LeftField = ") + sqlQuoted(leftField) +
                                   QStringLiteral(" AND (RelationFlags = %1 OR RelationFlags = 6)").arg(flag));
    return relationsOf(rows.value_or(QList<QStringList>()));
}

QList<RelationRow> RelationRows::keepingIntegrity(const QString& leftTable, const QString& leftField)
{
    const auto rows = m_sql.select(kColumns + QStringLiteral(" WHERE LeftTable= ") + sqlQuoted(leftTable) +
                                   QStringLiteral(" AND LeftField = ") + sqlQuoted(leftField) +
                                   QStringLiteral(" AND RelationFlags <> 0"));
    return relationsOf(rows.value_or(QList<QStringList>()));
}

std::optional<QStringList> RelationRows::relatedTables(const QString& table)
{
    const QString quoted = sqlQuoted(table);
    QStringList related;
    for (const QString& sql : {QStringLiteral("SELECT RightTable FROM XNSysRelations WHERE LeftTable = ") + quoted,
                               QStringLiteral("SELECT LeftTable FROM XNSysRelations WHERE RightTable = ") + quoted}) {
        const auto rows = m_sql.select(sql);
        if (!rows)
            return std::nullopt;
        for (const QStringList& row : *rows)
            if (!related.contains(row.value(0)))
                related << row.value(0);
    }
    return related;
}

bool RelationRows::remove(const RelationRow& names)
{
    return m_sql.execute(QStringLiteral("DELETE FROM XNSysRelations") + namesCondition(names));
}

QString RelationRows::rowSql(const RelationRow& names)
{
    return QStringLiteral("SELECT * FROM XNSysRelations") + namesCondition(names);
}
