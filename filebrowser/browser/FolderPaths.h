#pragma once

#include <QString>

namespace browser {

// How the chooser writes a path: from the root, single "\\" separators ("/" counts as one too), no trailing "\" except the root "\".
QString canonicalPath(const QString& text);

// The text with a trailing "\" added when it has none.
QString withTrailingSeparator(const QString& text);

// The folder above the path box's text: everything before its last "\", or the root when that "\" is
// the first character or there is none.
QString folderAbove(const QString& text);

}  // namespace browser
