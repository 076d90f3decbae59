#include "tables/masks/MaskList.h"

#include "platform/framework/Profile.h"

#include <QStringList>

namespace {
const QString kSection = QStringLiteral("INPUTMASK");
const QString kKey = QStringLiteral("MasksList");
} // namespace

namespace masklist {

QList<MaskEntry> defaults()
{
    return {
        {QStringLiteral("Zip Code"), QStringLiteral("233-128"), QStringLiteral("###-###")},
        {QStringLiteral("Social Security Number"), QStringLiteral("12-43-124233"), QStringLiteral("##-##-######")},
        {QStringLiteral("Phone Number"), QStringLiteral("(234)125478456"), QStringLiteral("(###)#########")},
        {QStringLiteral("Extention"), QStringLiteral("12423"), QStringLiteral("#####")},
        {QStringLiteral("Password"), QStringLiteral("********"), QStringLiteral("********")},
        {QStringLiteral("ShotTime"), QStringLiteral("12:45"), QStringLiteral("##:##")},
        {QStringLiteral("MediumTime"), QStringLiteral("12:45PM"), QStringLiteral("##:## ??")},
        {QStringLiteral("LongTime"), QStringLiteral("1:12:45PM"), QStringLiteral("##:##:## ??")},
        {QStringLiteral("ShortDate"), QStringLiteral("1/2/99"), QStringLiteral("##/##/##")},
        // The mask is split in two, or the compiler takes its middle for a trigraph and warns.
        {QStringLiteral("LongDate"), QStringLiteral("12-Des-99"), QStringLiteral("##-??" "?-##")},
    };
}

QString toText(const QList<MaskEntry>& masks)
{
    QString text;
    for (const MaskEntry& entry : masks)
        text += entry.description + QLatin1Char('~') + entry.sample + QLatin1Char('~') + entry.mask + QLatin1Char('~');
    return text;
}

QList<MaskEntry> fromText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('~'));
    QList<MaskEntry> masks;
    for (qsizetype i = 0; i + 2 < parts.size(); i += 3)
        masks.append({parts[i], parts[i + 1], parts[i + 2]});
    return masks;
}

QList<MaskEntry> load(bool* firstShowing)
{
    const QString stored = framework::GetProfileString(kSection, kKey);
    if (firstShowing)
        *firstShowing = stored.isEmpty();
    if (!stored.isEmpty())
        return fromText(stored);
    const QList<MaskEntry> masks = defaults();
    save(masks);
    return masks;
}

void save(const QList<MaskEntry>& masks) { framework::WriteProfileString(kSection, kKey, toText(masks)); }

} // namespace masklist
