#pragma once
// A font as a font dialog shows and returns it: a face, a size and five flags, with no toolkit's font
// behind it, so that whoever keeps fonts (the profile, a form's Font Info) reads and writes it plainly.
#include <QString>

struct FontChoice {
    QString face = QStringLiteral("Tahoma");
    QString size = QStringLiteral("11"); // a height in pixels, kept as text as the profile keeps it
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    bool highlight = false;

    bool operator==(const FontChoice&) const = default;
};
