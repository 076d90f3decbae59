#include "app/shell/HardwareKeys.h"

#include <gtest/gtest.h>

TEST(HardwareKeys, DesktopKeysStandForTheTenButtons)
{
    EXPECT_EQ(virtualKeyFor(Qt::Key_F1), 193);
    EXPECT_EQ(virtualKeyFor(Qt::Key_F5), 197);
    EXPECT_EQ(virtualKeyFor(Qt::Key_Left), 37);
    EXPECT_EQ(virtualKeyFor(Qt::Key_Up), 38);
    EXPECT_EQ(virtualKeyFor(Qt::Key_Right), 39);
    EXPECT_EQ(virtualKeyFor(Qt::Key_Down), 40);
    EXPECT_EQ(virtualKeyFor(Qt::Key_Return), 13);
    EXPECT_EQ(virtualKeyFor(Qt::Key_Enter), 13);
    EXPECT_EQ(virtualKeyFor(Qt::Key_F6), 0);
    EXPECT_EQ(virtualKeyFor(Qt::Key_A), 0);
}

TEST(HardwareKeys, OnlyTheApplicationButtonsAreHotKeys)
{
    int hotKeys = 0;
    for (const HardwareKey& key : hardwareKeys())
        hotKeys += isHotKey(key.virtualKey);
    EXPECT_EQ(hotKeys, 5);
    EXPECT_TRUE(isHotKey(0xC1));
    EXPECT_TRUE(isHotKey(0xCF));
    EXPECT_FALSE(isHotKey(0xD0));
    EXPECT_FALSE(isHotKey(13));
}
