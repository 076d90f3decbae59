#include "forms/format/DatabaseFormStore.h"

#include "data/CatalogueSql.h"

std::optional<FormRow> DatabaseFormStore::findForm(const QString& name)
{
    ContextSql sql(m_context);
    return FormRows(sql).find(name);
}

bool DatabaseFormStore::addForm(const FormRow& form) { return FormRows::add(m_context, form); }

bool DatabaseFormStore::updateForm(const QString& name, const FormRow& form)
{
    return FormRows::update(m_context, name, form);
}
