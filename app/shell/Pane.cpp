#include "app/shell/Pane.h"

#include "app/CommandIds.h"

#include <array>

namespace {
struct PaneFacts {
    int bar;
    int bitmap;
    StripBand band;
};

constexpr std::array<PaneFacts, kPaneCount> kPanes = {{
    {bar::Tables, bitmap::Tables, {6, 35}},
    {bar::Forms, bitmap::Forms, {37, 64}},
    {bar::Queries, bitmap::Queries, {67, 94}},
    {bar::Macros, bitmap::Macros, {97, 114}},
    {bar::Modules, bitmap::Modules, {117, 129}},
    {bar::Relations, bitmap::Relations, {132, 144}},
}};

const PaneFacts& facts(Pane pane) { return kPanes[static_cast<int>(pane)]; }
} // namespace

int paneBar(Pane pane) { return facts(pane).bar; }
int paneBitmap(Pane pane) { return facts(pane).bitmap; }
StripBand stripBand(Pane pane) { return facts(pane).band; }

std::optional<Pane> paneAtStripPoint(int x, int y)
{
    if (x <= 5 || x >= 55)
        return std::nullopt;
    for (int i = 0; i < kPaneCount; ++i)
        if (y >= kPanes[i].band.top && y <= kPanes[i].band.bottom)
            return static_cast<Pane>(i);
    return std::nullopt;
}
