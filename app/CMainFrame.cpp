#include "app/CMainFrame.h"

#include "app/CDBView.h"
#include "app/CommandIds.h"
#include "app/CommandMenus.h"
#include "app/shell/DatabaseCommands.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QStackedWidget>
#include <QToolBar>

CMainFrame::CMainFrame(DatabaseWindowModel& model, DatabaseCommands& commands, const RecentDatabases& recent,
                       int stripScale, QWidget* parent)
    : QMainWindow(parent), m_model(model), m_commands(commands), m_recent(recent),
      m_views(new QStackedWidget(this)), m_databaseWindow(new CDBView(model, commands, stripScale)),
      m_currentViewId(view::DatabaseWindow)
{
    setObjectName(QStringLiteral("mainFrame"));
    m_views->addWidget(m_databaseWindow);
    setCentralWidget(m_views);
    buildMenus();
    buildCommandBars();
    connect(m_databaseWindow, &CDBView::refreshed, this, &CMainFrame::followModel);
    followModel();
}

QAction* CMainFrame::actionFor(int commandId, const QString& text)
{
    if (QAction* existing = m_actions.value(commandId))
        return existing;
    auto* action = new QAction(text, this);
    connect(action, &QAction::triggered, this, [this, commandId] { m_commands.run(commandId); });
    m_actions.insert(commandId, action);
    return action;
}

void CMainFrame::buildMenus()
{
    for (const MenuDefinition& definition : mainMenus()) {
        QMenu* menu = menuBar()->addMenu(definition.title);
        for (const MenuCommand& command : definition.commands) {
            if (command.id == 0) {
                menu->addSeparator();
                continue;
            }
            if (command.id == cmd::Options) {
                QMenu* recent = menu->addMenu(QStringLiteral("Recent &Database"));
                connect(recent, &QMenu::aboutToShow, this, [this, recent] { fillRecentMenu(recent); });
                menu->addSeparator();
            }
            QAction* action = actionFor(command.id, command.text);
            if (!command.shortcut.isEmpty())
                action->setShortcut(command.shortcut);
            // The list acts on the key itself (it knows the pane); the menu only tells of it, after a tab
            // as menus show keys.
            if (!command.listKey.isEmpty())
                action->setText(command.text + QLatin1Char('\t') + command.listKey);
            menu->addAction(action);
        }
    }
}

void CMainFrame::fillRecentMenu(QMenu* menu)
{
    menu->clear();
    const QStringList entries = m_recent.entries();
    for (int i = 0; i < entries.size() && cmd::RecentFirst + i <= cmd::RecentLast; ++i) {
        QAction* entry = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(entries.at(i)));
        const int commandId = cmd::RecentFirst + i;
        connect(entry, &QAction::triggered, this, [this, commandId] { m_commands.run(commandId); });
    }
    if (entries.isEmpty())
        menu->addAction(QStringLiteral("(none)"))->setEnabled(false);
}

void CMainFrame::buildCommandBars()
{
    for (const CommandBarDefinition& definition : commandBars()) {
        auto* toolBar = new QToolBar(this);
        toolBar->setObjectName(QStringLiteral("bar%1").arg(definition.barId));
        toolBar->setMovable(false);
        toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
        for (const MenuCommand& button : definition.buttons) {
            QAction* action = toolBar->addAction(button.text);
            action->setToolTip(button.text);
            connect(action, &QAction::triggered, this, [this, id = button.id] { m_commands.run(id); });
        }
        addToolBar(Qt::TopToolBarArea, toolBar);
        toolBar->hide();
        m_bars.insert(definition.barId, toolBar);
    }
}

void CMainFrame::followModel()
{
    // Other views bring their own commands; the database window's menus would act behind their back.
    menuBar()->setVisible(m_currentViewId == view::DatabaseWindow);
    setWindowTitle(m_commands.windowTitle());
    const int shown = paneBar(m_model.pane());
    for (auto it = m_bars.cbegin(); it != m_bars.cend(); ++it)
        it.value()->setVisible(m_currentViewId == view::DatabaseWindow && it.key() == shown);
    if (QAction* beam = commandAction(cmd::BeamDatabase))
        beam->setEnabled(m_model.beamEnabled());
}

QWidget* CMainFrame::currentView() const { return m_views->currentWidget(); }

void CMainFrame::switchView(int viewId, QWidget* view)
{
    if (m_otherView) {
        m_views->removeWidget(m_otherView);
        m_otherView->deleteLater();
        m_otherView = nullptr;
    }
    m_currentViewId = view ? viewId : view::DatabaseWindow;
    if (!view) {
        m_views->setCurrentWidget(m_databaseWindow);
    } else {
        m_otherView = view;
        m_views->addWidget(view);
        m_views->setCurrentWidget(view);
        view->setFocus();
    }
    followModel();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    event->ignore();
    // The view on show closes its own way first, with its own questions (a changed module asks to be
    // saved); one that must stay keeps the program open.
    if (m_otherView && !m_otherView->close())
        return;
    if (m_otherView)
        switchView(view::DatabaseWindow);
    m_commands.run(cmd::Exit);
}
