#pragma once
#include <QString>

#include <vector>

namespace device {

// Creates the system folder when it is missing; files already there are left as they are. False when the
// folder cannot be made.
bool prepareSystemFolder();

// Makes "\Windows\<name>" a link to the host file `target`, replacing an older link of that name
// (never a real file). False when that cannot be done.
bool placeSystemLink(const QString& name, const QString& target);

// A file built beside a program, and the name it is reached by in the system folder.
struct BuiltFileLink {
    QString name;
    QString built;
};

// Links each name in the system folder to its file in programDir, so that command lines naming
// "Windows//<name>" run as written. A file missing from programDir leaves its link as it was.
void linkBuiltFiles(const QString& programDir, const std::vector<BuiltFileLink>& links);

} // namespace device
