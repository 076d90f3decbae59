#pragma once
// The one folder the program keeps the user's files in unless told otherwise: the Default Database
// Folder of the options. Databases are looked for there, the sample database lives there, and files
// written out (exports, form files) are offered there first, so that the user meets one folder.
#include <QString>

// A device path: the folder the options name when it exists; a folder the user named that is gone gives
// way to the desktop's documents folder (when it lies on the device) and then to the options' own
// default, which is made when missing. Empty only when that cannot be made either.
QString defaultDatabaseFolder();

// A device path (not a host path) that names an existing folder.
bool isExistingDeviceFolder(const QString& devicePath);

// The device folder a database file lies in (the root for one at the root); empty for a server's
// database, which has none.
QString folderOfDatabase(const QString& databasePath);
