#pragma once
// What the macro editor does: the rows of actions with their argument values, the cells set by tapping,
// the name check, loading a macro's row and saving it. The dialog only shows the grids and hands over
// what the user picks, types and taps.
#include "logic/MacroText.h"

#include <QString>
#include <QStringList>

class CAppContext;

class MacroEditor {
public:
    // What tapping a Value cell does.
    enum class Tap {
        Typed,      // nothing: the value is typed
        EditMode,   // toggles "ReadOnly" and "ReadWrite"
        YesNo,      // toggles "Yes" and "No"
        SoundFile,  // the file chooser picks the value
        Expression  // the expression builder composes the value
    };

    explicit MacroEditor(CAppContext& context);

    // Reads the named macro; false (after saying so) when there is no single macro of that name.
    bool open(const QString& name);
    const QString& name() const { return m_name; }
    bool isNew() const { return m_new; }
    bool isModified() const { return m_modified; }

    const QList<MacroRow>& rows() const { return m_rows; }
    // A row without an action, at `row` (0 to the row count).
    void insertRow(int row);
    void removeRow(int row);
    // Moves the row one place up (-1) or down (+1); false when it is already at that end.
    bool moveRow(int row, int step);
    // Picks the row's action; choosing the action it already has keeps its values.
    void setAction(int row, const QString& action);

    // The argument labels of the row's action, empty for a row without one.
    QStringList labels(int row) const;
    Tap tapOf(int row, int argument) const;
    // Says "You have to choose an action" and answers false when the row has none.
    bool checkAction(int row) const;
    // Stores a typed or composed value; false (after saying why) when the value would corrupt the macro.
    bool setValue(int row, int argument, const QString& value);
    // Toggles an Edit mode or Yes/No cell; the new value.
    QString toggle(int row, int argument);

    // The name box lost the focus with `name` in it: for the name of another stored macro, asks whether
    // to overwrite it, and on Yes loads that macro. False when the user said No, and the name must go.
    bool checkName(const QString& name);
    // Writes the macro under `name`; false (after saying why) when something is missing or the row
    // could not be written.
    bool save(const QString& name);
    // Asks whether to save a modified macro; false when the editor must stay open.
    bool close(const QString& name);

private:
    bool validRow(int row) const { return row >= 0 && row < m_rows.size(); }
    QString missingArguments() const;
    bool otherMacroNamed(const QString& name) const;
    // Writes the rows into the stored row named `row` (a new row when empty) under `name`.
    bool writeRow(const QString& row, const QString& name);

    CAppContext& m_context;
    QString m_name;
    QList<MacroRow> m_rows;
    bool m_new = true;
    bool m_modified = false;
};
