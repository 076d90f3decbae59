#pragma once
// Which container each control of a form lies in, by position in the control list rather than by
// ParentId. A ParentId counts tab controls and group boxes in list order, so removing or reordering
// controls renumbers them: the designer resolves the links first, changes the list, then writes every
// ParentId again from the links.
#include "forms/format/PropertySet.h"

#include <QList>

struct ContainerLink {
    int container = -1; // index of the tab control or group box in the list; -1 for the form surface
    int page = 0;       // the tab control's page, from 0

    bool operator==(const ContainerLink&) const = default;
};

// The link of every control; a ParentId naming no container of the form links to the surface.
QList<ContainerLink> ResolveContainers(const QList<PropertySet>& controls);

// The ParentId that names `link` in `controls`: "T" + (n*10 + page), "G" + n, or empty.
QString ParentIdOf(const QList<PropertySet>& controls, const ContainerLink& link);

// Keeps the controls at the positions `order` lists (old indices, in their new order), drops the others,
// and rewrites every ParentId so that each kept control stays in its container; a control whose
// container was dropped lies on the form surface.
void Rearrange(QList<PropertySet>& controls, const QList<int>& order);

// The indices of the controls inside `containers` (at any depth), the containers included, ascending.
QList<int> WithContents(const QList<PropertySet>& controls, const QList<int>& containers);
