#pragma once

#include <QString>
#include <QStringList>

namespace browser {

// The filter box's entries: the filter list split at every "|", each piece trimmed, in the client's
// order, so that the type it offers first is the one chosen at start.
QStringList filterEntries(const QString& filters);

// How the filter box shows an entry: "Text Files (*.txt *.csv)" for "*.txt;*.csv(Text Files)"; an entry
// without a description in brackets shows as it is written.
QString filterLabel(const QString& entry);

// The patterns a filter text names: "*.*" when it names that, else its extension patterns ("*.txt",
// "*.csv") joined by ";", or the previous active pattern when it names none.
QString activePatternFrom(const QString& filterText, const QString& previous);

// Whether the file-name box's text stands for a pattern rather than for one name.
bool isWildcard(const QString& text);

// Whether a file of this name belongs in a listing under the active pattern: extension patterns take
// names containing one of their extensions (exactly as written), any other pattern takes every file.
bool listsFile(const QString& name, const QString& activePattern);

}  // namespace browser
