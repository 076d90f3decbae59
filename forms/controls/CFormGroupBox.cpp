#include "forms/controls/CFormGroupBox.h"

#include <QGroupBox>

CFormGroupBox::CFormGroupBox(PropertySet properties, int index, QWidget* parent)
    : CFormControl(std::move(properties), index, parent), m_group(new QGroupBox(this))
{
    setBody(m_group);
    watch(m_group, "OnClick");
    applyProperties();
}

QWidget* CFormGroupBox::focusTarget() const { return m_group; }

void CFormGroupBox::applyKindProperties()
{
    m_group->setTitle(property("Caption"));
    m_group->setFlat(!isYes("Border Style"));
}
