#include "forms/controls/CFormShapeCtrl.h"

#include <QFrame>

CFormShapeCtrl::CFormShapeCtrl(PropertySet properties, int index, QWidget* parent)
    : CFormControl(std::move(properties), index, parent), m_frame(new QFrame(this))
{
    setBody(m_frame);
    applyProperties();
}

void CFormShapeCtrl::applyKindProperties() { m_frame->setFrameShape(isYes("Border Style") ? QFrame::Box : QFrame::NoFrame); }
