#pragma once
// The colours a user chose for a grid or a form; each one not chosen leaves the desktop's own.
#include <QColor>
#include <QPalette>

#include <optional>

struct GridColours {
    std::optional<QColor> background; // the area outside the cells, or the form behind its controls
    std::optional<QColor> cells;
    std::optional<QColor> selection;
    std::optional<QColor> gridLines;
    std::optional<QColor> text;
};

// `palette` with the chosen colours: the cells' colour as Base, the background as Window, the selection
// as Highlight, the grid lines as Mid, each with a text that reads on it unless a text colour is chosen.
QPalette paletteWith(QPalette palette, const GridColours& colours);

// Black or white, whichever reads better on `background`.
QColor readableOn(const QColor& background);
