#pragma once
#include <QString>

namespace regsvrce {

// Points the system folder's "Kestrine.dll" and "Regsvrce.exe" at the component library and the
// registration tool found in programDir, so that "Windows//Regsvrce.exe /s Windows//Kestrine.dll"
// runs as written. A file missing from programDir leaves its link as it was.
void seedComponentLinks(const QString& programDir);

} // namespace regsvrce
