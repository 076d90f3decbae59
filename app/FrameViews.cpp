#include "app/FrameViews.h"

#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "app/shell/DatabaseCommands.h"
#include "app/shell/HardwareKeys.h"
#include "logic/CModuleView.h"
#include "platform/framework/MessageBox.h"
#include "platform/framework/Profile.h"
#include "tables/CViewTableData.h"

void FrameViews::openModuleEditor(const QString& moduleName)
{
    if (!m_frame)
        return;
    auto* view = new CModuleView(m_context, moduleName);
    QObject::connect(view, &CModuleView::closed, m_frame, [this] {
        m_frame->switchView(view::DatabaseWindow);
        // A saved or renamed module shows in the list at once.
        m_commands.selectPane(Pane::Modules);
    });
    m_frame->switchView(moduleName.isEmpty() ? view::NewModuleEditor : view::ModuleEditor, view);
}

void FrameViews::openTable(const QString& table)
{
    if (!m_frame)
        return;
    auto* view = new CViewTableData(m_context);
    if (!view->openTable(table)) {
        delete view;
        framework::showMessage(QStringLiteral("Failed to open the table ") + table);
        return;
    }
    showDatasheet(view, view::Datasheet);
}

void FrameViews::openQuery(const QString& name, const QString& statement)
{
    if (!m_frame)
        return;
    auto* view = new CViewTableData(m_context);
    if (!view->openQuery(name, statement)) {
        delete view;
        framework::showMessage(QStringLiteral("Failed Execute the query"));
        return;
    }
    showDatasheet(view, view::QueryDatasheet);
}

void FrameViews::hardwareKey(int virtualKey)
{
    auto* datasheet = m_frame ? qobject_cast<CViewTableData*>(m_frame->currentView()) : nullptr;
    if (!datasheet)
        return;
    for (const HardwareKey& key : hardwareKeys())
        if (key.virtualKey == virtualKey)
            datasheet->performKeyAction(
                framework::GetProfileInt(QStringLiteral("KEY_OPTIONS"), key.profileKey, 0));
}

void FrameViews::showDatasheet(CViewTableData* view, int viewId)
{
    QObject::connect(view, &CViewTableData::closed, m_frame, [this] {
        m_frame->switchView(view::DatabaseWindow);
        // Records added or deleted change the counts of the tables list.
        m_commands.selectPane(Pane::Tables);
    });
    m_frame->switchView(viewId, view);
}

void FrameViews::openForm(const QString&)
{
    framework::showMessage(DatabaseCommands::notAvailableText());
}

void FrameViews::openAutoForm(const QString&)
{
    framework::showMessage(DatabaseCommands::notAvailableText());
}
