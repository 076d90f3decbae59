#pragma once
// The CtrlProps text of a stored form: the form's own record, the control count, then one record per
// control. "|" ends a record and "~" separates its fields; there is no escape, so neither character
// may ever stand in a value.
#include "forms/format/PropertySet.h"

#include <QList>
#include <QString>

#include <optional>

struct ParsedForm {
    PropertySet form;             // kind 16, always the full 14 values
    QList<PropertySet> controls;  // in stored order; an unknown type name gives an empty set
};

// The n-th (0-based) field of a text whose fields are separated by "~"; empty when there is none.
QString GetField(const QString& text, int n);

// True when the name may name a form or a control: not empty, and none of the blank and the 28
// punctuation characters the format and the SQL text reserve.
bool ValidateObjectName(const QString& name);

// False for a value holding "~" or "|", which would split its record when stored.
bool IsStorableValue(const QString& value);

// The CtrlProps text of a form; nullopt when some value holds "~" or "|" (the text is never written
// then, rather than stored corrupted). Controls without a stored type name are left out. There is no
// length limit: a long form is stored whole.
std::optional<QString> SerialiseForm(const PropertySet& form, const QList<PropertySet>& controls);

// Reads a CtrlProps text. Empty text gives the default form properties and no controls; a record
// shorter than its catalogue keeps the defaults for what it lacks, surplus fields are dropped, and a
// text that ends before the stored count of controls gives the controls it holds.
ParsedForm ParseForm(const QString& text);
