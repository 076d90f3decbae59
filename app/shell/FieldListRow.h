#pragma once
#include <QStringList>

// Positions of the columns of an XNSysFields row as "Select *" returns them.
namespace xnfield {
constexpr int FieldName = 1;
constexpr int Len = 3;
constexpr int ODBCType = 4;
constexpr int Combo = 5;
constexpr int Required = 8;
constexpr int Unique = 9;
constexpr int Calculation = 10;
constexpr int AutoNumber = 11;
} // namespace xnfield

// The fields list's titles and widths, in column order.
const QStringList& fieldListTitles();
const QList<int>& fieldListWidths();

// The user-facing type name of a catalogue row.
QString fieldTypeName(const QStringList& catalogueRow);

// One line of the fields list (Field Name, Type, Size, Required, Unique, Lookup, Calculation) for a
// catalogue row. Columns that make no sense for the field's type stay empty.
QStringList fieldListRow(const QStringList& catalogueRow);
