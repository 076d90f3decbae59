#include "forms/controls/CFormEdit.h"

#include "forms/controls/CharacterFilter.h"
#include "forms/controls/ControlLook.h"
#include "tables/masks/CMaskedEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextOption>

CFormEdit::CFormEdit(PropertySet properties, int index, QWidget* parent)
    : CFormControl(std::move(properties), index, parent)
{
    if (isYes("MultiLine")) {
        m_lines = new QPlainTextEdit(this);
        setBody(m_lines);
        connect(m_lines, &QPlainTextEdit::textChanged, this, [this] {
            if (m_settingText)
                return;
            raise("OnChange");
            emit edited();
        });
    } else {
        m_line = new CMaskedEdit(this);
        setBody(m_line);
        connect(m_line, &QLineEdit::textEdited, this, [this] {
            raise("OnChange");
            emit edited();
        });
    }
    watch(focusTarget());
    applyProperties();
}

QWidget* CFormEdit::focusTarget() const { return m_line ? static_cast<QWidget*>(m_line) : m_lines; }

QString CFormEdit::text() const { return m_line ? m_line->revealedText() : m_lines->toPlainText(); }

void CFormEdit::setInputMask(const QString& property)
{
    if (!m_line)
        return;
    const QString shown = text();
    const InputMask mask = InputMask::fromProperty(property);
    m_line->setMask(mask, mask.storedOfCell(shown, false));
    if (mask.isEmpty())
        applyKindProperties();
}

void CFormEdit::setText(const QString& text)
{
    m_settingText = true;
    if (m_line && !m_line->mask().isEmpty())
        m_line->setMask(m_line->mask(), m_line->mask().storedOfCell(text, false));
    else if (m_line)
        m_line->setText(text);
    else
        m_lines->setPlainText(text);
    // A value longer than the box reads from its start until the user goes into it.
    if (m_line && !m_line->hasFocus())
        m_line->setCursorPosition(0);
    m_settingText = false;
}

int CFormEdit::maxLength() const { return std::max(LeadingNumber(property("Max Length")), 0); }

void CFormEdit::applyKindProperties()
{
    const Qt::Alignment alignment = StoredAlignment(property("Text Alignment"));
    const bool border = isYes("Border Style");
    if (m_line) {
        m_line->setFrame(border);
        m_line->setAlignment(alignment | Qt::AlignVCenter);
        m_line->setMaxLength(maxLength() > 0 ? maxLength() : 32767);
        return;
    }
    m_lines->setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
    m_lines->setVerticalScrollBarPolicy(isYes("ScrollBars") ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    QTextOption option = m_lines->document()->defaultTextOption();
    option.setAlignment(alignment);
    m_lines->document()->setDefaultTextOption(option);
}

bool CFormEdit::acceptsKey(const QString& typed) const
{
    int start = 0;
    int end = 0;
    if (m_line) {
        start = m_line->hasSelectedText() ? m_line->selectionStart() : m_line->cursorPosition();
        end = start + int(m_line->selectedText().size());
    } else {
        const QTextCursor cursor = m_lines->textCursor();
        start = cursor.selectionStart();
        end = cursor.selectionEnd();
    }
    QString current = text();
    for (const QChar c : typed) {
        if (!AcceptsCharacter(m_characterClass, current, start, end, c))
            return false;
        current = current.left(start) + c + current.mid(end);
        start = end = start + 1;
    }
    // The one-line editor keeps its own limit; the multi-line one is held to it here.
    return m_line || maxLength() == 0 || current.size() <= maxLength();
}

bool CFormEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == focusTarget() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool erases = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
        const bool newLine = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const QString typed = key->text();
        const bool typesText = !typed.isEmpty() && !erases && !newLine && !(key->modifiers() & Qt::ControlModifier) &&
                               key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab && key->key() != Qt::Key_Escape;
        if (m_characterClass == CharacterClass::None && (erases || typesText || (newLine && m_lines)))
            return true;
        if (typesText && !(m_line && !m_line->mask().isEmpty()) && !acceptsKey(typed))
            return true;
    }
    return CFormControl::eventFilter(watched, event);
}
