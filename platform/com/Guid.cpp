#include "platform/com/com.h"

#include <QRegularExpression>

namespace com {

QString guidToString(REFGUID guid)
{
    QString text = QStringLiteral("{%1-%2-%3-").arg(guid.Data1, 8, 16, QLatin1Char('0'))
                       .arg(guid.Data2, 4, 16, QLatin1Char('0'))
                       .arg(guid.Data3, 4, 16, QLatin1Char('0'));
    for (int i = 0; i < 8; ++i) {
        if (i == 2)
            text += QLatin1Char('-');
        text += QStringLiteral("%1").arg(guid.Data4[i], 2, 16, QLatin1Char('0'));
    }
    return (text + QLatin1Char('}')).toUpper();
}

bool guidFromString(const QString& text, GUID& guid)
{
    static const QRegularExpression form(QStringLiteral(
        "^\\{([0-9A-Fa-f]{8})-([0-9A-Fa-f]{4})-([0-9A-Fa-f]{4})-([0-9A-Fa-f]{4})-([0-9A-Fa-f]{12})\\}$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    guid.Data1 = match.captured(1).toUInt(nullptr, 16);
    guid.Data2 = static_cast<std::uint16_t>(match.captured(2).toUShort(nullptr, 16));
    guid.Data3 = static_cast<std::uint16_t>(match.captured(3).toUShort(nullptr, 16));
    const QString tail = match.captured(4) + match.captured(5);
    for (int i = 0; i < 8; ++i)
        guid.Data4[i] = static_cast<std::uint8_t>(tail.mid(i * 2, 2).toUShort(nullptr, 16));
    return true;
}

} // namespace com

int StringFromGUID2(REFGUID guid, LPOLESTR buffer, int cchMax)
{
    if (!buffer || cchMax < kGuidStringChars)
        return 0;
    const QString text = com::guidToString(guid);
    std::copy_n(reinterpret_cast<const OLECHAR*>(text.utf16()), text.size(), buffer);
    buffer[text.size()] = u'\0';
    return kGuidStringChars;
}

HRESULT CLSIDFromString(LPCOLESTR text, LPCLSID clsid)
{
    if (!clsid)
        return E_INVALIDARG;
    GUID parsed{};
    if (!text || !com::guidFromString(com::fromOleString(text), parsed))
        return CO_E_CLASSSTRING;
    *clsid = parsed;
    return NOERROR;
}
