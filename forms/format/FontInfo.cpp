#include "forms/format/FontInfo.h"

#include "forms/format/PropertySet.h"

#include <QStringList>

FontInfo ParseFontInfo(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('-'));
    const auto flag = [&parts](int index) { return SameText(parts.value(index), QStringLiteral("TRUE")); };
    FontInfo font;
    font.face = parts.value(0);
    font.size = LeadingNumber(parts.value(1));
    font.bold = flag(2);
    font.italic = flag(3);
    font.underline = flag(4);
    font.strikeOut = flag(5);
    return font;
}
