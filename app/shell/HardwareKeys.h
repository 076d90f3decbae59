#pragma once
// The device's ten hardware buttons and the desktop keys that stand for them: application buttons 1
// to 5 are F1 to F5, the arrows and Enter are themselves.
#include <QString>
#include <Qt>

#include <array>

struct HardwareKey {
    int virtualKey;
    Qt::Key desktopKey;
    QString profileKey; // under KEY_OPTIONS
    QString rowText;    // on the hardware-key options page
};

const std::array<HardwareKey, 10>& hardwareKeys();

// The window takes over the hot keys 193 to 207 while it runs.
constexpr int kFirstHotKey = 0xC1;
constexpr int kLastHotKey = 0xCF;

// The virtual key a desktop key stands for, 0 when it stands for none.
int virtualKeyFor(int desktopKey);
bool isHotKey(int virtualKey);
// The action number the key options give one of the ten keys; 0, none, for any other key.
int keyAction(int virtualKey);
