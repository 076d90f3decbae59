#include "tables/TableFormColours.h"

#include "data/CAppContext.h"
#include "data/ProfileSettings.h"
#include "widgets/CColorChooser.h"

GridColours tableFormColours(const TableFormOptions& options)
{
    const auto chosen = [](const char* key, int value) -> std::optional<QColor> {
        if (!chosenColour(profile::TableForm, QString::fromLatin1(key), value))
            return std::nullopt;
        return colorFromBgr(unsigned(value));
    };
    GridColours colours;
    colours.background = chosen("BackGround", options.BackGround);
    colours.cells = chosen("CellColor", options.CellColor);
    colours.selection = chosen("OnSelectionColor", options.OnSelectionColor);
    colours.gridLines = chosen("GridLineColor", options.GridLineColor);
    colours.text = chosen("FontColor", options.FontColor);
    return colours;
}
