#pragma once
#include <QString>

// Ties .cdb files to the program under the registry's classes root: ".cdb" names "cdbfileNew", whose
// open command and icon name the program. False when the open command could not be written.
bool writeRegistryAssociation(const QString& programPath);
