#pragma once
#include "app/shell/Pane.h"

#include <QPalette>
#include <QPixmap>

// The strip's picture for a pane: all six bands, the pane's own band lit. Drawn rather than loaded so
// the strip stays sharp at any scale; `scale` multiplies the strip's 60x150 pixels, and the picture holds
// `devicePixelRatio` screen pixels for each of those. Its colours follow the window's palette, light or dark.
QPixmap stripBitmap(Pane selected, int scale, const QPalette& palette, qreal devicePixelRatio = 1);
