#pragma once
// The type a column of imported text is proposed as, from the values seen in it: Integer, Double,
// Date/Time or Boolean when every value reads as one, else Text as long as the longest value (at
// least 50). A number only where each value would read back as written; a code with a leading zero
// (0805) or a value in quotes keeps its column Text.
#include "tables/FieldTypes.h"

#include <algorithm>

class ColumnGuess {
public:
    void see(const QString& value, bool quoted);
    // A value of this length is in the column, whatever it holds.
    void widen(qsizetype length) { m_longest = std::max(m_longest, length); }
    // A field of the proposed type, with its type's property rows; `typed` false proposes Text only.
    FieldDefinition field(const QString& name, bool typed = true) const;

private:
    bool m_integer = true;
    bool m_double = true;
    bool m_date = true;
    bool m_boolean = true;
    bool m_seen = false;
    qsizetype m_longest = 0;
};

// Whether the text is a number or a date in any of the usual forms, however it would read back.
bool readsAsNumberOrDate(const QString& value);

// A field of the type with its property rows; a Text field of `textSize` characters.
FieldDefinition importField(const QString& name, const QString& type, int textSize = 50);
