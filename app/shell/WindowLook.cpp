#include "app/shell/WindowLook.h"

#include "data/CAppContext.h"
#include "data/ProfileSettings.h"
#include "widgets/CFontDialog.h"

#include <QGuiApplication>

QFont listFont(const WindowLook& look)
{
    if (!look.font.isEmpty())
        return fontFromChoice({look.font, look.fontSize, look.bold, look.italic, look.underline, look.strikethrough});
    QFont font = QGuiApplication::font();
    font.setWeight(look.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(look.italic);
    font.setUnderline(look.underline);
    font.setStrikeOut(look.strikethrough);
    return font;
}

WindowLook lookFromOptions(const GeneralOptions& options)
{
    const auto colour = [](const char* key, int value) -> std::optional<unsigned> {
        if (!chosenColour(profile::General, QString::fromLatin1(key), value))
            return std::nullopt;
        return unsigned(value);
    };
    WindowLook look;
    // The device's Tahoma at 14 pixels is the default, not a choice.
    if (options.Font != profileDefault(profile::General, QStringLiteral("Font")) ||
        options.FontSize != profileDefault(profile::General, QStringLiteral("FontSize"))) {
        look.font = options.Font;
        look.fontSize = options.FontSize;
    }
    look.bold = options.Bold != 0;
    look.italic = options.Italic != 0;
    look.underline = options.Underline != 0;
    look.strikethrough = options.Strikethrough != 0;
    look.fontColor = colour("FontColor", options.FontColor);
    look.backgroundColor = colour("BackGroundColor", options.BackGroundColor);
    look.listColor = colour("ListColor", options.ListColor);
    return look;
}

int tablesListExtraHeight(int screenWidth, int screenHeight)
{
    return screenWidth == 240 && screenHeight == 320 ? 80 : 0;
}
