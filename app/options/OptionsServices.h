#pragma once
// What the options sheet asks of the program around it; tests give their own.
#include <QString>

#include <functional>

struct OptionsServices {
    // Ties .cdb files to the program again; false when it could not.
    std::function<bool()> reassociate;
    // A folder chosen with the file browser component, which opens on `current`; empty when cancelled.
    std::function<QString(const QString& current)> chooseFolder;
    // After OK: the database window shows the settings the context now holds.
    std::function<void()> settingsReloaded;
};
