#pragma once
// The device's ten hardware buttons and the desktop keys that stand for them. A desktop keyboard has
// no such buttons, and F1, the arrows and Enter already mean Help, moving and opening here, so the ten
// are Ctrl+Alt+1 to Ctrl+Alt+9 and Ctrl+Alt+0 in the order of the key options' rows: no other command
// of the program, nor of the usual desktops, takes those.
#include <QKeyCombination>
#include <QString>
#include <Qt>

#include <array>

struct HardwareKey {
    int virtualKey;
    QKeyCombination desktopKey;
    QString profileKey; // under KEY_OPTIONS
    QString rowText;    // on the hardware-key options page
};

const std::array<HardwareKey, 10>& hardwareKeys();

// The window takes over the hot keys 193 to 207 while it runs.
constexpr int kFirstHotKey = 0xC1;
constexpr int kLastHotKey = 0xCF;

// The virtual key a pressed desktop key with its modifiers stands for, 0 when it stands for none. The
// digits of the keypad count as those of the main block.
int virtualKeyFor(QKeyCombination pressed);
// The desktop key of a hardware button as the user reads it ("Ctrl+Alt+1").
QString desktopKeyText(const HardwareKey& key);
bool isHotKey(int virtualKey);
// The action number the key options give one of the ten keys; 0, none, for any other key.
int keyAction(int virtualKey);
