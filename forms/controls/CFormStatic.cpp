#include "forms/controls/CFormStatic.h"

#include "forms/controls/ControlLook.h"

#include <QLabel>

CFormStatic::CFormStatic(PropertySet properties, int index, QWidget* parent)
    : CFormControl(std::move(properties), index, parent), m_label(new QLabel(this))
{
    setBody(m_label);
    watch(m_label, "OnClick");
    applyProperties();
}

QString CFormStatic::text() const { return m_label->text(); }

void CFormStatic::setText(const QString& text) { m_label->setText(text); }

QWidget* CFormStatic::focusTarget() const { return m_label; }

void CFormStatic::applyKindProperties()
{
    m_label->setTextFormat(Qt::PlainText);
    m_label->setText(property("Caption"));
    m_label->setAlignment(StoredAlignment(property("Alignment")) | Qt::AlignTop);
    m_label->setFrameShape(isYes("Border Style") ? QFrame::Box : QFrame::NoFrame);
    m_label->setWordWrap(isYes("Word wrap"));
}
