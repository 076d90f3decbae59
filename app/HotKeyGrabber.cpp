#include "app/HotKeyGrabber.h"

#include "app/shell/HardwareKeys.h"

#include <QApplication>
#include <QKeyEvent>

HotKeyGrabber::~HotKeyGrabber() { release(); }

void HotKeyGrabber::take()
{
    if (m_taken)
        return;
    qApp->installEventFilter(this);
    m_taken = true;
}

void HotKeyGrabber::release()
{
    if (!m_taken)
        return;
    qApp->removeEventFilter(this);
    m_taken = false;
}

bool HotKeyGrabber::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const int virtualKey = virtualKeyFor(static_cast<QKeyEvent*>(event)->keyCombination());
    // A modal window over the program (a dialog, the box of a long sort) has the keys to itself.
    if (!isHotKey(virtualKey) || !QApplication::activeWindow() || QApplication::activeModalWidget())
        return QObject::eventFilter(watched, event);
    // The key is ours: no shortcut may claim it, and the first receiver's press is the only one.
    if (event->type() == QEvent::ShortcutOverride)
        event->accept();
    else
        emit hotKey(virtualKey);
    return true;
}
