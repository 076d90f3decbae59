#pragma once
// Where the file browser opens, purpose by purpose, so that a user who keeps imports in one folder and
// databases in another finds each where they left it.
#include "app/shell/ShellServices.h"

// The request's own folder when it is one; else the folder last picked from for the purpose; else the
// request's fallback folder; else, for databases and exports, the Default Database Folder (data/DatabaseFolder.h); else empty, which the
// browser takes as the root. Folders that are gone are passed over.
QString browseStartFolder(const BrowseRequest& request);

// Where a table or query is first offered to be exported: the folder last exported to, else the open
// database's own folder (`databasePath` a device path; a server's address has none), else the Default
// Database Folder. Folders that are gone are passed over.
QString exportStartFolder(const QString& databasePath);

// Keeps the folder of a chosen file, or a chosen folder itself (both device paths), for the purpose.
void rememberBrowseFolder(BrowsePurpose purpose, const QString& chosen, bool isFolder);
