#pragma once
#include <QList>
#include <QString>

// One heading of a help file that can be gone to: its place name, its title and its depth (1 for a
// chapter, 2 for a section within it).
struct HelpEntry {
    QString anchor;
    QString title;
    int level = 1;
};

// The contents of a help file: its chapter and section headings that carry a place name
// (<h2><a name="Tables">Tables</a></h2>, <h3>...</h3>), in the order they stand.
QList<HelpEntry> helpContents(const QString& html);
