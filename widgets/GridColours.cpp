#include "widgets/GridColours.h"

QColor readableOn(const QColor& background)
{
    // Perceived brightness after the usual luma weights.
    const int luma = (background.red() * 299 + background.green() * 587 + background.blue() * 114) / 1000;
    return luma >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

QPalette paletteWith(QPalette palette, const GridColours& colours)
{
    if (colours.cells) {
        palette.setColor(QPalette::Base, *colours.cells);
        palette.setColor(QPalette::AlternateBase, *colours.cells);
        palette.setColor(QPalette::Text, readableOn(*colours.cells));
    }
    if (colours.background) {
        palette.setColor(QPalette::Window, *colours.background);
        palette.setColor(QPalette::WindowText, colours.text.value_or(readableOn(*colours.background)));
    }
    if (colours.selection) {
        palette.setColor(QPalette::Highlight, *colours.selection);
        palette.setColor(QPalette::HighlightedText, readableOn(*colours.selection));
    }
    if (colours.gridLines)
        palette.setColor(QPalette::Mid, *colours.gridLines);
    if (colours.text) {
        palette.setColor(QPalette::Text, *colours.text);
        if (!colours.background)
            palette.setColor(QPalette::WindowText, *colours.text);
    }
    return palette;
}
