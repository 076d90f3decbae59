#pragma once

#include <QString>

namespace browser {

// Matches a file name against a pattern of the device's file finder: "*" is any run, "?" one character,
// letters compare without regard to case, and "*.*" takes every name, with or without a dot.
bool matchesWildcard(const QString& name, const QString& pattern);

}  // namespace browser
