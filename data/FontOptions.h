#pragma once
// The font a font dialog edits: the general and table/form sections keep it in the profile; the form
// designer's section keeps only the flags and takes the font back as a Font Info text.
#include "platform/framework/FontChoice.h"

#include <QString>

// The section's font as its dialog opens on it: the flags from their keys (set when 1) and, where the
// section keeps them, the face and size. The form designer's section gives the stored forms' default font.
FontChoice loadFontChoice(const QString& section);
// What OK in the dialog writes: face and size as texts, then the five flags as 1 or 0. The form
// designer's section writes nothing.
void storeFontChoice(const QString& section, const FontChoice& font);
// face-size-Bold-Italic-Underline-Strikethrough-Highlight, each flag "TRUE" or "FALSE".
QString fontInfoText(const FontChoice& font);
