#pragma once
// The device's direction and action buttons (Ctrl+Alt+6 to Ctrl+Alt+0 here) act only in a record view:
// while the datasheet or the form view has the keyboard, a press of one that the key options map to an
// action performs that action; an unmapped one does nothing. Dialogs and drop-down lists over
// the view are left alone.
#include <QObject>

#include <functional>

class QWidget;

class ViewKeyActions : public QObject {
    Q_OBJECT
public:
    // `actionView` answers the view that performs key actions, null when none is on show; `perform`
    // performs the action of a virtual key there.
    ViewKeyActions(std::function<QWidget*()> actionView, std::function<void(int)> perform, QObject* parent = nullptr)
        : QObject(parent), m_actionView(std::move(actionView)), m_perform(std::move(perform))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<QWidget*()> m_actionView;
    std::function<void(int)> m_perform;
};
