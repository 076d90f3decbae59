// Saving the designed form into its catalogue row: a new row, the same row, or the row renamed.
#include "forms/designer/FormDesign.h"

#include "forms/format/CtrlProps.h"
#include "forms/format/DatabaseFormStore.h"
#include "platform/framework/MessageBox.h"

namespace {

void tell(const QString& text) { framework::showMessage(text); }

} // namespace

bool FormDesign::save(DatabaseFormStore& store, const QString& name)
{
    if (name.isEmpty()) {
        tell(QStringLiteral("Enter the name"));
        return false;
    }
    if (!ValidateObjectName(name)) {
        tell(QStringLiteral("Invalid Form Name : ") + name);
        return false;
    }
    const std::optional<QString> text = SerialiseForm(m_state.form, m_state.controls);
    if (!text) {
        tell(QStringLiteral("A property value cannot contain ~ or |"));
        return false;
    }
    const FormRow row{name, m_state.tableSource, *text};
    const bool renamed = !isNew() && name != m_formName;
    if (renamed && framework::showMessage(QStringLiteral("Rename the form?"), QString(), framework::Buttons::YesNo,
                                          framework::Icon::Question) != framework::Answer::Yes)
        return false;
    if (isNew() || renamed) {
        // The engine finds names without regard to case, so a name differing only in case is taken too;
        // only the form's own row may answer to it.
        const std::optional<FormRow> existing = store.findForm(name);
        if (existing && (isNew() || existing->name.compare(m_formName, Qt::CaseInsensitive) != 0)) {
            tell(QStringLiteral("Already exists"));
            return false;
        }
    }
    if (isNew()) {
        if (!store.addForm(row)) {
            tell(QStringLiteral("Error while creating"));
            return false;
        }
        tell(QStringLiteral("Form created successfully"));
    } else {
        if (!store.updateForm(m_formName, row)) {
            tell(QStringLiteral("Error while saving"));
            return false;
        }
        tell(QStringLiteral("Form saved successfully"));
    }
    m_formName = name;
    m_changed = false;
    return true;
}
