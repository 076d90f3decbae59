#pragma once
// A colour button of an options page: its label and the key it writes. The chooser opens on the stored
// colour; OK writes the chosen one, Cancel writes the stored one back.
#include <QString>

struct ColourOption {
    QString label;
    QString section;
    QString key;
};

unsigned storedColour(const ColourOption& option);
void writeColour(const ColourOption& option, unsigned colour);
