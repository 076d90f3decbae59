// What the user and scripts do to the form's controls, the events that come of it, the hardware keys,
// and leaving the form.
#include "forms/runtime/FormSession.h"
#include "tables/masks/InputMask.h"

#include "data/CAppContext.h"
#include "data/KeyAction.h"
#include "forms/runtime/FormListener.h"
#include "forms/runtime/FormSource.h"
#include "logic/RunMacro.h"
#include "platform/framework/MessageBox.h"

namespace {

bool takesFocus(const FormControl& control)
{
    switch (control.kind()) {
    case ControlKind::Label:
    case ControlKind::Shape:
    case ControlKind::GroupBox:
    case ControlKind::TabControl:
        return false;
    default:
        return control.enabled;
    }
}

} // namespace

void FormSession::changed(int control)
{
    if (m_listener)
        m_listener->controlChanged(control);
}

void FormSession::positionChanged()
{
    if (m_listener)
        m_listener->positionChanged();
}

void FormSession::tell(const QString& text) { framework::showMessage(text); }

bool FormSession::typeText(int index, const QString& text)
{
    if (index < 0 || index >= m_controls.size() || !m_controls[index].isEditBox() || !m_controls[index].enabled)
        return false;
    const FormControl& control = m_controls[index];
    QString shown;
    int taken = 0;
    if (const InputMask mask = InputMask::fromProperty(control.rules.inputMask); !mask.isEmpty()) {
        // The mask takes the place of the character filter; a refused character leaves the position open.
        MaskedText masked(mask);
        for (const QChar c : text)
            taken += masked.type(c) ? 1 : 0;
        shown = masked.revealed();
    } else {
        // A lookup's items are typed as they are shown, whatever the type of the value they stand for.
        const int characterClass = control.itemValues.isEmpty() ? control.charClass : int(CharacterClass::Text);
        shown = TypeText(characterClass, text,
                         LeadingNumber(GetProperty(control.properties, QStringLiteral("Max Length"))));
        taken = int(shown.size());
    }
    setControlText(index, shown);
    // Typing that left nothing would store an empty value in its place.
    if (taken == 0 && !text.isEmpty())
        m_controls[index].refusedTyping = text;
    return taken == text.size();
}

bool FormSession::setControlText(int index, const QString& text)
{
    if (index < 0 || index >= m_controls.size() || !m_controls[index].enabled || m_controls[index].isTickable())
        return false;
    FormControl& control = m_controls[index];
    control.refusedTyping.reset();
    if (control.text == text && !control.placeholder)
        return true;
    control.text = text;
    control.placeholder = false;
    m_typed = m_typed || control.isBound();
    changed(index);
    raiseEvent(index, QStringLiteral("OnChange"));
    return true;
}

bool FormSession::setTicked(int index, bool ticked)
{
    if (index < 0 || index >= m_controls.size() || !m_controls[index].isTickable() || !m_controls[index].enabled)
        return false;
    m_controls[index].ticked = ticked;
    m_typed = m_typed || m_controls[index].isBound();
    changed(index);
    raiseEvent(index, QStringLiteral("OnClick"));
    return true;
}

void FormSession::setFocus(int index)
{
    if (index >= m_controls.size() || index == m_focus)
        return;
    const int previous = m_focus;
    m_focus = index;
    if (previous >= 0)
        raiseEvent(previous, QStringLiteral("OnLostFocus"));
    if (index >= 0) {
        if (m_listener)
            m_listener->focusControl(index, false);
        raiseEvent(index, QStringLiteral("OnGotFocus"));
    }
}

void FormSession::raiseEvent(int index, const QString& eventName)
{
    if (index < 0 || index >= m_controls.size())
        return;
    const QString handler = m_controls[index].handler(eventName);
    if (!handler.isEmpty())
        FireEvent(handler, index);
}

// A handler that closes the form may go on to show a message, whose window lets the view's own events
// run: the view hears of the closing only once the handler has returned, so it cannot go from under it,
// and not at all when the handler opened a form again.
void FormSession::runMacro(const QString& name, int control)
{
    ++m_handlersRunning;
    RunMacro(m_context, *this, name, control);
    if (--m_handlersRunning > 0 || !m_closePending)
        return;
    m_closePending = false;
    if (!m_open && m_listener)
        m_listener->formClosed();
}

bool FormSession::performKeyAction(int action)
{
    switch (action) {
    case keyaction::AddRecord: newRecord(); return true;
    case keyaction::DeleteRecord: deleteCurrentRecord(); return true;
    case keyaction::FirstRecord: firstRecord(); return true;
    case keyaction::NextRecord: nextRecord(); return true;
    case keyaction::PreviousRecord: previousRecord(); return true;
    case keyaction::LastRecord: lastRecord(); return true;
    case keyaction::SortAscending: sortAscending(); return true;
    case keyaction::SortDescending: sortDescending(); return true;
    case keyaction::FilterIncluding: filterIncluding(); return true;
    case keyaction::FilterExcluding: filterExcluding(); return true;
    case keyaction::RemoveFilter: removeFilter(); return true;
    case keyaction::CloseForm: closeAsking(); return true;
    case keyaction::NextField:
    case keyaction::PreviousField: {
        const int step = action == keyaction::NextField ? 1 : -1;
        const int count = int(m_controls.size());
        for (int n = 1; n <= count; ++n) {
            const int candidate = ((m_focus < 0 ? (step > 0 ? -1 : 0) : m_focus) + step * n + count * 2) % count;
            if (takesFocus(m_controls[candidate])) {
                setFocus(candidate);
                break;
            }
        }
        return true;
    }
    case keyaction::ViewRelations:
    case keyaction::HideColumn:
    case keyaction::ShowAllColumns:
    case keyaction::CloseTable:
        // The datasheet's own actions mean nothing on a form.
        return true;
    default:
        // Scrolling and the caret belong to the view.
        return false;
    }
}

// ---- scripts

void FormSession::closeForm(bool) { close(); }

void FormSession::close()
{
    if (!m_open)
        return;
    saveCurrentRecord();
    leave();
}

bool FormSession::closeAsking()
{
    if (!m_open)
        return true;
    if (hasUnsavedRecord()) {
        const framework::Answer answer =
            framework::showMessage(QStringLiteral("Do you want to save the current record?"), framework::applicationCaption(),
                                   framework::Buttons::YesNoCancel, framework::Icon::Question);
        if (answer == framework::Answer::Cancel || (answer == framework::Answer::Yes && !saveCurrentRecord()))
            return false;
    }
    leave();
    return true;
}

void FormSession::leave()
{
    m_sources.clear();
    m_open = false;
    if (m_handlersRunning > 0)
        m_closePending = true;
    else if (m_listener)
        m_listener->formClosed();
}

ExprCaller FormSession::exprCaller() { return {m_context, m_position, m_recordCount}; }

void FormSession::setTextBoxText(const QString& name, const QString& text)
{
    const int index = controlIndex(name);
    if (index < 0 || m_controls[index].kind() != ControlKind::TextBox)
        return;
    // Values set by the program are not filtered.
    m_controls[index].text = text;
    m_controls[index].placeholder = false;
    m_controls[index].refusedTyping.reset();
    changed(index);
}
