#pragma once
#include "app/shell/Pane.h"

#include <QPixmap>

// The strip's picture for a pane: all six bands, the pane's own band lit. Drawn rather than loaded so
// the strip stays sharp at any scale; `scale` multiplies the strip's 60x150 pixels, and the picture holds
// `devicePixelRatio` screen pixels for each of those.
QPixmap stripBitmap(Pane selected, int scale, qreal devicePixelRatio = 1);
