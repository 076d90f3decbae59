#pragma once
// What the view of an open form hears from its session. Every call comes after the session's state
// has changed; the view reads what it needs back from the session.
class FormListener {
public:
    virtual ~FormListener() = default;

    // The controls were created anew (a form was opened): rebuild every widget.
    virtual void controlsCreated() {}
    // The control's text, tick, enabled state or items changed.
    virtual void controlChanged(int control) {}
    // The record number or the record count changed ("3/17").
    virtual void positionChanged() {}
    // Give the control the focus; `selectAll` selects its whole text and scrolls it into view.
    virtual void focusControl(int control, bool selectAll) {}
    // The form was closed: show the database window again. The session may still be on the call stack
    // (a script closed it), so the view must not destroy it from here.
    virtual void formClosed() {}
    // A script asked for the find window over the form's records.
    virtual void findRequested() {}
};
