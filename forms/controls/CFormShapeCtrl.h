#pragma once
// A shape: a framed area in its background colour.
#include "forms/controls/CFormControl.h"

class QFrame;

class CFormShapeCtrl : public CFormControl {
    Q_OBJECT
public:
    CFormShapeCtrl(PropertySet properties, int index, QWidget* parent);

    QWidget* focusTarget() const override { return nullptr; }
    QFrame* frame() const { return m_frame; }

protected:
    void applyKindProperties() override;

private:
    QFrame* m_frame;
};
