#pragma once
// A label: its Caption, or the value of its Control Source, aligned, bordered and wrapped as stored.
#include "forms/controls/CFormControl.h"

class QLabel;

class CFormStatic : public CFormControl {
    Q_OBJECT
public:
    CFormStatic(PropertySet properties, int index, QWidget* parent);

    QString text() const override;
    void setText(const QString& text) override;
    QWidget* focusTarget() const override;
    QLabel* label() const { return m_label; }

protected:
    void applyKindProperties() override;

private:
    QLabel* m_label;
};
