#include "logic/CModuleEdit.h"

CModuleEdit::CModuleEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

void CModuleEdit::keyPressEvent(QKeyEvent* event)
{
    m_keyDown = true;
    QPlainTextEdit::keyPressEvent(event);
}

void CModuleEdit::keyReleaseEvent(QKeyEvent* event)
{
    QPlainTextEdit::keyReleaseEvent(event);
    if (m_keyDown)
        emit keyReleased();
    m_keyDown = false;
}
