#include "reports/ReportTotals.h"

#include "reports/RecordReader.h"

#include <algorithm>
#include <cmath>

void ReportTotals::add(RecordReader& records, const QList<TotalOver>& totals)
{
    ++m_records;
    for (qsizetype i = 0; i < totals.size() && i < m_values.size(); ++i) {
        const Variant value = records.value(totals[i].first);
        if (value.isNull() || value.isEmpty() || value.toString().isEmpty())
            continue;
        Values& values = m_values[i];
        ++values.count;
        bool ok = false;
        const double number = records.isNumeric(totals[i].first) ? value.toDouble(&ok) : 0;
        if (!ok)
            continue;
        values.least = values.numbers ? std::min(values.least, number) : number;
        values.most = values.numbers ? std::max(values.most, number) : number;
        values.sum += number;
        ++values.numbers;
    }
}

QString ReportTotals::figure(int total, Aggregate aggregate) const
{
    const Values values = m_values.value(total);
    if (aggregate == Aggregate::Count)
        return QString::number(values.count);
    if (values.numbers == 0)
        return {};
    switch (aggregate) {
    case Aggregate::Sum: return automation::formatDouble(values.sum);
    case Aggregate::Average: return automation::formatDouble(values.sum / values.numbers);
    case Aggregate::Minimum: return automation::formatDouble(values.least);
    default: return automation::formatDouble(values.most);
    }
}

QString widestFigure(RecordReader& records, int field, Aggregate aggregate, int first)
{
    if (aggregate == Aggregate::Count)
        return QString::number(records.count());
    if (aggregate != Aggregate::Sum || !records.isNumeric(field))
        return {};
    double largest = 0;
    bool negative = false;
    qsizetype decimals = 0;
    for (int record = 0; record < first && records.moveTo(record); ++record) {
        bool ok = false;
        const double number = records.value(field).toDouble(&ok);
        if (!ok)
            continue;
        largest = std::max(largest, std::abs(number));
        negative = negative || number < 0;
        const QString shown = automation::formatDouble(number);
        if (const qsizetype point = shown.indexOf(QLatin1Char('.')); point >= 0)
            decimals = std::max(decimals, shown.size() - point - 1);
    }
    const QString whole = QString::number(std::ceil(largest * records.count()), 'f', 0);
    return (negative ? QStringLiteral("-") : QString()) + whole +
           (decimals > 0 ? QLatin1Char('.') + QString(decimals, QLatin1Char('9')) : QString());
}
