#pragma once
// Which in-place editor a datasheet cell gets, chosen from its field's properties: none for an
// AutoNumber or calculated field, a length-limited line for text, a list for a lookup or a Boolean.
#include <QString>
#include <QStringList>

class CAppContext;
struct DatasheetField;
struct LookupSpec;

struct LookupChoices {
    QStringList values; // what the cell stores
    QStringList labels; // shown beside each value; empty when the lookup shows no second column
    bool limitToList = false;

    // Why a list limited to its values refuses the value, in the words of the field; empty for a value
    // of the list, for no value, and for a list that is not limited.
    QString refusal(const QString& fieldName, const QString& value) const;
};

// The values a lookup offers: a value list's items, a table's bound column (with its visible column
// beside), or the first column of a stored query's result.
LookupChoices loadLookupChoices(CAppContext& context, const LookupSpec& lookup);

struct CellEditor {
    bool editable = true;
    int maxLength = 0; // 0: no limit
    QString inputMask; // the field's Input Mask property text; empty: no mask
    bool isList = false;
    // A lookup's list also takes a typed value, which the datasheet refuses when the list is limited, so
    // that the user sees why; a Boolean's list takes only its two values.
    bool listTakesTyping = false;
    LookupChoices choices;

    static CellEditor readOnly()
    {
        CellEditor editor;
        editor.editable = false;
        return editor;
    }
};

CellEditor cellEditorFor(CAppContext& context, const DatasheetField& field);
