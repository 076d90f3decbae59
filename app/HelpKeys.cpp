#include "app/HelpKeys.h"

#include "app/HelpTopics.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>

namespace {

bool isHelpKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F1 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The widget whose window the user asks about: the one with the keyboard, else the window in front.
QWidget* askedAbout(QObject* watched)
{
    if (QWidget* focus = QApplication::focusWidget())
        return focus;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return qobject_cast<QWidget*>(watched);
}

} // namespace

bool HelpKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (isHelpKey(event)) {
        // Claimed at the override already, so that no shortcut and no widget takes F1 for itself.
        if (event->type() == QEvent::ShortcutOverride)
            event->accept();
        else
            m_open(helpTopicFor(askedAbout(watched)));
        return true;
    }
    if (event->type() == QEvent::Show && qobject_cast<QDialog*>(watched))
        addHelpButton(static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
}

void HelpKeys::addHelpButton(QWidget* dialog)
{
    const auto topic = helpTopicsByClass().constFind(QString::fromLatin1(dialog->metaObject()->className()));
    if (topic == helpTopicsByClass().constEnd())
        return;
    for (QDialogButtonBox* buttons : dialog->findChildren<QDialogButtonBox*>()) {
        // The row of the dialog itself, not one of a page inside it, and only once however often it shows.
        if (buttons->window() != dialog || buttons->button(QDialogButtonBox::Help))
            continue;
        // Enter keeps pressing the dialog's own default button, never Help.
        buttons->addButton(QDialogButtonBox::Help)->setAutoDefault(false);
        connect(buttons, &QDialogButtonBox::helpRequested, this, [this, place = *topic] { m_open(place); });
    }
}
