#include "app/shell/HardwareKeys.h"

#include "data/ProfileSettings.h"

const std::array<HardwareKey, 10>& hardwareKeys()
{
    static const std::array<HardwareKey, 10> keys = {{
        {193, Qt::Key_F1, "Button1", "Button1"},
        {194, Qt::Key_F2, "Button2", "Button2"},
        {195, Qt::Key_F3, "Button3", "Button3"},
        {196, Qt::Key_F4, "Button4", "Button4"},
        {197, Qt::Key_F5, "Button5", "Button5"},
        {37, Qt::Key_Left, "LeftButton", "Left"},
        {39, Qt::Key_Right, "RightButton", "Right"},
        {38, Qt::Key_Up, "UpButton", "Top"},
        {40, Qt::Key_Down, "DownButton", "Bottom"},
        {13, Qt::Key_Return, "ActionButton", "Action"},
    }};
    return keys;
}

int virtualKeyFor(int desktopKey)
{
    if (desktopKey == Qt::Key_Enter) // the keypad's Enter is the action button too
        return 13;
    for (const HardwareKey& key : hardwareKeys())
        if (key.desktopKey == desktopKey)
            return key.virtualKey;
    return 0;
}

bool isHotKey(int virtualKey) { return virtualKey >= kFirstHotKey && virtualKey <= kLastHotKey; }

int keyAction(int virtualKey)
{
    for (const HardwareKey& key : hardwareKeys())
        if (key.virtualKey == virtualKey)
            return profileInt(profile::Keys, key.profileKey);
    return 0;
}
