#pragma once
// Reaching a server database before it is opened, made or copied to: libpq takes the password from the
// user's password file by itself; when the server still wants one, it is asked for until the server takes
// it or the user gives up. The password is kept for this run of the program only.
#include "app/shell/ShellServices.h"

// True when the database at `address` is reached; otherwise the user was told why, or cancelled.
bool signInToServer(ShellPlatform& platform, const QString& address);
