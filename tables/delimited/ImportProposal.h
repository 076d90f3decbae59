#pragma once
// What the import dialog proposes for a file before the user chooses anything, read from its first lines:
// the delimiter, whether lines that start with "#" are notes to pass over, and whether the first line
// names the fields. Each is only a proposal; the dialog shows it and the user may change it.
#include <QString>

struct ImportProposal {
    QString delimiter = QStringLiteral(","); // an entry of the delimiter list
    bool skipComments = false;
    bool firstRowNames = false;
};

// For the file at a device path (or an absolute host path); the defaults for one that cannot be read.
ImportProposal proposeImport(const QString& path);
