#pragma once
// The grid control of a form, on the generic grid: grid lines, columns of Column Width pixels and
// its colours as stored.
#include "forms/controls/CFormControl.h"

class CGridCtrl;

class CFormGridCtrl : public CFormControl {
    Q_OBJECT
public:
    CFormGridCtrl(PropertySet properties, int index, QWidget* parent);

    QWidget* focusTarget() const override;
    CGridCtrl* grid() const { return m_grid; }

protected:
    void applyKindProperties() override;
    const char* backgroundProperty() const override { return "Back Color"; }

private:
    CGridCtrl* m_grid;
};
