#include "app/shell/WindowLook.h"

#include "widgets/CFontDialog.h"

QFont listFont(const WindowLook& look)
{
    return fontFromChoice({look.font, look.fontSize, look.bold, look.italic, look.underline, look.strikethrough});
}

int tablesListExtraHeight(int screenWidth, int screenHeight)
{
    return screenWidth == 240 && screenHeight == 320 ? 80 : 0;
}
