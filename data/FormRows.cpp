#include "data/FormRows.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/CatalogueSql.h"
#include "data/SqlText.h"

namespace {
QString rowOf(const QString& name)
{
    return QStringLiteral("Select * From XNSysForms where FormName = ") + sqlQuoted(name);
}

bool writeColumns(CDbRecordset& row, const FormRow& form)
{
    return row.SetFieldString(0, form.name) && row.SetFieldString(1, form.tableSource) &&
           row.SetFieldString(2, form.ctrlProps) && row.Update();
}
} // namespace

QStringList FormRows::names() { return selectColumn(m_sql, QStringLiteral("Select * from XNSysForms"), 0); }

bool FormRows::exists(const QString& name)
{
    const auto rows = m_sql.select(QStringLiteral("Select FormName From XNSysForms where FormName = ") + sqlQuoted(name));
    return rows && !rows->isEmpty();
}

std::optional<FormRow> FormRows::find(const QString& name)
{
    const auto rows = m_sql.select(rowOf(name));
    if (!rows || rows->isEmpty())
        return std::nullopt;
    const QStringList& row = rows->first();
    return FormRow{row.value(0), row.value(1), row.value(2)};
}

bool FormRows::remove(const QString& name)
{
    return m_sql.execute(QStringLiteral("Delete From XNSysForms where FormName = ") + sqlQuoted(name));
}

bool FormRows::insert(const FormRow& row)
{
    return m_sql.execute(QStringLiteral("INSERT INTO XNSysForms (FormName, TableSource, CtrlProps) VALUES (%1, %2, %3)")
                             .arg(sqlQuoted(row.name), sqlQuoted(row.tableSource), sqlQuoted(row.ctrlProps)));
}

bool FormRows::add(CAppContext& context, const FormRow& form)
{
    CDbRecordset table(context.connection, context.databasePath());
    return table.Open(QStringLiteral("XNSysForms"), CDbRecordset::kDynamic, CDbRecordset::kOptimistic) &&
           table.AddNew() && writeColumns(table, form);
}

bool FormRows::update(CAppContext& context, const QString& name, const FormRow& form)
{
    CDbRecordset row(context.connection, context.databasePath());
    return row.Open(rowOf(name), CDbRecordset::kDynamic, CDbRecordset::kOptimistic) &&
           row.MoveFirst() && !row.IsEOF() && writeColumns(row, form);
}
