#include "app/FrameViews.h"

#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "app/logic/DatabaseCommands.h"
#include "logic/CModuleView.h"
#include "platform/framework/MessageBox.h"

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

void FrameViews::openForm(const QString&)
{
    framework::showMessage(DatabaseCommands::notAvailableText());
}
