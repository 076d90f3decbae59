#pragma once
// Opens the views of other parts in the main frame when the database window asks for them, and is
// what scripts reach of the application: the open form and the way to open one.
#include "app/shell/Pane.h"
#include "app/shell/ShellServices.h"
#include "logic/ScriptForm.h"

class CAppContext;
class QWidget;
class CMainFrame;
class DatabaseCommands;

class FrameViews : public ViewOpener, public ScriptApplication {
public:
    FrameViews(CAppContext& context, DatabaseCommands& commands) : m_context(context), m_commands(commands) {}

    void setFrame(CMainFrame* frame) { m_frame = frame; }

    void openModuleEditor(const QString& moduleName) override;
    void openTable(const QString& table) override;
    void openQuery(const QString& name, const QString& statement) override;
    void openQueryDesigner(const QString& name) override;
    void openForm(const QString& name) override;
    void openAutoForm(const QString& source) override;
    void openMacroEditor(const QString& macroName) override;
    void openFormRunningMacro(const QString& formName, const QString& macroName) override;
    void openReports(const QString& newSource) override;
    // A new form asks for its record source first; nothing opens when that is cancelled.
    void openFormDesigner(const QString& formName) override;
    // A hardware button was pressed: the datasheet on show performs the action the key options give it.
    void hardwareKey(int virtualKey);
    // The datasheet or form view on show, which performs key actions; null when another view is.
    QWidget* keyActionView() const;
    // Another program changed the open file: the datasheet, form or database window on show reads again
    // what it shows, leaving alone typing not yet stored: false when that typing kept it from reading.
    bool showChangesOfOtherPrograms();

    // The session of the form view on show, null when another view is.
    ScriptForm* currentForm() override;

private:
    // Shows the datasheet as the view numbered `viewId`; when it closes, the database window returns on
    // `returnPane`.
    void showDatasheet(class CViewTableData* view, int viewId, Pane returnPane);
    // Shows the form view; when it closes, the database window returns on `returnPane`.
    void showForm(class CAutoForm* view, Pane returnPane);

    CAppContext& m_context;
    DatabaseCommands& m_commands;
    CMainFrame* m_frame = nullptr;
};
