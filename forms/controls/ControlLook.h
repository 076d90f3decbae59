#pragma once
// How stored property texts become the look of a control: colours kept as 0x00BBGGRR decimal texts,
// fonts from Font Info, and the enumerated alignments.
#include <QColor>
#include <QFont>
#include <QString>

// The colour of a stored decimal 0x00BBGGRR text ("16777215" is white; "255" is red).
QColor StoredColor(const QString& text);

// The font a Font Info text describes: its height in pixels, weight 700 when bold, a sans-serif face
// when the named one is missing.
QFont StoredFont(const QString& fontInfo);

// "Left", "Centre" (or "Center") and "Right" in any case; anything else is left.
Qt::Alignment StoredAlignment(const QString& text);
