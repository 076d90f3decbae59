#pragma once
// The menus and the strip of a view written out as text, so that a test compares what the user reads.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QToolBar>

// One line per menu: its title, then its entries, "-" for a separator.
inline QStringList menuText(const QMenuBar& menus)
{
    QStringList lines;
    for (QAction* menu : menus.actions()) {
        QStringList entries;
        for (QAction* entry : menu->menu()->actions())
            entries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
        lines << menu->text() + QStringLiteral(": ") + entries.join(QStringLiteral(", "));
    }
    return lines;
}

// The strip's buttons by their short texts, "-" for a separator.
inline QStringList stripText(const QToolBar& strip)
{
    QStringList buttons;
    for (QAction* button : strip.actions())
        if (button->isSeparator())
            buttons << QStringLiteral("-");
        else if (!button->iconText().isEmpty())
            buttons << button->iconText();
    return buttons;
}
