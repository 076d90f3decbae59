#pragma once
// What a macro acts on: the form view it runs in. Beyond what scripts reach (ScriptForm), a macro
// needs to know whether an operation took effect, so that it stops instead of going on as if it had.
// The form runtime implements it.
#include "logic/ScriptForm.h"

#include <QString>

// The one level of If that a form view keeps while a macro runs in it.
struct MacroIfState {
    bool open = false; // between If and EndIf
    bool inElse = false;
    bool condition = false;
    // The nesting depth of the run that opened the block; runs started by events inside it leave it alone.
    int owner = 0;
};

// A Find Record row's arguments, as the find window would take them.
struct MacroFind {
    enum class Direction { All, Up, Down };
    QString text;
    bool wholeField = false;
    bool matchCase = false;
    Direction direction = Direction::All;
    // A field of the form's records; empty for the field of the control that has the focus.
    QString field;
    bool fromFirst = false;
};

class MacroForm : public ScriptForm {
public:
    enum class FindOutcome { Found, NotFound, NoField };

    virtual bool isOpen() const = 0;
    // Replaces the form shown by the named stored form; false when the database has none of that name.
    virtual bool openForm(const QString& name) = 0;
    // Saves what is pending; false when a check or the write refused the record, which then stays current.
    virtual bool settleRecord() = 0;
    // Moves to record `number` (1-based) after saving; false when there is none such or the save failed.
    virtual bool goToRecord(int number) = 0;
    virtual int recordCount() const = 0;
    virtual bool isAdding() const = 0;
    // Gives the focus to the control at that index.
    virtual void setFocus(int control) = 0;
    virtual FindOutcome findRecord(const MacroFind& find) = 0;
    // Shows only the records of the form's own source that meet `condition`, a checked condition of the
    // engine's SQL; false when filters are not allowed or the engine refuses it.
    virtual bool filterWhere(const QString& condition) = 0;
    // Shows the records of a stored query's statement, which must yield the form's own fields; false when
    // it does not or cannot be read.
    virtual bool showQueryRecords(const QString& statement) = 0;
    virtual MacroIfState& macroIfState() = 0;
};
