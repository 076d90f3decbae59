#pragma once
// The database window's menus and command bars as data: which command sits where, under what text.
#include <QList>
#include <QString>

struct MenuCommand {
    int id;          // 0 marks a separator
    QString text;
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
