#pragma once
// What scripts reach of the application: the form view that is open, through the operations the form
// runtime offers them, and the main window's way to open a form. The application object installs its
// own; until it does, or while no form is open, the form methods of "MyObject" have nothing to act on.
#include "logic/EvaluateExpression.h"

#include <QString>

class ScriptForm {
public:
    virtual ~ScriptForm() = default;

    // Saves the current record (asking first when `prompt` is set), closes the form and shows the
    // database window again.
    virtual void closeForm(bool prompt) = 0;
    virtual void nextRecord() = 0;
    virtual void previousRecord() = 0;
    virtual void firstRecord() = 0;
    virtual void lastRecord() = 0;
    // Both work from the form's own filter settings.
    virtual void applyFilter() = 0;
    virtual void removeAllFilters() = 0;
    // Re-runs the form's recordset, returns to the same record and redisplays.
    virtual void requery() = 0;
    virtual void find() = 0;
    virtual void moveToRecord() = 0;
    virtual void deleteRecord(bool prompt) = 0;
    virtual void addRecord(bool prompt) = 0;
    virtual void saveRecord(bool prompt) = 0;

    // Controls by their Name property, compared case-sensitively.
    virtual bool hasControl(const QString& name) const = 0;
    virtual void focusControl(const QString& name) = 0;
    // Expressions that act on the form read their field values through its context at its current record.
    virtual ExprCaller exprCaller() = 0;
    virtual int currentRecordOffset() const = 0;
    // Writes the text into the control when it is a text box; other kinds are left alone.
    virtual void setTextBoxText(const QString& name, const QString& text) = 0;
};

class ScriptApplication {
public:
    virtual ~ScriptApplication() = default;
    // The form view that is open, null when none is.
    virtual ScriptForm* currentForm() = 0;
    // Asks the main window to open the named form in run mode.
    virtual void openForm(const QString& name) = 0;
};

// Installs the application scripts act on (null for none) and returns the previous one.
ScriptApplication* setScriptApplication(ScriptApplication* application);
ScriptApplication* scriptApplication();
// The current form of the installed application, null when there is none.
ScriptForm* currentScriptForm();
