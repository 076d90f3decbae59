#include "data/FieldRows.h"

#include "data/CatalogueSql.h"
#include "data/SqlText.h"

namespace {
// TableIDs come from the engine's own catalogue as numbers and stand in the statements bare; anything
// else is no table's and is never placed into one.
bool isTableId(const QString& id)
{
    bool number = false;
    id.toLongLong(&number);
    return number;
}

QString idText(const QString& id) { return isTableId(id) ? id : sqlQuoted(id); }
} // namespace

QString FieldRows::tableSql() { return QStringLiteral("XNSysFields"); }

QString FieldRows::rowsSql(const QString& tableId)
{
    return QStringLiteral("Select * from XNSysFields where tableid = ") + idText(tableId) +
           QStringLiteral(" ORDER BY FIELDID ASC");
}

QString FieldRows::rowsByNameSql(const QString& tableId)
{
    return QStringLiteral("SELECT * FROM 'XNSysFields' WHERE 'TableID' = ") + sqlQuoted(tableId) +
           QStringLiteral(" ORDER BY 'FieldName'");
}

QString FieldRows::fieldRowSql(const QString& tableId, const QString& field)
{
    return QStringLiteral("SELECT * FROM XNSysFields WHERE TableID = ") + idText(tableId) +
           QStringLiteral(" AND FieldName = ") + sqlQuoted(field);
}

QString FieldRows::fieldColumnsSql(const QString& columns, const QString& tableId, const QString& field)
{
    return QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM XNSysFields WHERE TableID = ") + idText(tableId) +
           QStringLiteral(" AND FieldName = ") + sqlQuoted(field);
}

QString FieldRows::datasheetSql(const QString& tableId)
{
    return QStringLiteral("Select FieldName, ODBCType, Unique, Required, ZeroLen, Combo, ComboFlags, ComboData, "
                          "ValdnRule, ValdnText,DefValue, Calculation, AutoNumber, InputMask,Len from "
                          "XNSysFields where tableid = ") +
           idText(tableId) + QStringLiteral(" ORDER BY FIELDID ASC");
}

QString FieldRows::insertSql(const QString& columns, const QString& values)
{
    return QStringLiteral("Insert into XNSysFields (") + columns + QStringLiteral(") values (") + values +
           QStringLiteral(")");
}

QString FieldRows::removeFieldSql(const QString& tableId, const QString& field)
{
    return QStringLiteral("DELETE XNSysFields WHERE TABLEID = ") + idText(tableId) + QStringLiteral(" AND FIELDNAME = ") +
           sqlQuoted(field);
}

QString FieldRows::renameFailure()
{
    return QStringLiteral("Field name changed, Error while updating XNSysFields for renaming fieldname");
}

QList<QStringList> FieldRows::ofTable(const QString& tableId)
{
    if (!isTableId(tableId))
        return {};
    return m_sql
        .select(QStringLiteral("Select * From XNSysFields Where TableID = ") + tableId +
                QStringLiteral(" order by FieldID"))
        .value_or(QList<QStringList>());
}

QStringList FieldRows::namesOfTable(const QString& tableId)
{
    if (!isTableId(tableId))
        return {};
    return selectColumn(m_sql,
                        QStringLiteral("Select FieldName From XNSysFields where tableid = ") + tableId +
                            QStringLiteral(" ORDER BY FieldID"),
                        0);
}

bool FieldRows::removeTable(const QString& tableId)
{
    return isTableId(tableId) && m_sql.execute(QStringLiteral("Delete XNSysFields where TableId = ") + tableId);
}

std::optional<QStringList> FieldRows::defaultAndRule(const QString& tableId, const QString& field)
{
    if (!isTableId(tableId))
        return std::nullopt;
    const auto rows = m_sql.select(QStringLiteral("SELECT DefValue, ValdnRule FROM XNSysFields WHERE TableID = ") +
                                   tableId + QStringLiteral(" AND FieldName = ") + sqlQuoted(field));
    if (!rows || rows->isEmpty())
        return std::nullopt;
    return rows->first();
}
