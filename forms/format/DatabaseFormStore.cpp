#include "forms/format/DatabaseFormStore.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/SqlText.h"

namespace {
constexpr int kReadCursor = 0;
constexpr int kReadLock = 1;
constexpr int kDynamicCursor = 2;
constexpr int kOptimisticLock = 3;
} // namespace

std::optional<FormRow> DatabaseFormStore::findForm(const QString& name)
{
    CDbRecordset row(m_context.connection, m_context.databasePath());
    if (!row.Open(QStringLiteral("Select * From XNSysForms where FormName = ") + sqlQuoted(name), kReadCursor,
                  kReadLock) ||
        !row.MoveFirst() || row.IsEOF())
        return std::nullopt;
    return FormRow{row.GetFieldString(0), row.GetFieldString(1), row.GetFieldString(2)};
}

bool DatabaseFormStore::addForm(const FormRow& form)
{
    CDbRecordset table(m_context.connection, m_context.databasePath());
    return table.Open(QStringLiteral("XNSysForms"), kDynamicCursor, kOptimisticLock) && table.AddNew() &&
           table.SetFieldString(0, form.name) && table.SetFieldString(1, form.tableSource) &&
           table.SetFieldString(2, form.ctrlProps) && table.Update();
}

bool DatabaseFormStore::updateForm(const QString& name, const FormRow& form)
{
    CDbRecordset row(m_context.connection, m_context.databasePath());
    return row.Open(QStringLiteral("Select * from XNSysForms where formname = ") + sqlQuoted(name), kDynamicCursor,
                    kOptimisticLock) &&
           row.MoveFirst() && !row.IsEOF() && row.SetFieldString(0, form.name) &&
           row.SetFieldString(1, form.tableSource) && row.SetFieldString(2, form.ctrlProps) && row.Update();
}
