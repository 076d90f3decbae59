#pragma once
// A date/time picker showing the short date, the long date or the time only, by its Style.
#include "forms/controls/CFormControl.h"

class QDateTimeEdit;

class CFormDateTime : public CFormControl {
    Q_OBJECT
public:
    CFormDateTime(PropertySet properties, int index, QWidget* parent);

    // The value as the control shows it; setText takes a stored date text.
    QString text() const override;
    void setText(const QString& text) override;
    QWidget* focusTarget() const override;
    QDateTimeEdit* picker() const { return m_picker; }

protected:
    void applyKindProperties() override;

private:
    QDateTimeEdit* m_picker;
    bool m_settingText = false;
    // No value yet: a new record, or a field that holds none.
    bool m_empty = true;
};
