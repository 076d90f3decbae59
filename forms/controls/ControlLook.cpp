#include "forms/controls/ControlLook.h"

#include "forms/format/FontInfo.h"
#include "forms/format/PropertySet.h"

QColor StoredColor(const QString& text)
{
    const unsigned value = unsigned(LeadingNumber(text));
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QFont StoredFont(const QString& fontInfo)
{
    const FontInfo info = ParseFontInfo(fontInfo);
    QFont font(info.face);
    font.setStyleHint(QFont::SansSerif);
    if (info.size > 0)
        font.setPixelSize(info.size);
    font.setWeight(info.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(info.italic);
    font.setUnderline(info.underline);
    font.setStrikeOut(info.strikeOut);
    return font;
}

Qt::Alignment StoredAlignment(const QString& text)
{
    if (SameText(text, QStringLiteral("Centre")) || SameText(text, QStringLiteral("Center")))
        return Qt::AlignHCenter;
    if (SameText(text, QStringLiteral("Right")))
        return Qt::AlignRight;
    return Qt::AlignLeft;
}
