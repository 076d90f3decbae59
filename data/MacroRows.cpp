#include "data/MacroRows.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/CatalogueSql.h"
#include "data/SqlText.h"

namespace {
QString rowOf(const QString& name)
{
    return QStringLiteral("SELECT * from XNSysMacros where MacroName = ") + sqlQuoted(name);
}
} // namespace

QStringList MacroRows::names() { return selectColumn(m_sql, QStringLiteral("Select * from XNSysMacros"), 1); }

bool MacroRows::exists(const QString& name)
{
    const auto rows = m_sql.select(rowOf(name));
    return rows && !rows->isEmpty();
}

std::optional<QString> MacroRows::arguments(const QString& name)
{
    const auto rows = m_sql.select(rowOf(name));
    if (!rows || rows->size() != 1)
        return std::nullopt;
    return rows->first().value(3);
}

bool MacroRows::remove(const QString& name)
{
    return m_sql.execute(QStringLiteral("DELETE From XNSysMacros where MacroName = ") + sqlQuoted(name));
}

bool MacroRows::write(CAppContext& context, const QString& existing, const StoredMacro& macro)
{
    CDbRecordset table(context.connection, context.databasePath());
    const QString rows = existing.isEmpty() ? QStringLiteral("XNSysMacros") : rowOf(existing);
    if (!table.Open(rows, CDbRecordset::kDynamic, CDbRecordset::kOptimistic) ||
        (existing.isEmpty() ? !table.AddNew() : table.IsEOF()))
        return false;
    return table.SetFieldString(1, macro.name) && table.SetFieldString(2, macro.events) &&
           table.SetFieldString(3, macro.arguments) && table.SetFieldBool(4, true) && table.Update();
}
