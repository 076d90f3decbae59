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

// Whole kilobytes from 1024 bytes on ("1 K" up to 2047 bytes), a single blank below.
QString sizeText(qint64 bytes);

// Date and time in the user's locale, local time, joined by one blank.
QString modifiedText(const QDateTime& when);

}  // namespace browser
