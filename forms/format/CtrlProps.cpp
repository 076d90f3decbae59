#include "forms/format/CtrlProps.h"

namespace {

const QChar kFieldSeparator = QLatin1Char('~');
const QChar kRecordEnd = QLatin1Char('|');

// The n-th field, or nullopt when the text has fewer than n + 1 fields.
std::optional<QString> fieldAt(const QString& text, int n)
{
    qsizetype start = 0;
    for (int i = 0; i < n; ++i) {
        const qsizetype separator = text.indexOf(kFieldSeparator, start);
        if (separator < 0)
            return std::nullopt;
        start = separator + 1;
    }
    const qsizetype end = text.indexOf(kFieldSeparator, start);
    return text.mid(start, end < 0 ? -1 : end - start);
}

// Replaces the defaults of `set` by the fields of `record`, as far as the record reaches.
void fillValues(PropertySet& set, const QString& record)
{
    for (int i = 0; i < set.values.size(); ++i) {
        const std::optional<QString> value = fieldAt(record, i);
        if (!value)
            break;
        set.values[i] = *value;
    }
}

PropertySet parseControl(const QString& record)
{
    const qsizetype separator = record.indexOf(kFieldSeparator);
    PropertySet set = BuildPropertySet(KindFromName(record.left(separator)));
    if (separator >= 0)
        fillValues(set, record.mid(separator + 1));
    return set;
}

bool allStorable(const QStringList& values)
{
    for (const QString& value : values)
        if (!IsStorableValue(value))
            return false;
    return true;
}

} // namespace

QString GetField(const QString& text, int n) { return fieldAt(text, n).value_or(QString()); }

bool ValidateObjectName(const QString& name)
{
    static const QString reserved = QStringLiteral(" `@\"~!#$%^&*()_+=-|/\\?><,.;':");
    if (name.isEmpty())
        return false;
    for (const QChar c : name)
        if (reserved.contains(c))
            return false;
    return true;
}

bool IsStorableValue(const QString& value) { return !value.contains(kFieldSeparator) && !value.contains(kRecordEnd); }

std::optional<QString> SerialiseForm(const PropertySet& form, const QList<PropertySet>& controls)
{
    if (!allStorable(form.values))
        return std::nullopt;
    QString text = form.values.join(kFieldSeparator) + kRecordEnd;
    QString records;
    int written = 0;
    for (const PropertySet& control : controls) {
        const QString typeName = KindName(control.kind);
        if (typeName.isEmpty())
            continue;
        if (!allStorable(control.values))
            return std::nullopt;
        records += QString::number(control.values.size() - 1) + kRecordEnd + typeName + kFieldSeparator +
                   control.values.join(kFieldSeparator) + kRecordEnd;
        ++written;
    }
    return text + QString::number(written) + kRecordEnd + records;
}

ParsedForm ParseForm(const QString& text)
{
    ParsedForm parsed{BuildPropertySet(ControlKind::FormProps), {}};
    if (text.isEmpty())
        return parsed;

    qsizetype end = text.indexOf(kRecordEnd);
    fillValues(parsed.form, text.left(end));
    if (end < 0)
        return parsed;
    qsizetype position = end + 1;

    end = text.indexOf(kRecordEnd, position);
    const int count = LeadingNumber(text.mid(position, end < 0 ? -1 : end - position));
    if (end < 0)
        return parsed;
    position = end + 1;

    for (int i = 0; i < count && position < text.size(); ++i) {
        // The stored number of values is not needed: the catalogue decides how many are read.
        const qsizetype countEnd = text.indexOf(kRecordEnd, position);
        if (countEnd < 0)
            break;
        position = countEnd + 1;
        end = text.indexOf(kRecordEnd, position);
        parsed.controls << parseControl(text.mid(position, end < 0 ? -1 : end - position));
        position = end < 0 ? text.size() : end + 1;
    }
    return parsed;
}
