#pragma once
// A tab control: one page (CTabDialog) per item of TabNames, each page a container at (5, 25) inside
// the control, its width less 10 and its height less 30; the tab row above chooses the page shown.
#include "forms/controls/CFormControl.h"

class QTabBar;

// One page of a tab control; the controls whose ParentId names the page lie on it.
class CTabDialog : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

class CFormTabCtrl : public CFormControl {
    Q_OBJECT
public:
    static constexpr int kPageLeft = 5;
    static constexpr int kPageTop = 25;

    CFormTabCtrl(PropertySet properties, int index, QWidget* parent);

    QWidget* focusTarget() const override;
    QTabBar* tabBar() const { return m_tabs; }
    const QList<CTabDialog*>& pages() const { return m_pages; }
    // Null for a page the control does not have.
    CTabDialog* page(int index) const { return m_pages.value(index); }
    void showPage(int index);

protected:
    void applyKindProperties() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placePages();

    QTabBar* m_tabs;
    QList<CTabDialog*> m_pages;
};
