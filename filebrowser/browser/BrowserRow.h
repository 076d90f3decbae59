#pragma once

#include "filebrowser/browser/FolderListing.h"

#include <QString>

#include <array>

namespace browser {

// The list's columns; SizeK and Type hold sort keys and are never seen.
enum Column { Name, Size, Modified, SizeK, Type, ColumnCount };

// One row of the list: its cell texts plus where the entry lives (its item data and icon).
struct BrowserRow {
    std::array<QString, ColumnCount> texts;
    QString devicePath;
    QString hostPath;

    bool isFolder() const { return texts[Type] == QLatin1String("D"); }
    const QString& name() const { return texts[Name]; }
};

BrowserRow makeRow(const FolderEntry& entry);

// The size as the desktop's own file dialogs show it ("512 bytes", "1.5 KiB"), so that small text files
// are not left blank.
QString sizeText(qint64 bytes);

// Date and time in the user's locale, local time, joined by one blank.
QString modifiedText(const QDateTime& when);

}  // namespace browser
