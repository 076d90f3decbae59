#pragma once
// The record commands the datasheet and the form view share: the text each has in a menu, its short text
// on the strip, its keys and the key options' action that runs it. A view lists its menus in order, with
// its own texts where they differ and its own commands among the shared ones; the table gives the shared
// ones the rest. It lives beside the views rather than in widgets/ because it speaks the key options'
// actions, which are data/'s.
#include <QHash>

#include <functional>
#include <span>

class QAbstractScrollArea;
class QAction;
class QMenuBar;
class QToolBar;
class QWidget;

enum class RecordCommand {
    None,
    Add,
    Delete,
    First,
    Previous,
    Next,
    Last,
    GoTo,
    SortAscending,
    SortDescending,
    FilterIncluding,
    FilterExcluding,
    AdvancedFilter,
    RemoveFilter,
    Find,
    Print,
    Preview,
    ExportPdf,
    Close
};

// One command of a view: the view's own number for it, the menu it stands in (null: on the strip only),
// the shared command it is (None for one of the view's own), and the view's text where it is not the
// shared one's.
struct RecordCommandEntry {
    int command;
    const char* menu;
    RecordCommand shared = RecordCommand::None;
    const char* text = nullptr;
    bool onStrip = false;
    // A separator goes before it in its menu (on the strip for a command only there).
    bool separated = false;
    // The key options' action that runs it, where the shared command has none.
    int keyAction = 0;
};

using RecordCommandEntries = std::span<const RecordCommandEntry>;

// The menus and the strip of `view` from its entries in their order, each action with its keys and
// running `run` with its command; the actions by command.
QHash<int, QAction*> buildRecordCommands(QWidget& view, QMenuBar& menus, QToolBar& strip,
                                         RecordCommandEntries entries, const std::function<void(int)>& run);

// The view's command that the key options' action runs, from its entries; 0 for none.
int commandOfKeyAction(RecordCommandEntries entries, int action);

// Scrolls `area` one step for the key options' four scroll actions; false for any other action.
bool scrollForKeyAction(QAbstractScrollArea& area, int action);
