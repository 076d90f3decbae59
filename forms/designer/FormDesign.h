#pragma once
// The form being designed, without a window: its record source, its own properties, its controls in
// creation (stored) order, the selection, the clipboard and the undo history, and every design action
// with the questions and messages it shows. The designer view draws it and forwards what the user
// does; the tests and varnel-cli drive the same object.
#include "forms/designer/ContainerLinks.h"
#include "forms/designer/DesignCatalogue.h"
#include "forms/format/PropertySet.h"

#include <QList>
#include <QMap>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class DatabaseFormStore;

class FormDesign {
public:
    // The device's screen, in whose pixels forms are laid out.
    static constexpr int kFormWidth = 240;
    static constexpr int kFormHeight = 320;
    static constexpr int kNudge = 5;
    // The form's own properties in the property list.
    static constexpr int kFormTarget = -1;

    enum class Align { Lefts, Centers, Rights, Tops, Middles, Bottoms };
    enum class Size { Width, Height, Both };
    enum class Direction { Left, Right, Up, Down };
    enum class Order { SendToBack, SendBack, BringForward, BringToFront };
    enum class Centre { Horizontally, Vertically };

    // `catalogue` gives the fields a control is bound to; without one every binding is taken unchecked.
    explicit FormDesign(const DesignCatalogue* catalogue = nullptr);

    // An empty form over the source; with `autoForm`, one control per field of the source.
    void startNew(const QString& tableSource, bool autoForm);
    // A stored form, as its row holds it.
    void load(const QString& formName, const QString& tableSource, const QString& ctrlProps);

    const QString& formName() const { return m_formName; }
    const QString& tableSource() const { return m_state.tableSource; }
    bool isNew() const { return m_formName.isEmpty(); }
    // Changed since it was started, loaded or last saved.
    bool isChanged() const { return m_changed; }
    const PropertySet& formProperties() const { return m_state.form; }
    const QList<PropertySet>& controls() const { return m_state.controls; }
    // The form's properties for kFormTarget, else the control's.
    const PropertySet& propertiesOf(int target) const;
    // The CtrlProps text the form is stored as; empty when a value could not be stored.
    QString storedText() const;

    // Placing. `autoCaption` is the Auto Add Captions option. Returns the new control's index.
    int place(int kind, const ControlRect& rect, const ContainerLink& container = {}, bool autoCaption = false);
    // A line from (x1, y1) to (x2, y2) on the form surface.
    int placeLine(int x1, int y1, int x2, int y2);
    // The name a new control of the kind gets: its type name and the number of controls the form holds,
    // counted on while a control has that name already.
    QString proposedName(int kind) const;
    // Whether the control has a rectangle (every kind but the line) and which it is.
    bool hasRect(int index) const;
    ControlRect rectOf(int index) const;
    ContainerLink containerOf(int index) const;
    // The size of the container's inside: the form, a tab page or a group box.
    QSize containerSize(const ContainerLink& container) const;

    // Selection: the last selected control is the reference for aligning and sizing.
    const QList<int>& selection() const { return m_selection; }
    int reference() const { return m_selection.isEmpty() ? -1 : m_selection.last(); }
    // With `add` the control joins the selection (or becomes the reference when it is in it already).
    void select(int index, bool add = false);
    void clearSelection() { m_selection.clear(); }

    // Moving and sizing: one control to a rectangle, or the selection by an offset.
    void setRect(int index, const ControlRect& rect);
    void moveSelection(int dx, int dy);
    void align(Align how);
    void makeSameSize(Size how);
    void nudge(Direction direction);
    void centreInForm(Centre how);
    // Changes the stored order, which is the drawing order; containers keep what they hold.
    void reorder(Order how);

    // Deleting asks first; a tab control or group box goes with what it holds.
    void deleteSelection();
    void deleteAll();
    void copy();
    void cut();
    // The copied controls, each with a fresh name and 10 pixels down and right of its original; they
    // become the selection.
    void paste();
    bool canPaste() const { return !m_clipboard.isEmpty(); }

    // Sets a property, a font or a colour, in every selected control that carries it; false when none
    // changed (or the value holds "~" or "|", which is refused with a message).
    bool setSelectionProperty(const QString& name, const QString& value);

    // Edits one property with its checks; false, with the message shown, when the value is not taken.
    bool setProperty(int target, const QString& name, const QString& value);
    // The Control Source list of a control: its source's fields as "Name - Type".
    QStringList fieldEntries(int target) const;
    // The record source the control's fields come from: the form's, or its subform's.
    QString sourceOf(int target) const;

    // Subforms: their sources, and the one newly placed controls show.
    const QMap<QString, QString>& subforms() const { return m_state.subforms; }
    void assignSubform(const QString& name, const QString& source);
    void setCurrentSubform(const QString& name);
    const QString& currentSubform() const { return m_currentSubform; }

    // Saving under `name` with every question and message of the save; true when the row was written.
    bool save(DatabaseFormStore& store, const QString& name);

    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }
    void undo();
    void redo();

private:
    struct State {
        PropertySet form;
        QList<PropertySet> controls;
        QString tableSource;
        QMap<QString, QString> subforms;
    };

    // Every design action calls this first, so that it can be undone.
    void remember();
    void restore(State state);
    void reset();
    void removeControls(const QList<int>& indices);
    void writeRect(int index, const ControlRect& rect);
    // Gives each selected control the rectangle `change` makes of it and of the reference control's.
    void reshapeAgainstReference(const std::function<ControlRect(const ControlRect& reference, ControlRect rect)>& change);
    bool bindControl(int target, const QString& value);
    bool checkMaxLength(int target, QString& value) const;
    std::optional<SourceField> boundField(int target) const;
    void collectSubforms();
    bool writeRow(DatabaseFormStore& store, const QString& name, const QString& text);

    const DesignCatalogue* m_catalogue;
    State m_state;
    QString m_formName;
    bool m_changed = false;
    QList<int> m_selection;
    QList<PropertySet> m_clipboard;
    QString m_currentSubform;
    QList<State> m_undo;
    QList<State> m_redo;
};
