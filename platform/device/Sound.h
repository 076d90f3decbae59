#pragma once
#include <QString>

namespace device {

// Plays a sound file (a device path or an absolute host path) and returns when it has finished. The host
// has no sound service of its own here, so the first of the usual command-line players found on the PATH
// plays it. False when the file is missing or no player could play it.
bool playSoundSync(const QString& path);

} // namespace device
