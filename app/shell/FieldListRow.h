#pragma once
#include "data/FieldRows.h"

#include <QStringList>

// The fields list's titles and widths, in column order.
const QStringList& fieldListTitles();
const QList<int>& fieldListWidths();

// The user-facing type name of a catalogue row.
QString fieldTypeName(const QStringList& catalogueRow);

// One line of the fields list (Field Name, Type, Size, Required, Unique, Lookup, Calculation) for a
// catalogue row. Columns that make no sense for the field's type stay empty.
QStringList fieldListRow(const QStringList& catalogueRow);
