#include "forms/designer/ContainerLinks.h"

#include "forms/format/Containers.h"

#include <algorithm>

namespace {

const QString kParentId = QStringLiteral("ParentId");

QList<int> kindsOf(const QList<PropertySet>& controls)
{
    QList<int> kinds;
    for (const PropertySet& control : controls)
        kinds << control.kind;
    return kinds;
}

} // namespace

QList<ContainerLink> ResolveContainers(const QList<PropertySet>& controls)
{
    const QList<int> kinds = kindsOf(controls);
    QList<ContainerLink> links;
    for (const PropertySet& control : controls) {
        const ParentRef parent = ParseParentId(GetProperty(control, kParentId));
        links << ContainerLink{ContainerIndex(kinds, parent), parent.page};
    }
    return links;
}

QString ParentIdOf(const QList<PropertySet>& controls, const ContainerLink& link)
{
    if (link.container < 0 || link.container >= controls.size())
        return {};
    const int kind = controls.at(link.container).kind;
    int number = 0;
    for (int i = 0; i <= link.container; ++i)
        if (controls.at(i).kind == kind)
            ++number;
    if (kind == ControlKind::TabControl)
        return QStringLiteral("T") + QString::number(number * 10 + link.page);
    if (kind == ControlKind::GroupBox)
        return QStringLiteral("G") + QString::number(number);
    return {};
}

void Rearrange(QList<PropertySet>& controls, const QList<int>& order)
{
    const QList<ContainerLink> links = ResolveContainers(controls);
    QList<PropertySet> kept;
    QList<ContainerLink> keptLinks;
    for (int old : order) {
        kept << controls.at(old);
        ContainerLink link = links.at(old);
        link.container = link.container < 0 ? -1 : int(order.indexOf(link.container));
        keptLinks << link;
    }
    for (qsizetype i = 0; i < kept.size(); ++i)
        if (kept[i].names.contains(kParentId))
            SetProperty(kept[i], kParentId, ParentIdOf(kept, keptLinks.at(i)));
    controls = kept;
}

QList<int> WithContents(const QList<PropertySet>& controls, const QList<int>& containers)
{
    const QList<ContainerLink> links = ResolveContainers(controls);
    QList<int> found = containers;
    // A group box may lie on a tab page: the walk goes on until nothing more is found.
    for (bool grew = true; grew;) {
        grew = false;
        for (int i = 0; i < controls.size(); ++i)
            if (!found.contains(i) && found.contains(links.at(i).container)) {
                found << i;
                grew = true;
            }
    }
    std::sort(found.begin(), found.end());
    return found;
}
