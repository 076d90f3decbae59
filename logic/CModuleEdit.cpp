#include "logic/CModuleEdit.h"

CModuleEdit::CModuleEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

void CModuleEdit::keyReleaseEvent(QKeyEvent* event)
{
    QPlainTextEdit::keyReleaseEvent(event);
    emit keyReleased();
}
