#include "tables/FieldInfo.h"

#include "tables/FieldTypes.h"

#include <QStringList>

namespace {

const QString kSeparator = QStringLiteral(":=:");

QString orZero(const QString& text) { return text.isEmpty() ? QStringLiteral("0") : text; }

// The text after `prefix` when the item starts with it, else the whole item.
QString after(const QString& item, QLatin1String prefix)
{
    return item.startsWith(prefix) ? item.mid(prefix.size()) : item;
}

} // namespace

QString FieldInfo::text() const
{
    const QStringList items = {QString::number(odbcType),
                               orZero(combo),
                               orZero(comboData),
                               orZero(comboFlags),
                               QStringLiteral("UNIQUE=") + orZero(unique),
                               QStringLiteral("REQUIRED=") + orZero(required),
                               QStringLiteral("ZEROLEN=") + orZero(zeroLen),
                               QStringLiteral("DefValue:") + defValue,
                               QStringLiteral("AUTONUMBER=") + QString::number(autoNumber),
                               QStringLiteral("MAXLEN=") + maxLen};
    return items.join(kSeparator) + kSeparator;
}

FieldInfo FieldInfo::parse(const QString& text)
{
    // A default value or value list may itself hold the separator; the items after it are found from
    // the end, which is fixed.
    QStringList items = text.split(kSeparator);
    if (!items.isEmpty() && items.last().isEmpty())
        items.removeLast();
    FieldInfo info;
    if (items.size() < 10)
        return info;
    const int extra = int(items.size()) - 10;
    info.odbcType = items[0].toInt();
    info.combo = items[1];
    info.comboData = items.mid(2, 1 + extra).join(kSeparator);
    info.comboFlags = items[3 + extra];
    info.unique = after(items[4 + extra], QLatin1String("UNIQUE="));
    info.required = after(items[5 + extra], QLatin1String("REQUIRED="));
    info.zeroLen = after(items[6 + extra], QLatin1String("ZEROLEN="));
    info.defValue = after(items[7 + extra], QLatin1String("DefValue:"));
    info.autoNumber = after(items[8 + extra], QLatin1String("AUTONUMBER=")).toInt();
    info.maxLen = after(items[9 + extra], QLatin1String("MAXLEN="));
    return info;
}

FieldInfo fieldInfoFromCatalogue(const FieldCatalogueRow& row)
{
    FieldInfo info;
    info.odbcType = row.odbcType.toInt();
    info.combo = orZero(row.combo);
    info.comboData = orZero(row.comboData);
    info.comboFlags = orZero(row.comboFlags);
    info.unique = orZero(row.unique);
    info.required = orZero(row.required);
    info.zeroLen = orZero(row.zeroLen);
    info.defValue = row.defValue;
    // A column of 0 or nothing marks a field that is not an AutoNumber, as the designer reads it.
    info.autoNumber = fieldtypes::isAutoNumber(row.autoNumber) ? row.autoNumber.toInt() : -1;
    info.maxLen = row.len;
    return info;
}
