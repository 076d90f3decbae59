#pragma once
// A criterion cell of the query grid made into a condition's right side. The user types an operator and
// a value (">5", "LIKE 'A*'", "Smith", "=[Which city]"); the value is placed in the statement as a value,
// so that no quote, comma or keyword in it can end the condition or add one.
#include <QString>

// The operator (= when none was typed) and the value as the engine must read it: a number as typed, a
// parameter in brackets as typed (it is replaced before the statement runs), TRUE or FALSE, IS [NOT] NULL,
// and any other text quoted, with the quotes the user put around it taken off first.
QString QueryCriterionSql(const QString& cell);

// A value the engine reads as this very number: digits with an optional sign, point and exponent, and no
// leading zero a number would lose ("007" stays text).
bool ReadsAsNumber(const QString& value);

// `value` as a value of a statement: a number when it reads as one, otherwise quoted text.
QString QueryValueSql(const QString& value);
