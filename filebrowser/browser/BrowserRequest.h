#pragma once

#include <QString>

#include <cstdint>

// What a client asks of the file and folder chooser, and what it gets back.
struct BrowserRequest {
    QString title;
    QString filters;            // entries separated by "|"
    QString defaultDirectory;   // device path
    bool showOnlyFolders = false;
    std::int32_t maxFilesize = -1;  // -1: no limit
    // Not empty: the chooser names a file to write (see IFileBrowserSave), this extension added to a
    // typed name without one.
    QString saveExtension;
    QString suggestedName;      // the file-name box's text at the start
};

struct BrowserResult {
    bool chosen = false;
    QString fileName;
    QString filePath;
    QString recordedFolder;     // the folder of the last Ok press; the answer in folders-only mode
};
