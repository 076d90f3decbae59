#pragma once
// The application object: starts the program in its fixed order (COM, the component's registration,
// language and settings, the password, the command line, the main window) and owns what lives for
// the whole run.
#include "app/ContextDatabase.h"
#include "app/DesktopPlatform.h"
#include "app/DesktopTextTransfer.h"
#include "app/FrameViews.h"
#include "app/ProfileRecentDatabases.h"
#include "app/shell/DatabaseCommands.h"
#include "app/shell/DatabaseWindowModel.h"
#include "app/shell/WindowDesignerHost.h"
#include "data/CAppContext.h"
#include "data/FileChangeWatch.h"
#include "forms/format/DatabaseFormStore.h"

#include <QStringList>

#include <memory>

class CMainFrame;
class ScriptStopPrompt;

class CDatabaseApp {
public:
    explicit CDatabaseApp(QStringList arguments);
    ~CDatabaseApp();

    // Runs the program; its exit code.
    int run();

private:
    void prepareSystemFolder();
    // The database named on the command line becomes the start-up database; false when it is refused.
    bool processCommandLine();
    bool passwordAccepted();
    void startDatabaseWindow();
    void openSampleDatabase();
    // The options sheet over the window; after OK the window shows the new settings.
    void showOptions();

    QStringList m_arguments;
    CAppContext m_context;
    DatabaseWindowModel m_model;
    ContextDatabase m_database{m_context, m_model};
    ProfileRecentDatabases m_recent;
    DesktopPlatform m_platform;
    DatabaseCommands m_commands{m_model, m_database, m_recent, m_platform};
    DatabaseFormStore m_forms{m_context};
    DesktopTextTransfer m_transfer{m_context};
    FrameViews m_views{m_context, m_commands};
    std::unique_ptr<ScriptStopPrompt> m_scriptWatch;
    // The open file as it was when the program last lost the user's attention.
    FileChangeWatch m_fileWatch;
    bool m_serverChanged = false; // another program wrote to the server database, not yet shown
    WindowDesignerHost m_designerHost{m_model};
    std::unique_ptr<CMainFrame> m_frame;
};
