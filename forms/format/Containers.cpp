#include "forms/format/Containers.h"

#include "forms/format/PropertySet.h"


ParentRef ParseParentId(const QString& parentId)
{
    const QString text = parentId.trimmed();
    const QString digits = text.mid(1);
    bool isNumber = false;
    const int value = digits.toInt(&isNumber);
    if (text.isEmpty() || !isNumber || value < 1)
        return {};
    const QChar letter = text.at(0).toUpper();
    if (letter == QLatin1Char('T') && value >= 10)
        return {ParentRef::TabPage, value / 10, value % 10};
    if (letter == QLatin1Char('G'))
        return {ParentRef::GroupBox, value, 0};
    return {};
}

int ContainerIndex(const QList<int>& kinds, const ParentRef& parent)
{
    if (parent.kind == ParentRef::Form)
        return -1;
    const int wanted = parent.kind == ParentRef::TabPage ? ControlKind::TabControl : ControlKind::GroupBox;
    int seen = 0;
    for (qsizetype i = 0; i < kinds.size(); ++i)
        if (kinds.at(i) == wanted && ++seen == parent.number)
            return int(i);
    return -1;
}

QStringList TabPageCaptions(const QString& tabNames)
{
    QStringList captions = tabNames.split(QLatin1Char(','));
    for (qsizetype i = 0; i < captions.size(); ++i)
        if (captions.at(i).isEmpty())
            captions[i] = i == 0 ? QStringLiteral("Tab1") : QStringLiteral("Tab2");
    return captions;
}
