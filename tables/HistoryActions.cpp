#include "tables/HistoryActions.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/DataHistory.h"
#include "platform/framework/MessageBox.h"
#include "tables/CDeletedRecordsDlg.h"
#include "tables/CRecordHistoryDlg.h"
#include "tables/FilterTarget.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

HistoryActions::HistoryActions(CAppContext& context, FilterTarget& target, QWidget* view, QMenuBar* menus,
                               QMenu* recordMenu, std::function<void()> reread)
    : QObject(view), m_context(context), m_target(target), m_view(view), m_reread(std::move(reread)),
      m_undo(new QAction(QStringLiteral("Undo"), view)), m_redo(new QAction(QStringLiteral("Redo"), view))
{
    auto* edit = new QMenu(QStringLiteral("&Edit"), menus);
    const QList<QAction*> existing = menus->actions();
    menus->insertMenu(existing.size() > 1 ? existing.at(1) : nullptr, edit);
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* action : {m_undo, m_redo}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        view->addAction(action);
        edit->addAction(action);
    }
    connect(m_undo, &QAction::triggered, this, &HistoryActions::undo);
    connect(m_redo, &QAction::triggered, this, &HistoryActions::redo);
    connect(edit, &QMenu::aboutToShow, this, &HistoryActions::refresh);
    recordMenu->addSeparator();
    connect(recordMenu->addAction(QStringLiteral("Record History")), &QAction::triggered, this,
            &HistoryActions::showRecordHistory);
    connect(recordMenu->addAction(QStringLiteral("Deleted Records")), &QAction::triggered, this,
            &HistoryActions::showDeletedRecords);
    refresh();
}

void HistoryActions::refresh()
{
    const DataHistory history(m_context);
    m_undo->setText(history.undoText());
    m_redo->setText(history.redoText());
    m_undo->setEnabled(history.canUndo());
    m_redo->setEnabled(history.canRedo());
}

void HistoryActions::undo()
{
    take([](DataHistory& history) { return history.undo(); });
}

void HistoryActions::redo()
{
    take([](DataHistory& history) { return history.redo(); });
}

void HistoryActions::take(const std::function<bool(DataHistory&)>& step)
{
    DataHistory history(m_context);
    if (!step(history))
        framework::showMessage(history.message());
    m_reread();
    refresh();
}

bool HistoryActions::historyKept() const
{
    if (DataHistory(m_context).kept())
        return true;
    framework::showMessage(DataHistory::notKeptMessage());
    return false;
}

void HistoryActions::showRecordHistory()
{
    if (!historyKept())
        return;
    CDbRecordset* records = m_target.recordset();
    const int current = m_target.currentRecord();
    if (!m_target.sourceIsTable() || !records || current < 0 || !records->MoveTo(current)) {
        framework::showMessage(QStringLiteral("Record History needs a record of a table"));
        return;
    }
    CRecordHistoryDlg dialog(m_context.databasePath(), m_target.sourceName(), records->GetRecordKey(), m_view);
    dialog.exec();
    if (dialog.restored())
        m_reread();
    refresh();
}

void HistoryActions::showDeletedRecords()
{
    if (!historyKept())
        return;
    if (!m_target.sourceIsTable()) {
        framework::showMessage(QStringLiteral("Deleted Records needs a table"));
        return;
    }
    CDeletedRecordsDlg dialog(m_context.databasePath(), m_target.sourceName(), m_view);
    dialog.exec();
    if (dialog.restored())
        m_reread();
    refresh();
}
