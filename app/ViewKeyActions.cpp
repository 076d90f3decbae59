#include "app/ViewKeyActions.h"

#include "app/shell/HardwareKeys.h"

#include <QKeyEvent>
#include <QWidget>

bool ViewKeyActions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int virtualKey = virtualKeyFor(key->key());
    // With a modifier the key is the user's own (Shift+Left selects); the application buttons are hot keys.
    if (virtualKey == 0 || isHotKey(virtualKey) || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QObject::eventFilter(watched, event);
    QWidget* view = m_actionView ? m_actionView() : nullptr;
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (!view || !receiver || (receiver != view && !view->isAncestorOf(receiver)))
        return QObject::eventFilter(watched, event);
    const int action = keyAction(virtualKey);
    if (action == 0)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride)
        event->accept();
    else if (m_perform)
        m_perform(virtualKey);
    return true;
}
