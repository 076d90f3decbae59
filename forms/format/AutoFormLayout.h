#pragma once
// The automatic form: one control per field of its source, one below the other, of the kind the
// field's type asks for. The runtime shows it for a source opened without a form of its own; the
// designer starts a new form with it.
#include "forms/format/PropertySet.h"

#include <QString>

// Where the first control stands; the designer moves it down to leave room for a label above each.
inline constexpr int kAutoFormTop = 10;

// A check box for a Boolean, a date control for a date (a text box's character filter would leave it
// untypable), a combo box for a field with a lookup list, a text box for every other field.
int AutoControlKind(int odbcType, bool hasLookup);

// The control of the `row`-th field (from 0) of `source`, bound to `source`.`field` and named `name`,
// the first row's top at `firstTop`.
PropertySet AutoFormControl(const QString& source, const QString& field, int kind, const QString& name, int row,
                            int firstTop = kAutoFormTop);
