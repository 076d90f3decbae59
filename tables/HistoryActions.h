#pragma once
// The Edit menu's Undo and Redo, naming the step they take, and Record History and Deleted Records,
// for a view over a table's records (the datasheet and the form view share them).
#include <QObject>

#include <functional>

class CAppContext;
class DataHistory;
class FilterTarget;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;

class HistoryActions : public QObject {
    Q_OBJECT
public:
    // Adds Edit to `menus` before its second menu and the two history commands to `recordMenu`;
    // `reread` shows the records as the file now holds them.
    HistoryActions(CAppContext& context, FilterTarget& target, QWidget* view, QMenuBar* menus, QMenu* recordMenu,
                   std::function<void()> reread);

    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }
    // Names the steps Undo and Redo would take now.
    void refresh();

    void undo();
    void redo();
    void showRecordHistory();
    void showDeletedRecords();

private:
    void take(const std::function<bool(DataHistory&)>& step);
    // False, having said why, when the database keeps no history.
    bool historyKept() const;

    CAppContext& m_context;
    FilterTarget& m_target;
    QWidget* m_view;
    std::function<void()> m_reread;
    QAction* m_undo;
    QAction* m_redo;
};
