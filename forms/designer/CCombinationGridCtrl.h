#pragma once
// The property grid of the designer: one row per property of a control or of the form, the name and
// its value. Enumerations and flags offer their choice lists, colours paint their cell, event properties
// and colours carry a "..." button, the Control Source offers the fields of the control's source.
#include "widgets/CGridCtrl.h"

class FormDesign;

class CCombinationGridCtrl : public CGridCtrl {
    Q_OBJECT
public:
    explicit CCombinationGridCtrl(QWidget* parent = nullptr);

    // Shows the properties of `target` (FormDesign::kFormTarget for the form's own); `sources` are
    // offered for the form's SQL Source.
    void showProperties(const FormDesign& design, int target, const QStringList& sources);
    int target() const { return m_target; }
    QString propertyName(int row) const { return text(row, 0); }
    int rowOf(const QString& name) const;

private:
    int m_target = -1;
};
