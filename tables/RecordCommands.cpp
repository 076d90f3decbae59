#include "tables/RecordCommands.h"

#include "data/KeyAction.h"
#include "widgets/ViewKeys.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolBar>

namespace {

struct SharedCommand {
    RecordCommand command;
    const char* text;
    // The strip shows short texts for the moves; the menus keep the full names.
    const char* stripText;
    int keyAction;
};

const SharedCommand kShared[] = {
    {RecordCommand::Add, "Add Record", "New", keyaction::AddRecord},
    {RecordCommand::Delete, "Delete Record", nullptr, keyaction::DeleteRecord},
    {RecordCommand::First, "First Record", "|<", keyaction::FirstRecord},
    {RecordCommand::Previous, "Previous Record", "<", keyaction::PreviousRecord},
    {RecordCommand::Next, "Next Record", ">", keyaction::NextRecord},
    {RecordCommand::Last, "Last Record", ">|", keyaction::LastRecord},
    {RecordCommand::GoTo, "Go To", nullptr, keyaction::None},
    {RecordCommand::SortAscending, "Sort Ascending", nullptr, keyaction::SortAscending},
    {RecordCommand::SortDescending, "Sort Descending", nullptr, keyaction::SortDescending},
    {RecordCommand::FilterIncluding, "Filter Including", nullptr, keyaction::FilterIncluding},
    {RecordCommand::FilterExcluding, "Filter Excluding", nullptr, keyaction::FilterExcluding},
    {RecordCommand::AdvancedFilter, "Advanced Filter / Sort", nullptr, keyaction::None},
    {RecordCommand::RemoveFilter, "Remove Filter", nullptr, keyaction::RemoveFilter},
    {RecordCommand::Find, "Find", nullptr, keyaction::None},
    {RecordCommand::Print, "Print...", nullptr, keyaction::None},
    {RecordCommand::Preview, "Print Preview", nullptr, keyaction::None},
    {RecordCommand::ExportPdf, "Export to PDF...", nullptr, keyaction::None},
    // Which close the key options name depends on the view: each names its own.
    {RecordCommand::Close, "Close", nullptr, keyaction::None},
};

const SharedCommand* sharedOf(RecordCommand command)
{
    for (const SharedCommand& shared : kShared)
        if (shared.command == command)
            return &shared;
    return nullptr;
}

QList<QKeySequence> keysOf(RecordCommand command)
{
    switch (command) {
    case RecordCommand::Add: return addRecordKeys();
    case RecordCommand::Delete: return deleteRecordKeys();
    case RecordCommand::Find: return {QKeySequence(QKeySequence::Find)};
    case RecordCommand::Close: return {closeViewKey()};
    default: return {};
    }
}

} // namespace

QHash<int, QAction*> buildRecordCommands(QWidget& view, QMenuBar& menus, QToolBar& strip,
                                         RecordCommandEntries entries, const std::function<void(int)>& run)
{
    QHash<int, QAction*> actions;
    QHash<QString, QMenu*> menuOf;
    for (const RecordCommandEntry& entry : entries) {
        const SharedCommand* shared = sharedOf(entry.shared);
        const char* text = entry.text ? entry.text : shared ? shared->text : "";
        auto* action = new QAction(QString::fromLatin1(text), &view);
        const int command = entry.command;
        QObject::connect(action, &QAction::triggered, &view, [run, command] { run(command); });
        action->setShortcuts(keysOf(entry.shared));
        actions.insert(command, action);
        if (entry.menu) {
            const QString name = QString::fromLatin1(entry.menu);
            if (!menuOf.contains(name))
                menuOf.insert(name, menus.addMenu(name));
            if (entry.separated)
                menuOf.value(name)->addSeparator();
            menuOf.value(name)->addAction(action);
        } else if (entry.separated) {
            strip.addSeparator();
        }
        if (entry.onStrip || !entry.menu) {
            if (shared && shared->stripText)
                action->setIconText(QString::fromLatin1(shared->stripText));
            strip.addAction(action);
        }
    }
    return actions;
}

int commandOfKeyAction(RecordCommandEntries entries, int action)
{
    for (const RecordCommandEntry& entry : entries) {
        const SharedCommand* shared = sharedOf(entry.shared);
        const int runsOn = entry.keyAction ? entry.keyAction : shared ? shared->keyAction : keyaction::None;
        if (runsOn != keyaction::None && runsOn == action)
            return entry.command;
    }
    return 0;
}

bool scrollForKeyAction(QAbstractScrollArea& area, int action)
{
    switch (action) {
    case keyaction::ScrollUp: area.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub); return true;
    case keyaction::ScrollDown: area.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd); return true;
    case keyaction::ScrollLeft: area.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub); return true;
    case keyaction::ScrollRight: area.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd); return true;
    default: return false;
    }
}
