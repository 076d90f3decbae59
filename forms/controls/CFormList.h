#pragma once
// A list box: always sorted, with a border and a vertical scroll bar; several items may be chosen
// when Multi Select is "Yes".
#include "forms/controls/CFormControl.h"

class QListWidget;

class CFormList : public CFormControl {
    Q_OBJECT
public:
    CFormList(PropertySet properties, int index, QWidget* parent);

    void setItems(const QStringList& items) override;
    // The chosen item's text; the first chosen one when several are.
    QString text() const override;
    QWidget* focusTarget() const override;
    QListWidget* list() const { return m_list; }

protected:
    void applyKindProperties() override;

private:
    QListWidget* m_list;
    QStringList m_items;
};
