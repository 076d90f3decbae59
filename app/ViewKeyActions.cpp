#include "app/ViewKeyActions.h"

#include "app/shell/HardwareKeys.h"
#include "data/KeyAction.h"

#include <QKeyEvent>
#include <QWidget>

bool ViewKeyActions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int virtualKey = virtualKeyFor(key->keyCombination());
    // The application buttons are hot keys, taken wherever the keyboard is.
    if (virtualKey == 0 || isHotKey(virtualKey))
        return QObject::eventFilter(watched, event);
    QWidget* view = m_actionView ? m_actionView() : nullptr;
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (!view || !receiver || (receiver != view && !view->isAncestorOf(receiver)))
        return QObject::eventFilter(watched, event);
    // An unmapped button does nothing: it is no key of the widget's either (a cell would take the digit).
    if (event->type() == QEvent::ShortcutOverride)
        event->accept();
    else if (m_perform && keyAction(virtualKey) != keyaction::None)
        m_perform(virtualKey);
    return true;
}
