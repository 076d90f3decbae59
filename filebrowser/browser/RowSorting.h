#pragma once

#include "filebrowser/browser/BrowserRow.h"

#include <QList>

namespace browser {

// Sorts the folder rows (the first folderCount) and the file rows each by itself, so folders stay above
// files. Size sorts only the file rows, by their byte count; every other column compares its text
// without regard to case.
void sortRows(QList<BrowserRow>& rows, qsizetype folderCount, Column column, bool descending);

}  // namespace browser
