#pragma once
// The type a column of imported text is proposed as, from the values seen in it: Integer, Double,
// Date/Time or Boolean when every value reads as one, else Text as long as the longest value (at
// least 50). A number only where each value would read back as written, or where every value is a
// plain decimal and those with a point all have the same two or more places, as amounts are written
// (2.50, 1234.99); versions (2.0, 3.10) stay Text. A code with a leading zero (0805) or a value in
// quotes keeps its column Text.
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
    bool m_fixed = true; // every value a plain decimal
    static constexpr int kNoPlaces = -1;
    static constexpr int kMixedPlaces = -2;
    static constexpr int kAmountPlaces = 2;
    int m_places = kNoPlaces; // the places of the values with a point
    bool m_seen = false;
    qsizetype m_longest = 0;
};

// Whether the text is a number or a date in any of the usual forms, however it would read back.
bool readsAsNumberOrDate(const QString& value);

// A field of the type with its property rows; a Text field of `textSize` characters.
FieldDefinition importField(const QString& name, const QString& type, int textSize = 50);
