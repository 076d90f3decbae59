#pragma once
// The delimiters the import offers, kept in the profile: three built in, then every delimiter a user
// typed, in the order they were first used.
#include <QStringList>

namespace delimiters {

// ",", "[Space]" and "[NewLine]", then the stored entries 4 to DelimiterCount.
QStringList entries();
// Appends a delimiter that is not in the list yet; nothing for one that is, or for an empty text.
void remember(const QString& delimiter);

} // namespace delimiters
