#pragma once
// The Font Info text: face, size, then the bold, italic, underline and strike-out flags, separated
// by "-", the flags "TRUE" or "FALSE" in any case: "Tahoma-11-FALSE-FALSE-FALSE-FALSE".
#include <QString>

struct FontInfo {
    QString face;
    int size = 0; // the font height in pixels; 0 when the text gives none
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    int weight() const { return bold ? 700 : 400; }
    bool operator==(const FontInfo&) const = default;
};

FontInfo ParseFontInfo(const QString& text);
