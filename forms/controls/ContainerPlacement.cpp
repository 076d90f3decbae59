#include "forms/controls/ContainerPlacement.h"

#include "forms/controls/CFormGroupBox.h"
#include "forms/controls/CFormTabCtrl.h"

#include <QGroupBox>

QWidget* holderOf(QWidget* container, int page)
{
    if (auto* tabs = qobject_cast<CFormTabCtrl*>(container))
        return tabs->page(page);
    if (auto* group = qobject_cast<CFormGroupBox*>(container))
        return group->container();
    return nullptr;
}

bool placeInside(QWidget* control, QWidget* holder)
{
    if (!holder || holder == control)
        return false;
    const QRect rect = control->geometry();
    control->setParent(holder);
    control->setGeometry(rect);
    return true;
}
