#pragma once
// Command buttons, check boxes and radio buttons: the kind gives the button, its Caption the text.
// A check box or radio button stands at the left, centre or right of its rectangle by Alignment.
#include "forms/controls/CFormControl.h"

class QAbstractButton;
class QHBoxLayout;

class CFormButton : public CFormControl {
    Q_OBJECT
public:
    CFormButton(PropertySet properties, int index, QWidget* parent);

    QString text() const override;
    bool isTicked() const override;
    void setTicked(bool ticked) override;
    QWidget* focusTarget() const override;
    QAbstractButton* button() const { return m_button; }

protected:
    void applyKindProperties() override;

private:
    QAbstractButton* m_button;
    QHBoxLayout* m_row;
};
