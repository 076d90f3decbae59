#pragma once
// The operators of the script language over automation values, with VBScript's coercions: Null propagates,
// Empty acts as 0 or "", integers widen Integer -> Long -> Double instead of overflowing, True is -1.
// Errors are thrown as ScriptError.
#include "platform/automation/variant.h"

namespace vbscript {

enum class BinaryOp { Pow, Mul, Div, IntDiv, Mod, Add, Sub, Concat, Eq, Ne, Lt, Gt, Le, Ge, And, Or, Xor, Eqv, Imp };

inline bool isComparison(BinaryOp op) { return op >= BinaryOp::Eq && op <= BinaryOp::Ge; }

Variant binaryOp(BinaryOp op, const Variant& left, const Variant& right);
Variant negate(const Variant& value);
Variant notOp(const Variant& value);

// Which operand of a comparison the script wrote as a literal constant. A number variable compared with a
// string variable is always the smaller, but a literal takes the other side's type: x = "10" with x = 10 holds.
enum class LiteralSide { None, Left, Right };
Variant compare(BinaryOp op, const Variant& left, const Variant& right, LiteralSide literal);

// The condition of If/While/Until. A Null condition is unknown and so not true (If x = Null never runs its
// Then part); text must read as a Boolean or a number.
bool isTrue(const Variant& condition);

// Orders two values as = < > do (Select Case); Null on either side gives Unordered.
constexpr int Unordered = 2;
int compareForSelect(const Variant& a, const Variant& b);

} // namespace vbscript
