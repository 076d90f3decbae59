#include "app/shell/HardwareKeys.h"

#include "data/ProfileSettings.h"

#include <QKeySequence>

namespace {
constexpr Qt::KeyboardModifiers kButtonModifiers = Qt::ControlModifier | Qt::AltModifier;
} // namespace

const std::array<HardwareKey, 10>& hardwareKeys()
{
    static const std::array<HardwareKey, 10> keys = {{
        {193, kButtonModifiers | Qt::Key_1, "Button1", "Button1"},
        {194, kButtonModifiers | Qt::Key_2, "Button2", "Button2"},
        {195, kButtonModifiers | Qt::Key_3, "Button3", "Button3"},
        {196, kButtonModifiers | Qt::Key_4, "Button4", "Button4"},
        {197, kButtonModifiers | Qt::Key_5, "Button5", "Button5"},
        {37, kButtonModifiers | Qt::Key_6, "LeftButton", "Left"},
        {39, kButtonModifiers | Qt::Key_7, "RightButton", "Right"},
        {38, kButtonModifiers | Qt::Key_8, "UpButton", "Top"},
        {40, kButtonModifiers | Qt::Key_9, "DownButton", "Bottom"},
        {13, kButtonModifiers | Qt::Key_0, "ActionButton", "Action"},
    }};
    return keys;
}

int virtualKeyFor(QKeyCombination pressed)
{
    const QKeyCombination plain(pressed.keyboardModifiers() & ~Qt::KeypadModifier, pressed.key());
    for (const HardwareKey& key : hardwareKeys())
        if (key.desktopKey == plain)
            return key.virtualKey;
    return 0;
}

QString desktopKeyText(const HardwareKey& key)
{
    return QKeySequence(key.desktopKey).toString(QKeySequence::NativeText);
}

bool isHotKey(int virtualKey) { return virtualKey >= kFirstHotKey && virtualKey <= kLastHotKey; }

int keyAction(int virtualKey)
{
    for (const HardwareKey& key : hardwareKeys())
        if (key.virtualKey == virtualKey)
            return profileInt(profile::Keys, key.profileKey);
    return 0;
}
