#pragma once
// A combo box: an editable text with a drop-down list, filled from the bound field's lookup list.
#include "forms/controls/CFormControl.h"

class CMaskedEdit;
class QComboBox;

class CFormComboBox : public CFormControl {
    Q_OBJECT
public:
    CFormComboBox(PropertySet properties, int index, QWidget* parent);

    QString text() const override;
    void setText(const QString& text) override;
    void setItems(const QStringList& items) override;
    QWidget* focusTarget() const override;
    QComboBox* comboBox() const { return m_combo; }
    // The bound field's Input Mask property: typing walks the mask, and a picked item is shown through it.
    void setInputMask(const QString& property);

protected:
    void applyKindProperties() override;

private:
    QComboBox* m_combo;
    CMaskedEdit* m_edit;
    bool m_settingText = false;
    // The items as given, before any sorting.
    QStringList m_items;
};
