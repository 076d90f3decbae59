#pragma once
// The forms of the open database, as the form files and the designer reach them.
#include "forms/format/FormFile.h"

class CAppContext;

class DatabaseFormStore : public FormStore {
public:
    explicit DatabaseFormStore(CAppContext& context) : m_context(context) {}

    std::optional<FormRow> findForm(const QString& name) override;
    bool addForm(const FormRow& row) override;
    // Writes all three columns of the row now named `name`; false when there is none or the write failed.
    bool updateForm(const QString& name, const FormRow& row);

private:
    CAppContext& m_context;
};
