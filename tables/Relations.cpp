#include "tables/Relations.h"

#include "data/CDbRecordset.h"
#include "data/CDbCommand.h"
#include "data/CDbTransaction.h"
#include "data/CatalogueSql.h"
#include "data/RelationRows.h"
#include "data/SqlText.h"
#include "platform/framework/MessageBox.h"

namespace {

// The name without the single quotes a list may show around it, so that a quote inside it is doubled
// like any other when it is quoted again.
QString bareName(const QString& table)
{
    if (table.size() >= 2 && table.startsWith(QLatin1Char('\'')) && table.endsWith(QLatin1Char('\'')))
        return table.mid(1, table.size() - 2);
    return table;
}

} // namespace

QList<RelatedTarget> RelatedTargets(CAppContext& context, const QString& table, const QString& field, int kind)
{
    const int flag = kind == relationflags::kCascadeDeletes ? relationflags::kCascadeDeletes
                                                            : relationflags::kCascadeUpdates;
    ContextSql sql(context);
    QList<RelatedTarget> targets;
    for (const RelationRow& relation : RelationRows(sql).cascading(bareName(table), field, flag))
        targets.append({relation.rightTable, relation.rightField});
    return targets;
}

QString targetText(const RelatedTarget& target)
{
    return target.table + QLatin1Char('~') + target.field;
}

void CascadeUpdate(CAppContext& context, const QList<RelatedTarget>& targets, const QString& oldValue,
                   const QString& newValue)
{
    for (const RelatedTarget& target : targets) {
        // The engine compares the quoted old value in the field's own type, so '10' finds the number 10.
        CDbRecordset rows(context.connection, context.databasePath());
        if (!rows.Open(QStringLiteral("SELECT ") + sqlName(target.field) + QStringLiteral(" FROM ") + sqlName(target.table) +
                           QStringLiteral(" WHERE ") + sqlName(target.field) + QStringLiteral("= ") + sqlQuoted(oldValue),
                       2, 3))
            continue;
        // The data-access layer reports a refused Update itself; the next rows would be refused alike.
        for (; !rows.IsEOF(); rows.MoveNext())
            if (!rows.SetFieldString(0, newValue) || !rows.Update())
                break;
    }
}

bool CascadeDelete(CAppContext& context, const QList<RelatedTarget>& targets, const QString& value)
{
    for (const RelatedTarget& target : targets) {
        CDbRecordset statement(context.connection, context.databasePath());
        if (!statement.Open(QStringLiteral("DELETE FROM ") + sqlName(target.table) + QStringLiteral(" WHERE ") +
                                sqlName(target.field) + QStringLiteral("= ") + sqlQuoted(value),
                            0, 1))
            return false;
    }
    return true;
}

namespace {

bool askCascade(const QString& question)
{
    return framework::showMessage(question, framework::applicationCaption(), framework::Buttons::YesNo,
                                  framework::Icon::Information) == framework::Answer::Yes;
}

} // namespace

void OfferCascadeUpdate(CAppContext& context, const QString& table, const QString& field, const QString& oldValue,
                        const QString& newValue)
{
    if (oldValue == newValue)
        return;
    const QList<RelatedTarget> targets = RelatedTargets(context, table, field, relationflags::kCascadeUpdates);
    if (!targets.isEmpty() && askCascade(QStringLiteral("Would you also like to Update in related table")))
        CascadeUpdate(context, targets, oldValue, newValue);
}

PendingCascadeDeletes::PendingCascadeDeletes(CAppContext& context, const QString& table, const QStringList& fields,
                                             const QStringList& values)
    : m_context(context), m_table(table)
{
    for (qsizetype f = 0; f < fields.size(); ++f) {
        const QList<RelatedTarget> targets = RelatedTargets(context, table, fields[f], relationflags::kCascadeDeletes);
        if (!targets.isEmpty() && askCascade(QStringLiteral("Would you also like to delete in related table")))
            m_targets.append({targets, values.value(f)});
    }
}

bool PendingCascadeDeletes::deleteWith(const std::function<bool()>& deleteRecord)
{
    // The record and its related records are one step of the history, as they are one transaction.
    CDbCommand command(m_context, QStringLiteral("Delete in %1").arg(m_table));
    CDbTransaction transaction(m_context);
    if (!transaction.isOpen() || !deleteRecord())
        return false;
    for (const auto& [targets, value] : m_targets)
        if (!CascadeDelete(m_context, targets, value))
            return false;
    return transaction.commit();
}

std::optional<QStringList> RelatedTablesOf(CAppContext& context, const QString& table)
{
    ContextSql sql(context);
    return RelationRows(sql).relatedTables(bareName(table));
}
