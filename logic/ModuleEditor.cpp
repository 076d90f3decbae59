#include "logic/ModuleEditor.h"

#include "data/ModuleRows.h"
#include "platform/framework/MessageBox.h"

ModuleEditor::ModuleEditor(CAppContext& context) : m_context(context) {}

ModuleEditor::~ModuleEditor() = default;

bool ModuleEditor::open(const QString& name)
{
    // The row is edited later, so it stays open on an updatable cursor.
    auto row = ModuleRows::openRow(m_context, name);
    if (!row) {
        framework::showMessage(QStringLiteral("Could not get source for the module"));
        return false;
    }
    m_name = name;
    m_source = row->GetFieldString(1);
    m_row = std::move(row);
    m_new = false;
    m_modified = false;
    return true;
}

bool ModuleEditor::addRow()
{
    auto table = ModuleRows::openTable(m_context);
    if (!table) {
        framework::showMessage(ModuleRows::tableFailure());
        return false;
    }
    if (!table->AddNew()) {
        framework::showMessage(QStringLiteral("Could not add new record"));
        return false;
    }
    m_row = std::move(table);
    return true;
}

bool ModuleEditor::save(const QString& name, const QString& source)
{
    if (!m_modified)
        return true;
    if (name.isEmpty() || source.isEmpty()) {
        framework::showMessage(QStringLiteral("The module name or source cannot be empty"));
        return false;
    }
    if (m_new && !addRow())
        return false;
    // Update tells the user itself why the engine refused the row (a name that is too long, say).
    if (!ModuleRows::write(*m_row, name, source))
        return false;
    m_name = name;
    m_source = source;
    m_new = false;
    m_modified = false;
    framework::showMessage(QStringLiteral("Module was saved successfully"));
    return true;
}

bool ModuleEditor::close(const QString& name, const QString& source)
{
    if (!m_modified)
        return true;
    const framework::Answer answer =
        framework::showMessage(QStringLiteral("Do you wana to save this module"), framework::applicationCaption(),
                               framework::Buttons::YesNo, framework::Icon::Information);
    return answer != framework::Answer::Yes || save(name, source);
}
