#include "app/FrameViews.h"

#include "app/CDBView.h"
#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "app/shell/DatabaseCommands.h"
#include "app/shell/HardwareKeys.h"
#include "app/FileBrowserClient.h"
#include "forms/CAutoForm.h"
#include "forms/designer/CFormSourceDlg.h"
#include "forms/designer/CNewFormView.h"
#include "logic/CMacroBuilderDlg.h"
#include "logic/CModuleView.h"
#include "logic/queries/CNewQueryDlg.h"
#include "platform/framework/MessageBox.h"
#include "reports/ui/ReportsWindow.h"
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
    showDatasheet(view, view::Datasheet, Pane::Tables);
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
    showDatasheet(view, view::QueryDatasheet, Pane::Queries);
}

void FrameViews::openQueryDesigner(const QString& name)
{
    if (!m_frame)
        return;
    if (const std::optional<QueryResultRequest> result = CNewQueryDlg::design(m_context, name, m_frame))
        openQuery(result->name, result->statement);
}

QWidget* FrameViews::keyActionView() const
{
    QWidget* current = m_frame ? m_frame->currentView() : nullptr;
    return qobject_cast<CViewTableData*>(current) || qobject_cast<CAutoForm*>(current) ? current : nullptr;
}

bool FrameViews::showChangesOfOtherPrograms()
{
    QWidget* current = m_frame ? m_frame->currentView() : nullptr;
    if (auto* datasheet = qobject_cast<CViewTableData*>(current))
        return datasheet->rereadRecords();
    if (auto* form = qobject_cast<CAutoForm*>(current))
        return form->session().reread();
    if (current && current == m_frame->databaseWindow())
        m_commands.rereadLists();
    return true;
}

void FrameViews::hardwareKey(int virtualKey)
{
    QWidget* view = keyActionView();
    if (auto* datasheet = qobject_cast<CViewTableData*>(view))
        datasheet->performKeyAction(keyAction(virtualKey));
    else if (auto* form = qobject_cast<CAutoForm*>(view))
        form->performKeyAction(keyAction(virtualKey));
}

void FrameViews::showDatasheet(CViewTableData* view, int viewId, Pane returnPane)
{
    QObject::connect(view, &CViewTableData::closed, m_frame, [this, returnPane] {
        m_frame->switchView(view::DatabaseWindow);
        m_commands.selectPane(returnPane);
        // Records added or deleted change the counts of the tables list, and an undo or redo in the view
        // may have deleted a table or brought one back.
        m_commands.rereadLists();
    });
    m_frame->switchView(viewId, view);
}

void FrameViews::openForm(const QString& name)
{
    if (!m_frame)
        return;
    auto* view = new CAutoForm(m_context);
    // A form without a row opens empty, as the session leaves it.
    view->openForm(name);
    showForm(view, Pane::Forms);
}

void FrameViews::openFormRunningMacro(const QString& formName, const QString& macroName)
{
    if (!m_frame)
        return;
    auto* view = new CAutoForm(m_context);
    view->openForm(formName);
    showForm(view, Pane::Macros);
    view->runMacroWhenShown(macroName);
}

void FrameViews::openReports(const QString& newSource)
{
    ReportsWindow reports(m_context, m_frame);
    reports.setNewReportSource(newSource);
    reports.exec();
}

void FrameViews::openMacroEditor(const QString& macroName)
{
    CMacroBuilderDlg editor(m_context, macroName, [](QWidget* parent) {
        return browseWithComponent({.title = QStringLiteral(" Macro "),
                                    .filters = QStringLiteral("*.wav;*.ogg;*.oga;*.flac(Sound Files)|*.*(All Files)"),
                                    .failureCaption = QStringLiteral("Test"),
                                    .purpose = BrowsePurpose::SoundFile},
                                   parent);
    }, m_frame);
    editor.exec();
}

void FrameViews::openAutoForm(const QString& source)
{
    if (!m_frame)
        return;
    auto* view = new CAutoForm(m_context);
    view->openAutoForm(source);
    showForm(view, source.endsWith(QLatin1String("(Q)")) ? Pane::Queries : Pane::Tables);
}

void FrameViews::openFormDesigner(const QString& formName)
{
    if (!m_frame)
        return;
    auto* view = new CNewFormView(m_context);
    if (formName.isEmpty()) {
        CFormSourceDlg source(view->catalogue().sources(), m_frame);
        if (source.exec() != QDialog::Accepted) {
            delete view;
            return;
        }
        view->startNew(source.source(), source.autoForm());
    } else if (!view->editForm(formName)) {
        delete view;
        return;
    }
    QObject::connect(view, &CNewFormView::closed, m_frame, [this] {
        m_frame->switchView(view::DatabaseWindow);
        // A saved or renamed form shows in the list at once.
        m_commands.selectPane(Pane::Forms);
    });
    m_frame->switchView(formName.isEmpty() ? view::NewFormDesigner : view::FormDesigner, view);
}

void FrameViews::showForm(CAutoForm* view, Pane returnPane)
{
    QObject::connect(view, &CAutoForm::closed, m_frame, [this, returnPane] {
        m_frame->switchView(view::DatabaseWindow);
        // Records added or deleted change the counts the window shows, and an undo or redo in the form
        // may have deleted a table or brought one back.
        m_commands.selectPane(returnPane);
        m_commands.rereadLists();
    });
    m_frame->switchView(view::FormView, view);
}

ScriptForm* FrameViews::currentForm()
{
    auto* form = m_frame ? qobject_cast<CAutoForm*>(m_frame->currentView()) : nullptr;
    return form ? &form->session() : nullptr;
}
