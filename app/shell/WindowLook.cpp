#include "app/shell/WindowLook.h"

QColor colorFromOption(unsigned value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

QFont listFont(const WindowLook& look)
{
    QFont font(look.font);
    bool ok = false;
    const int height = look.fontSize.trimmed().toInt(&ok);
    if (ok && height > 0)
        font.setPixelSize(height);
    font.setWeight(look.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(look.italic);
    font.setUnderline(look.underline);
    font.setStrikeOut(look.strikethrough);
    return font;
}

int tablesListExtraHeight(int screenWidth, int screenHeight)
{
    return screenWidth == 240 && screenHeight == 320 ? 80 : 0;
}
