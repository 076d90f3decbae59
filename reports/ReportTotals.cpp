#include "reports/ReportTotals.h"

#include "reports/RecordReader.h"

#include <algorithm>

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
