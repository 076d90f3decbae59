#pragma once
// Form rows of the open database's XNSysForms.
#include "forms/format/FormFile.h"

class CAppContext;

class DatabaseFormStore : public FormStore {
public:
    explicit DatabaseFormStore(CAppContext& context) : m_context(context) {}

    std::optional<FormRow> findForm(const QString& name) override;
    bool addForm(const FormRow& row) override;

private:
    CAppContext& m_context;
};
