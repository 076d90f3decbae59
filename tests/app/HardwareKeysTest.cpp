#include "app/shell/HardwareKeys.h"

#include <gtest/gtest.h>

TEST(HardwareKeys, CtrlAltAndADigitStandForTheTenButtons)
{
    const auto button = Qt::ControlModifier | Qt::AltModifier;
    EXPECT_EQ(virtualKeyFor(button | Qt::Key_1), 193);
    EXPECT_EQ(virtualKeyFor(button | Qt::Key_5), 197);
    EXPECT_EQ(virtualKeyFor(button | Qt::Key_6), 37);
    EXPECT_EQ(virtualKeyFor(button | Qt::Key_7), 39);
    EXPECT_EQ(virtualKeyFor(button | Qt::Key_8), 38);
    EXPECT_EQ(virtualKeyFor(button | Qt::Key_9), 40);
    EXPECT_EQ(virtualKeyFor(button | Qt::Key_0), 13);
    EXPECT_EQ(virtualKeyFor(button | Qt::KeypadModifier | Qt::Key_2), 194) << "the keypad's digits count too";
    // F1 is Help; the arrows, Enter, a digit alone or with one modifier, and Shift besides keep their meaning.
    for (const QKeyCombination other : {QKeyCombination(Qt::Key_F1), QKeyCombination(Qt::Key_Left),
                                        QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_1),
                                        Qt::ControlModifier | Qt::Key_1, Qt::AltModifier | Qt::Key_1,
                                        button | Qt::ShiftModifier | Qt::Key_1, button | Qt::Key_A})
        EXPECT_EQ(virtualKeyFor(other), 0);
    for (const HardwareKey& key : hardwareKeys())
        EXPECT_TRUE(desktopKeyText(key).startsWith("Ctrl+Alt+")) << desktopKeyText(key).toStdString();
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
