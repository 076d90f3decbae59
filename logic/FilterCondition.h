#pragma once
// A condition a user wrote for a filter, checked before it is placed into a statement: it must stay one
// condition inside the parentheses it is put between, whatever it holds.
#include <QString>

// Why the condition cannot stand as one condition of a WHERE clause (an unclosed quote, unbalanced
// parentheses, a ";" or a word that starts another clause or statement); empty when it can.
QString FilterConditionRefusal(const QString& condition);
