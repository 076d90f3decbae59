#include "app/shell/Pane.h"
#include "app/shell/WindowLook.h"

#include <gtest/gtest.h>

TEST(StripRegions, EachBandSelectsItsPaneAtItsEdges)
{
    const QList<std::tuple<int, int, Pane>> edges = {
        {6, 35, Pane::Tables},  {37, 64, Pane::Forms},     {67, 94, Pane::Queries},
        {97, 114, Pane::Macros}, {117, 129, Pane::Modules}, {132, 144, Pane::Relations}};
    for (const auto& [top, bottom, pane] : edges) {
        EXPECT_EQ(paneAtStripPoint(30, top), pane) << top;
        EXPECT_EQ(paneAtStripPoint(30, bottom), pane) << bottom;
    }
}

TEST(StripRegions, GapsMarginsAndSidesSelectNothing)
{
    for (int y : {0, 5, 36, 65, 66, 95, 96, 115, 116, 130, 131, 145, 149})
        EXPECT_FALSE(paneAtStripPoint(30, y).has_value()) << y;
    for (int x : {0, 5, 55, 59})
        EXPECT_FALSE(paneAtStripPoint(x, 20).has_value()) << x;
    EXPECT_TRUE(paneAtStripPoint(6, 20).has_value());
    EXPECT_TRUE(paneAtStripPoint(54, 20).has_value());
}

TEST(WindowLook, ColoursAreStoredBlueGreenRed)
{
    EXPECT_EQ(colorFromBgr(0xCDFFCD), QColor(0xCD, 0xFF, 0xCD));
    EXPECT_EQ(colorFromBgr(0xF647B4), QColor(0xB4, 0x47, 0xF6));
    EXPECT_EQ(colorFromBgr(0x0000FF), QColor(Qt::red));
}

TEST(WindowLook, FontFollowsTheOptions)
{
    WindowLook look;
    look.font = "Courier";
    look.fontSize = "18";
    look.bold = true;
    look.strikethrough = true;
    const QFont font = listFont(look);
    EXPECT_EQ(font.family(), "Courier");
    EXPECT_EQ(font.pixelSize(), 18);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.strikeOut());
    EXPECT_FALSE(font.italic());

    look.fontSize = "big";
    EXPECT_EQ(listFont(look).pixelSize(), -1) << "a size that is no number keeps the default";
}

TEST(WindowLook, OnlyTheDeviceScreenGrowsTheTablesList)
{
    EXPECT_EQ(tablesListExtraHeight(240, 320), 80);
    EXPECT_EQ(tablesListExtraHeight(320, 240), 0);
    EXPECT_EQ(tablesListExtraHeight(1920, 1080), 0);
}
