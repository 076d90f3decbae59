#pragma once
// A list view control: report view with column headers, or a plain list; sorted, single or multiple
// selection and editable labels as stored.
#include "forms/controls/CFormControl.h"

class QTreeWidget;

class CFormListCtrl : public CFormControl {
    Q_OBJECT
public:
    CFormListCtrl(PropertySet properties, int index, QWidget* parent);

    void setItems(const QStringList& items) override;
    QWidget* focusTarget() const override;
    QTreeWidget* tree() const { return m_tree; }
    bool isReportView() const;

protected:
    void applyKindProperties() override;

private:
    QTreeWidget* m_tree;
    QStringList m_items;
};
