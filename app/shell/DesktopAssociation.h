#pragma once
// What "associate .cdb files with the program" means on a Linux desktop: a MIME type for the files, a
// desktop entry that opens them with the program, and the program as their default application, all in
// the user's own XDG folders.
#include <QString>

struct XdgFolders {
    QString dataHome;   // $XDG_DATA_HOME, usually ~/.local/share
    QString configHome; // $XDG_CONFIG_HOME, usually ~/.config
};

XdgFolders xdgFoldersFromEnvironment();

inline const QString kDatabaseMimeType = QStringLiteral("application/x-varnel-database");
inline const QString kDesktopEntryName = QStringLiteral("varnel-desk.desktop");

QString mimePackageText();
QString desktopEntryText(const QString& programPath);
// mimeapps.list with the program as the default for .cdb files; other lines are kept as they are.
QString withDefaultApplication(const QString& mimeAppsList);

// Writes the three files (only where their contents change). False when one could not be written.
bool installDesktopAssociation(const XdgFolders& folders, const QString& programPath);
