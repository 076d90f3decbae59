#pragma once
// The main window: the menus, the command bar of the current pane and one view at a time. The database
// window lives as long as the frame; every other view is made when asked for and destroyed when left.
#include <QHash>
#include <QMainWindow>

class CDBView;
class DatabaseCommands;
class DatabaseWindowModel;
class RecentDatabases;
class QStackedWidget;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(DatabaseWindowModel& model, DatabaseCommands& commands, const RecentDatabases& recent,
               int stripScale, QWidget* parent = nullptr);

    CDBView* databaseWindow() const { return m_databaseWindow; }
    int currentViewId() const { return m_currentViewId; }
    QWidget* currentView() const;
    // Shows `view` as the view numbered `viewId` (the frame takes it over); switching to the database
    // window needs no view.
    void switchView(int viewId, QWidget* view = nullptr);

    QAction* commandAction(int commandId) const { return m_actions.value(commandId); }
    QToolBar* commandBar(int barId) const { return m_bars.value(barId); }

protected:
    // Closing the window closes the view on show as its own Close does, then runs the Exit command.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildCommandBars();
    QAction* actionFor(int commandId, const QString& text);
    void fillRecentMenu(QMenu* menu);
    void followModel();

    DatabaseWindowModel& m_model;
    DatabaseCommands& m_commands;
    const RecentDatabases& m_recent;
    QStackedWidget* m_views;
    CDBView* m_databaseWindow;
    QWidget* m_otherView = nullptr;
    int m_currentViewId;
    QHash<int, QAction*> m_actions;
    QHash<int, QToolBar*> m_bars;
};
