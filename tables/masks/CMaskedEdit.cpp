#include "tables/masks/CMaskedEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

CMaskedEdit::CMaskedEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::cursorPositionChanged, this, [this](int, int position) {
        if (!m_text.mask().isEmpty())
            m_text.setCaret(position);
    });
}

void CMaskedEdit::setMask(const InputMask& mask, const QString& stored)
{
    m_text = MaskedText(mask, stored);
    if (mask.isEmpty()) {
        setText(stored);
        return;
    }
    setMaxLength(int(mask.length()));
    refresh();
}

QString CMaskedEdit::storedText() const { return m_text.mask().isEmpty() ? text() : m_text.stored(); }

QString CMaskedEdit::revealedText() const { return m_text.mask().isEmpty() ? text() : m_text.revealed(); }

void CMaskedEdit::refresh()
{
    const qsizetype caret = m_text.caret();
    setText(m_text.display());
    setCursorPosition(int(caret));
    m_text.setCaret(caret);
}

void CMaskedEdit::insertTyped(const QString& typed)
{
    if (hasSelectedText()) {
        m_text.erase(selectionStart(), selectionEnd());
        deselect();
    }
    for (const QChar c : typed)
        m_text.type(c);
    refresh();
    emit textEdited(text());
}

void CMaskedEdit::keyPressEvent(QKeyEvent* event)
{
    if (m_text.mask().isEmpty() || isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        insertTyped(QGuiApplication::clipboard()->text());
        return;
    }
    if (event->matches(QKeySequence::Cut) || event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        if (event->matches(QKeySequence::Cut))
            copy();
        if (hasSelectedText())
            m_text.erase(selectionStart(), selectionEnd());
        else if (event->key() == Qt::Key_Backspace)
            m_text.erasePrevious();
        else if (event->key() == Qt::Key_Delete)
            m_text.eraseNext();
        refresh();
        emit textEdited(text());
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        insertTyped(typed);
        return;
    }
    QLineEdit::keyPressEvent(event);
}
