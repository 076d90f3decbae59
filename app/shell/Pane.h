#pragma once
#include <optional>

// The six object types the database window shows, one pane each.
enum class Pane { Tables, Forms, Queries, Macros, Modules, Relations };

constexpr int kPaneCount = 6;

// The command bar and the strip picture of a pane.
int paneBar(Pane pane);
int paneBitmap(Pane pane);

// The strip is a picture 60 pixels wide and 150 high; each pane owns a band of it. A tap selects the
// pane whose band holds it; the thin gaps between bands and the margins select nothing.
struct StripBand {
    int top;    // first row of the band
    int bottom; // last row of the band
};
constexpr int kStripWidth = 60;
constexpr int kStripHeight = 150;
StripBand stripBand(Pane pane);
std::optional<Pane> paneAtStripPoint(int x, int y);
