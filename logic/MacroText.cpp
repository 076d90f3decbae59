#include "logic/MacroText.h"

#include "logic/MacroActions.h"

namespace {
const QChar kActionSeparator = QLatin1Char('~');
const QChar kArgumentSeparator = QLatin1Char('#');
const QChar kValueMark = QLatin1Char('=');
} // namespace

QString NextMacroAction(QString& rest, QString& field)
{
    const qsizetype end = rest.indexOf(kActionSeparator);
    if (end < 0) {
        field.clear();
        return QString();
    }
    const QString action = rest.left(end);
    const QString remainder = rest.mid(end + 1);
    const qsizetype fieldEnd = remainder.indexOf(kActionSeparator);
    if (fieldEnd < 0) {
        field = remainder;
        rest = remainder;
    } else {
        field = remainder.left(fieldEnd);
        rest = remainder.mid(fieldEnd + 1);
    }
    return action;
}

QString NextMacroArgument(QString& field)
{
    const qsizetype mark = field.indexOf(kValueMark);
    if (mark < 0) {
        field.clear();
        return QString();
    }
    field = field.mid(mark + 1);
    const qsizetype end = field.indexOf(kArgumentSeparator);
    return end < 0 ? field : field.left(end);
}

QStringList MacroArgumentValues(QString field, int count)
{
    QStringList values;
    for (int i = 0; i < count; ++i)
        values << NextMacroArgument(field);
    return values;
}

QList<MacroRow> ReadMacroRows(const QString& arguments)
{
    QList<MacroRow> rows;
    QString rest = arguments;
    QString field;
    for (QString action = NextMacroAction(rest, field); !action.isEmpty(); action = NextMacroAction(rest, field)) {
        const MacroActionInfo* info = findMacroAction(action);
        rows << MacroRow{action, MacroArgumentValues(field, info ? int(info->labels.size()) : 0)};
    }
    return rows;
}

QString MacroEventText(const QList<MacroRow>& rows)
{
    QString text;
    for (const MacroRow& row : rows)
        text += row.action + kActionSeparator;
    return text;
}

QString MacroArgumentsText(const QList<MacroRow>& rows)
{
    QStringList actions;
    for (const MacroRow& row : rows) {
        const MacroActionInfo* info = findMacroAction(row.action);
        QStringList arguments;
        for (int i = 0; info && i < info->labels.size(); ++i)
            arguments << info->labels[i] + kValueMark + row.values.value(i);
        actions << row.action + kActionSeparator + arguments.join(kArgumentSeparator);
    }
    return actions.join(kActionSeparator);
}

QString MacroValueRefusal(const QString& action, int index, const QString& value)
{
    if (value.contains(kActionSeparator) || value.contains(kArgumentSeparator))
        return QStringLiteral("A value cannot contain ~ or #, which separate the actions and arguments of a macro");
    const MacroActionInfo* info = findMacroAction(action);
    const bool last = !info || index >= info->labels.size() - 1;
    if (!last && value.contains(kValueMark))
        return QStringLiteral("Only the last argument of an action can contain =");
    return QString();
}

QString MacroStartForm(const QString& arguments)
{
    QString rest = arguments;
    QString field;
    if (NextMacroAction(rest, field) != QLatin1String("Open Form"))
        return QString();
    return NextMacroArgument(field);
}
