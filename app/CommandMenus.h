#pragma once
// The database window's menus and command bars as data: which command sits where, under what text.
#include <QKeySequence>
#include <QList>
#include <QString>

struct MenuCommand {
    int id;          // 0 marks a separator
    QString text;
    QKeySequence shortcut = {}; // the command's own key, anywhere in the database window
    QString listKey = {};       // a key the pane's list takes for the command, shown beside it
};

struct MenuDefinition {
    QString title;
    QList<MenuCommand> commands;
};

struct CommandBarDefinition {
    int barId;
    QList<MenuCommand> buttons; // the text is the button's tool tip
};

const QList<MenuDefinition>& mainMenus();
const QList<CommandBarDefinition>& commandBars();
