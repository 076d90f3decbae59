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

struct IntegrityRelation {
    RelatedTarget target;
    int flags = 0;
};

// Every relation from `field` of `table` that keeps referential integrity, cascading or not.
QList<IntegrityRelation> integrityRelations(CAppContext& context, const QString& table, const QString& field)
{
    ContextSql sql(context);
    QList<IntegrityRelation> found;
    for (const RelationRow& relation : RelationRows(sql).keepingIntegrity(bareName(table), field))
        found.append({{relation.rightTable, relation.rightField}, relation.flags});
    return found;
}

// A related table or field that cannot be read holds no record that could refer to the value.
qint64 rowsReferring(CAppContext& context, const RelatedTarget& target, const QString& value)
{
    CDbRecordset rows(context.connection, context.databasePath());
    // The engine's dialect has no COUNT: the matching rows are counted as read.
    if (!rows.Open(QStringLiteral("SELECT ") + sqlName(target.field) + QStringLiteral(" FROM ") + sqlName(target.table) +
                       QStringLiteral(" WHERE ") + sqlName(target.field) + QStringLiteral("= ") + sqlQuoted(value),
                   0, 1))
        return 0;
    qint64 count = 0;
    for (; !rows.IsEOF(); rows.MoveNext())
        ++count;
    return count;
}

QString recordsIn(qint64 count, const RelatedTarget& target)
{
    return QString::number(count) + (count == 1 ? QStringLiteral(" record in ") : QStringLiteral(" records in ")) +
           target.table;
}

// The first relation of `field` whose related records would be left without the value, unless the
// relation carries the change (`cascade` set and the user's Yes).
std::optional<std::pair<RelatedTarget, qint64>> unreleasedReference(CAppContext& context, const QString& table,
                                                                    const QString& field, const QString& value,
                                                                    int cascade, bool carried)
{
    const int told = fileFailuresTold();
    for (const IntegrityRelation& relation : integrityRelations(context, table, field)) {
        if (carried && (relation.flags & cascade))
            continue;
        const qint64 count = rowsReferring(context, relation.target, value);
        // A failed read was told once; the caller stops at it.
        if (fileFailuresTold() != told)
            return std::nullopt;
        if (count > 0)
            return std::pair{relation.target, count};
    }
    return std::nullopt;
}

} // namespace

PendingCascadeUpdate::PendingCascadeUpdate(CAppContext& context, const QString& table, const QString& field,
                                           const QString& oldValue, const QString& newValue)
    : m_context(context), m_oldValue(oldValue)
{
    if (oldValue == newValue)
        return;
    const int told = fileFailuresTold();
    const QList<RelatedTarget> targets = RelatedTargets(context, table, field, relationflags::kCascadeUpdates);
    m_readFailed = fileFailuresTold() != told;
    if (m_readFailed)
        return;
    const bool carried = !targets.isEmpty() && askCascade(QStringLiteral("Would you also like to Update in related table"));
    const auto reference = unreleasedReference(context, table, field, oldValue, relationflags::kCascadeUpdates, carried);
    m_readFailed = fileFailuresTold() != told;
    if (reference) {
        m_refusal = field + QStringLiteral(" cannot be changed from ") + oldValue + QStringLiteral(" while ") +
                    recordsIn(reference->second, reference->first) + QStringLiteral(" refer to it through ") +
                    reference->first.field + QLatin1Char('.');
        return;
    }
    if (carried)
        m_targets = targets;
}

void PendingCascadeUpdate::carry(const QString& storedValue) const
{
    if (!m_targets.isEmpty() && storedValue != m_oldValue)
        CascadeUpdate(m_context, m_targets, m_oldValue, storedValue);
}

PendingCascadeDeletes::PendingCascadeDeletes(CAppContext& context, const QString& table, const QStringList& fields,
                                             const QStringList& values)
    : m_context(context), m_table(table)
{
    const int told = fileFailuresTold();
    for (qsizetype f = 0; f < fields.size(); ++f) {
        const QList<RelatedTarget> targets = RelatedTargets(context, table, fields[f], relationflags::kCascadeDeletes);
        m_readFailed = fileFailuresTold() != told;
        if (m_readFailed)
            return;
        const bool carried =
            !targets.isEmpty() && askCascade(QStringLiteral("Would you also like to delete in related table"));
        const auto reference = unreleasedReference(context, table, fields[f], values.value(f),
                                                   relationflags::kCascadeDeletes, carried);
        m_readFailed = fileFailuresTold() != told;
        if (m_readFailed)
            return;
        if (reference) {
            m_refusal = QStringLiteral("The record cannot be deleted while ") +
                        recordsIn(reference->second, reference->first) + QStringLiteral(" refer to it through ") +
                        reference->first.field + QLatin1Char('.');
            m_targets.clear();
            return;
        }
        if (carried)
            m_targets.append({targets, values.value(f)});
    }
}

bool PendingCascadeDeletes::deleteWith(const std::function<bool()>& deleteRecord)
{
    if (refused())
        return false;
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
