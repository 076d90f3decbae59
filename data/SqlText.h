#pragma once
// Texts placed into the engine's SQL. Whatever the user typed, a quoted value or name neither ends the
// statement it stands in nor adds to it.
#include <QString>

class CAppContext;

// The text between single quotes, each quote inside doubled. The engine reads it as a text value, and
// as a name where a table, column or index name stands, so table names from lists go in this way too.
QString sqlQuoted(const QString& text);

// A table or column name as it stands in a statement: bare when the engine reads it as one plain name,
// else quoted as above (a blank, a quote, a "-", a leading digit, or a word of the dialect).
QString sqlName(const QString& name);

// The engine's TableID of `table` in the open database; empty when the engine has no such table.
QString tableIdOf(CAppContext& context, const QString& table);
