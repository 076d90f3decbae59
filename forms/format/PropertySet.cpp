#include "forms/format/PropertySet.h"

#include <limits>

namespace {

int indexOf(const PropertySet& set, const QString& name, Qt::CaseSensitivity sensitivity)
{
    for (qsizetype i = 0; i < set.names.size() && i < set.values.size(); ++i)
        if (set.names.at(i).compare(name, sensitivity) == 0)
            return int(i);
    return -1;
}

QString valueIgnoringCase(const PropertySet& set, const QString& name)
{
    const int index = indexOf(set, name, Qt::CaseInsensitive);
    return index < 0 ? QString() : set.values.at(index);
}

} // namespace

QString GetProperty(const PropertySet& set, const QString& name)
{
    const int index = indexOf(set, name, Qt::CaseSensitive);
    return index < 0 ? QString() : set.values.at(index);
}

bool SetProperty(PropertySet& set, const QString& name, const QString& value)
{
    const int index = indexOf(set, name, Qt::CaseSensitive);
    if (index < 0)
        return false;
    set.values[index] = value;
    return true;
}

ControlRect GetLocation(const PropertySet& set)
{
    const qsizetype n = set.values.size();
    if (n < 4)
        return {};
    return {LeadingNumber(set.values.at(n - 3)), LeadingNumber(set.values.at(n - 4)),
            LeadingNumber(set.values.at(n - 1)), LeadingNumber(set.values.at(n - 2))};
}

void SetLocation(PropertySet& set, int left, int top, int right, int bottom)
{
    const qsizetype n = set.values.size();
    if (n < 4)
        return;
    set.values[n - 4] = QString::number(top);
    set.values[n - 3] = QString::number(left);
    set.values[n - 2] = QString::number(bottom);
    set.values[n - 1] = QString::number(right);
}

QString ControlName(const PropertySet& set) { return valueIgnoringCase(set, QStringLiteral("Name")); }

QString ControlSource(const PropertySet& set) { return valueIgnoringCase(set, QStringLiteral("Control Source")); }

QString ControlSourceField(const QString& controlSource)
{
    const qsizetype dot = controlSource.indexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : controlSource.mid(dot + 1);
}

bool IsEventProperty(const QString& name) { return name.startsWith(QLatin1String("On")); }

int LeadingNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    long long value = 0;
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text.at(i).unicode() - '0');
        // Past the range the value stays at its limit instead of wrapping round.
        if (value > std::numeric_limits<int>::max())
            value = std::numeric_limits<int>::max() + 1LL;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return value < std::numeric_limits<int>::min() ? std::numeric_limits<int>::min() : int(value);
}

bool IsYes(const QString& value) { return SameText(value, QStringLiteral("Yes")); }

bool SameText(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
