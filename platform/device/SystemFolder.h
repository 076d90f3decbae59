#pragma once
#include <QString>

namespace device {

// Creates the system folder when it is missing and seeds it: a first Varnel.cfg holds "Lang=English".
// Files already there are left as they are. False when the folder cannot be made.
bool prepareSystemFolder();

// Makes "\Windows\<name>" a link to the host file `target`, replacing an older link of that name
// (never a real file). False when that cannot be done.
bool placeSystemLink(const QString& name, const QString& target);

} // namespace device
