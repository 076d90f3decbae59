#include "app/PaneBitmaps.h"

#include "support/WidgetApplication.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

QPalette windowPalette(const QColor& window, const QColor& text)
{
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    return palette;
}

// The lightness of the palest and of the darkest pixel of a band's title, where the pane's name is written.
std::pair<int, int> titleLightness(const QImage& strip, Pane pane)
{
    const StripBand band = stripBand(pane);
    int palest = 0;
    int darkest = 255;
    for (int y = band.top; y <= band.bottom; ++y)
        for (int x = 22; x < kStripWidth - 3; ++x) {
            const int lightness = strip.pixelColor(x, y).lightness();
            palest = std::max(palest, lightness);
            darkest = std::min(darkest, lightness);
        }
    return {palest, darkest};
}

} // namespace

TEST(StripPicture, FollowsALightOrDarkWindowAndKeepsItsTitlesReadable)
{
    ensureWidgetApplication();
    const QImage light = stripBitmap(Pane::Forms, 1, windowPalette(QColor(240, 240, 240), Qt::black)).toImage();
    const QImage dark = stripBitmap(Pane::Forms, 1, windowPalette(QColor(45, 45, 48), QColor(225, 225, 225))).toImage();
    ASSERT_EQ(dark.size(), QSize(kStripWidth, kStripHeight));

    EXPECT_GT(light.pixelColor(1, 1).lightness(), 180);
    EXPECT_LT(dark.pixelColor(1, 1).lightness(), 90) << "a dark window gets a dark strip";
    const auto [lightPalest, lightDarkest] = titleLightness(light, Pane::Tables);
    EXPECT_LT(lightDarkest, 110) << "dark ink on the light strip";
    const auto [darkPalest, darkDarkest] = titleLightness(dark, Pane::Tables);
    EXPECT_GT(darkPalest, 150) << "light ink on the dark one";

    const StripBand lit = stripBand(Pane::Forms);
    EXPECT_EQ(dark.pixelColor(52, lit.top + 3), light.pixelColor(52, lit.top + 3)) << "the chosen pane is lit alike";
}
