#pragma once
// One control of an open form as the session sees it: its stored properties, what it is bound to, the
// field's rules it enforces, and what it shows (text, tick, enabled, list items). The view mirrors it.
#include "forms/controls/CharacterFilter.h"
#include "forms/format/PropertySet.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// What the catalogue says of the bound field; all false/empty for an unbound control.
struct FieldRules {
    int odbcType = 0;
    bool unique = false;
    bool required = false;
    bool zeroLength = false;
    bool autoNumber = false;
    bool calculated = false;
    QString validationRule;
    QString validationText;
    // The field's Input Mask property text: the text box shows and takes the value through it.
    QString inputMask;
    // The most characters a Text field holds; 0 for no limit.
    int maxLength = 0;
};

struct FormControl {
    PropertySet properties;
    QString name;
    // "MainForm", or the subform whose records the control shows.
    QString subform;
    // Control Source split at its first ".": the record source and the field; both empty when unbound.
    QString source;
    QString field;
    // The recordset of the session that fills it; -1 for an unbound control or a field not found.
    int recordset = -1;
    FieldRules rules;
    int charClass = CharacterClass::Text;
    // Property name and handler name of every event property that holds a handler.
    QList<std::pair<QString, QString>> events;

    QString text;
    bool ticked = false;
    bool enabled = true;
    // A combo box's choices as its list shows them; a grid's header line and records, fields separated
    // by tabs.
    QStringList items;
    // What each item of a combo box stands for in the record when its lookup shows another column (the
    // suppliers' names for their numbers); empty when the items are the values themselves.
    QStringList itemValues;
    // The field's lookup takes only the values of its list.
    bool limitToList = false;
    // What was typed when the control took none of it; the record is not saved while it stands.
    std::optional<QString> refusedTyping;
    // The text shows "#Value#" for a default or calculation that gave no value; the record gets that
    // empty result, never the "#Value#".
    bool placeholder = false;
    QString placeholderValue;

    int kind() const { return properties.kind; }
    bool isBound() const { return recordset >= 0; }
    bool onMainForm() const { return SameText(subform, QStringLiteral("MainForm")); }
    bool isTickable() const { return kind() == ControlKind::CheckBox || kind() == ControlKind::RadioButton; }
    // Text boxes and combo boxes: the controls whose typed text is checked against the field's rules.
    bool isEditBox() const { return kind() == ControlKind::TextBox || kind() == ControlKind::ComboBox; }
    // The item a stored value is shown as, and the value a shown item stands for; any other text passes
    // through as it is.
    QString itemOfValue(const QString& value) const;
    QString valueOfItem(const QString& text) const;
    // The handler stored under the event property, empty when none.
    QString handler(const QString& eventName) const;
};
