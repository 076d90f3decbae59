#include "data/FontOptions.h"

#include "data/ProfileSettings.h"
#include "platform/framework/Profile.h"

FontChoice loadFontChoice(const QString& section)
{
    FontChoice font;
    if (findProfileSetting(section, QStringLiteral("Font"))) {
        font.face = profileText(section, QStringLiteral("Font"));
        font.size = profileText(section, QStringLiteral("FontSize"));
    }
    const auto flag = [&section](const char* key) { return profileInt(section, QString::fromLatin1(key)) == 1; };
    font.bold = flag("Bold");
    font.italic = flag("Italic");
    font.underline = flag("Underline");
    font.strikethrough = flag("Strikethrough");
    font.highlight = flag("Highlight");
    return font;
}

void storeFontChoice(const QString& section, const FontChoice& font)
{
    if (section.compare(profile::Form, Qt::CaseInsensitive) == 0)
        return;
    framework::WriteProfileString(section, QStringLiteral("Font"), font.face);
    framework::WriteProfileString(section, QStringLiteral("FontSize"), font.size);
    const auto write = [&section](const char* key, bool on) {
        framework::WriteProfileInt(section, QString::fromLatin1(key), on ? 1 : 0);
    };
    write("Bold", font.bold);
    write("Italic", font.italic);
    write("Underline", font.underline);
    write("Highlight", font.highlight);
    write("Strikethrough", font.strikethrough);
}

QString fontInfoText(const FontChoice& font)
{
    QString text = font.face + QLatin1Char('-') + font.size;
    for (bool on : {font.bold, font.italic, font.underline, font.strikethrough, font.highlight})
        text += on ? QStringLiteral("-TRUE") : QStringLiteral("-FALSE");
    return text;
}
