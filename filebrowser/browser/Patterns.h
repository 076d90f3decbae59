#pragma once

#include <QString>
#include <QStringList>

namespace browser {

// The filter box's entries: the filter list split at every "|", each piece trimmed, sorted as the box
// keeps them.
QStringList filterEntries(const QString& filters);

// The first known pattern that occurs in the filter text, or the previous active pattern when none does.
QString activePatternFrom(const QString& filterText, const QString& previous);

// Whether a file of this name belongs in a listing under the active pattern: the known extension
// patterns take names containing their extension (exactly as written), any other pattern takes every file.
bool listsFile(const QString& name, const QString& activePattern);

}  // namespace browser
