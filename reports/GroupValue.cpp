#include "reports/GroupValue.h"

#include "reports/RecordReader.h"

#include <QLocale>

#include <cmath>

namespace {
const GroupValue kBlank{QString(), QStringLiteral("(blank)")};

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }
} // namespace

GroupValue groupValue(RecordReader& records, int field, GroupBy by)
{
    if (by == GroupBy::Value || by == GroupBy::FirstLetter) {
        const QString shown = records.shown(field).trimmed();
        if (shown.isEmpty())
            return kBlank;
        const QString caption = by == GroupBy::Value ? shown : shown.left(1).toUpper();
        return {caption.toCaseFolded(), caption};
    }
    const Variant value = records.value(field);
    bool ok = false;
    const double date = value.isNull() || value.isEmpty() ? 0 : value.toDate(&ok);
    if (!ok)
        return kBlank;
    const automation::DateParts parts = automation::toDateParts(std::floor(date));
    const QString year = QString::number(parts.year);
    switch (by) {
    case GroupBy::Day:
        return {year + twoDigits(parts.month) + twoDigits(parts.day), automation::formatDate(std::floor(date))};
    case GroupBy::Month:
        return {year + twoDigits(parts.month), QLocale::c().monthName(parts.month) + QLatin1Char(' ') + year};
    default: return {year, year};
    }
}
