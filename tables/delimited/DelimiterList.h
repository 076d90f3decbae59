#pragma once
// The delimiters the import offers: six built in, then every other delimiter a user typed, kept in the
// profile in the order they were first used.
#include <QStringList>

namespace delimiters {

// ",", "[Space]", "[NewLine]", "[Tab]", ";" and "|", then the stored entries 4 to DelimiterCount.
QStringList entries();
// Appends a delimiter that is not in the list yet; nothing for one that is, or for an empty text.
void remember(const QString& delimiter);

} // namespace delimiters
