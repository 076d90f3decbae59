#include "data/ModuleRows.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/CatalogueSql.h"
#include "data/SqlText.h"

namespace {
QString rowOf(const QString& name)
{
    return QStringLiteral("SELECT * from XNSysModules where ModuleName = ") + sqlQuoted(name);
}
} // namespace

QStringList ModuleRows::names() { return selectColumn(m_sql, QStringLiteral("SELECT * from XNSysModules"), 0); }

std::optional<QString> ModuleRows::source(const QString& name)
{
    const auto rows = m_sql.select(rowOf(name));
    if (!rows || rows->isEmpty())
        return std::nullopt;
    return rows->first().value(1);
}

bool ModuleRows::remove(const QString& name)
{
    return m_sql.execute(QStringLiteral("DELETE From XNSysModules where ModuleName = ") + sqlQuoted(name));
}

std::unique_ptr<CDbRecordset> ModuleRows::openRow(CAppContext& context, const QString& name)
{
    auto row = std::make_unique<CDbRecordset>(context.connection, context.databasePath());
    if (!row->Open(rowOf(name), CDbRecordset::kDynamic, CDbRecordset::kOptimistic) || !row->MoveFirst() || row->IsEOF())
        return nullptr;
    return row;
}

std::unique_ptr<CDbRecordset> ModuleRows::openTable(CAppContext& context)
{
    auto table = std::make_unique<CDbRecordset>(context.connection, context.databasePath());
    if (!table->Open(QStringLiteral("XNSysModules"), CDbRecordset::kDynamic, CDbRecordset::kOptimistic))
        return nullptr;
    return table;
}

QString ModuleRows::tableFailure() { return QStringLiteral("Could not open XNSysModule"); }

bool ModuleRows::write(CDbRecordset& row, const QString& name, const QString& source)
{
    return row.SetFieldString(0, name) && row.SetFieldString(1, source) && row.Update();
}
