#pragma once
// Texts placed into the engine's SQL: a value between single quotes and a column name that may need
// them. Neither may end or change the statement it stands in, whatever the user typed.
#include <QString>

// The text between single quotes, each quote inside doubled.
QString sqlQuoted(const QString& text);

// A column or table name as it stands in a statement: bare, or quoted when it holds a blank or a
// single quote.
QString sqlName(const QString& name);
