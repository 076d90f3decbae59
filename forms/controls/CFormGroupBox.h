#pragma once
// A group box: a frame titled with its Caption; the controls whose ParentId names it lie inside.
#include "forms/controls/CFormControl.h"

class QGroupBox;

class CFormGroupBox : public CFormControl {
    Q_OBJECT
public:
    CFormGroupBox(PropertySet properties, int index, QWidget* parent);

    QWidget* focusTarget() const override;
    // Where the controls inside the group box are placed, in the group box's own pixels.
    QGroupBox* container() const { return m_group; }

protected:
    void applyKindProperties() override;

private:
    QGroupBox* m_group;
};
