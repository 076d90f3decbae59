#include "platform/vbscript/Operators.h"

#include "platform/vbscript/Errors.h"
#include "platform/vbscript/OperatorsCoercion.h"

#include <cmath>
#include <optional>

namespace vbscript {

namespace {

// An operand of arithmetic: its numeric type (Empty and Boolean count as Integer, text as Double) and value.
struct Number {
    VARTYPE type;
    double value;
};

Number numberOf(const Variant& raw)
{
    const Variant value = valueOf(raw);
    switch (value.vt()) {
    case VT_EMPTY:
    case VT_BOOL: return {VT_I2, doubleOf(value)};
    case VT_UI1:
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_R8:
    case VT_CY:
    case VT_DATE: return {value.vt(), doubleOf(value)};
    case VT_BSTR: return {VT_R8, doubleOf(value)};
    default: raiseError(error::TypeMismatch);
    }
}

int rank(VARTYPE type)
{
    switch (type) {
    case VT_UI1: return 0;
    case VT_I2: return 1;
    case VT_I4: return 2;
    case VT_R4: return 3;
    case VT_CY: return 5;
    default: return 4;
    }
}

// The more precise of two types; a Single with a Long needs a Double to hold every result exactly.
VARTYPE widerType(VARTYPE a, VARTYPE b)
{
    if ((a == VT_R4 && b == VT_I4) || (a == VT_I4 && b == VT_R4))
        return VT_R8;
    const VARTYPE wider = rank(a) >= rank(b) ? a : b;
    return wider == VT_DATE ? VT_R8 : wider;
}

Variant addOrSubtract(BinaryOp op, const Number& a, const Number& b)
{
    const double value = op == BinaryOp::Add ? a.value + b.value : a.value - b.value;
    const bool leftDate = a.type == VT_DATE;
    const bool rightDate = b.type == VT_DATE;
    if (op == BinaryOp::Sub && leftDate && rightDate)
        return fitNumber(VT_R8, value);
    if (leftDate || rightDate)
        return fitNumber(VT_DATE, value);
    return fitNumber(widerType(a.type, b.type), value);
}

Variant add(const Variant& left, const Variant& right)
{
    const Variant a = valueOf(left);
    const Variant b = valueOf(right);
    const bool leftText = a.vt() == VT_BSTR;
    const bool rightText = b.vt() == VT_BSTR;
    if ((leftText && rightText) || (leftText && b.isEmpty()) || (a.isEmpty() && rightText))
        return Variant(a.string() + b.string());
    return addOrSubtract(BinaryOp::Add, numberOf(a), numberOf(b));
}

Variant divide(const Number& a, const Number& b)
{
    if (b.value == 0)
        raiseError(a.value == 0 ? error::Overflow : error::DivisionByZero);
    return fitNumber(widerType(a.type, b.type) == VT_R4 ? VT_R4 : VT_R8, a.value / b.value);
}

Variant integerDivide(BinaryOp op, const Number& a, const Number& b)
{
    const std::int64_t dividend = longOf(Variant(a.value));
    const std::int64_t divisor = longOf(Variant(b.value));
    if (divisor == 0)
        raiseError(error::DivisionByZero);
    VARTYPE type = VT_I4;
    if (a.type == VT_UI1 && b.type == VT_UI1)
        type = VT_UI1;
    else if (rank(a.type) <= 1 && rank(b.type) <= 1)
        type = VT_I2;
    const std::int64_t result = op == BinaryOp::IntDiv ? dividend / divisor : dividend % divisor;
    if (result > 2147483647)
        raiseError(error::Overflow);
    return fitNumber(type, double(result));
}

Variant power(const Number& a, const Number& b)
{
    const double result = std::pow(a.value, b.value);
    if (std::isnan(result) || (a.value == 0 && b.value < 0))
        raiseError(error::InvalidCall);
    return fitNumber(VT_R8, result);
}

Variant concatenate(const Variant& left, const Variant& right)
{
    const Variant a = valueOf(left);
    const Variant b = valueOf(right);
    if (a.isNull() && b.isNull())
        return Variant::null();
    return Variant((a.isNull() ? QString() : textOf(a)) + (b.isNull() ? QString() : textOf(b)));
}

enum class Kind { Empty, Number, Text };

Kind kindOf(const Variant& value)
{
    switch (value.vt()) {
    case VT_EMPTY: return Kind::Empty;
    case VT_BSTR: return Kind::Text;
    case VT_BOOL:
    case VT_DATE: return Kind::Number;
    default:
        if (value.isNumeric())
            return Kind::Number;
        raiseError(error::TypeMismatch);
    }
}

int sign(double difference)
{
    return difference < 0 ? -1 : (difference > 0 ? 1 : 0);
}

int compareText(const QString& a, const QString& b)
{
    return sign(QString::compare(a, b, Qt::CaseSensitive));
}

// -1/0/1, or nothing when either side is Null.
std::optional<int> order(const Variant& left, const Variant& right, LiteralSide literal)
{
    const Variant a = valueOf(left);
    const Variant b = valueOf(right);
    if (a.isNull() || b.isNull())
        return std::nullopt;
    const Kind ka = kindOf(a);
    const Kind kb = kindOf(b);
    if (ka == Kind::Text || kb == Kind::Text) {
        if (ka == kb || ka == Kind::Empty || kb == Kind::Empty)
            return compareText(textOf(a), textOf(b));
        const bool textIsLiteral = (ka == Kind::Text) == (literal == LiteralSide::Left) && literal != LiteralSide::None;
        const bool numberIsLiteral = literal != LiteralSide::None && !textIsLiteral;
        if (textIsLiteral)
            return compareText(textOf(a), textOf(b));
        if (numberIsLiteral)
            return sign(doubleOf(a) - doubleOf(b));
        return ka == Kind::Number ? -1 : 1;
    }
    return sign(doubleOf(a) - doubleOf(b));
}

Variant comparison(BinaryOp op, const Variant& left, const Variant& right, LiteralSide literal)
{
    const std::optional<int> result = order(left, right, literal);
    if (!result)
        return Variant::null();
    switch (op) {
    case BinaryOp::Eq: return Variant(*result == 0);
    case BinaryOp::Ne: return Variant(*result != 0);
    case BinaryOp::Lt: return Variant(*result < 0);
    case BinaryOp::Gt: return Variant(*result > 0);
    case BinaryOp::Le: return Variant(*result <= 0);
    default: return Variant(*result >= 0);
    }
}

// An operand of the logical operators: Booleans stay logical, numbers are rounded to whole ones.
struct Bits {
    VARTYPE type;                // VT_BOOL, VT_UI1, VT_I2 or VT_I4
    std::int32_t value;
};

std::optional<Bits> bitsOf(const Variant& raw)
{
    const Variant value = valueOf(raw);
    switch (value.vt()) {
    case VT_NULL: return std::nullopt;
    case VT_EMPTY: return Bits{VT_I2, 0};
    case VT_BOOL: return Bits{VT_BOOL, value.boolVal() ? -1 : 0};
    case VT_UI1: return Bits{VT_UI1, value.byte()};
    case VT_I2: return Bits{VT_I2, value.i2()};
    case VT_BSTR: {
        bool word = false;
        if (isBooleanWord(value.string(), word))
            return Bits{VT_BOOL, word ? -1 : 0};
        return Bits{VT_I4, longOf(value)};
    }
    default: return Bits{VT_I4, longOf(value)};
    }
}

Variant bitsVariant(VARTYPE type, std::int32_t value)
{
    switch (type) {
    case VT_BOOL: return Variant(value != 0);
    case VT_UI1: return Variant::fromByte(static_cast<std::uint8_t>(value));
    case VT_I2: return Variant(static_cast<std::int16_t>(value));
    default: return Variant(value);
    }
}

VARTYPE logicalType(VARTYPE a, VARTYPE b)
{
    if (a == b)
        return a;
    const auto width = [](VARTYPE t) { return t == VT_UI1 ? 0 : (t == VT_I4 ? 2 : 1); };
    const int wider = std::max(width(a), width(b));
    return wider == 2 ? VT_I4 : VT_I2;
}

std::int32_t applyBits(BinaryOp op, std::int32_t a, std::int32_t b)
{
    switch (op) {
    case BinaryOp::And: return a & b;
    case BinaryOp::Or: return a | b;
    case BinaryOp::Xor: return a ^ b;
    case BinaryOp::Eqv: return ~(a ^ b);
    default: return ~a | b;
    }
}

// With Null on one side the result is known only when the other side decides it alone:
// False And Null is False, True Or Null is True, False Imp Null and Null Imp True are True.
Variant logicalWithNull(BinaryOp op, const std::optional<Bits>& left, const std::optional<Bits>& right)
{
    const std::optional<Bits>& known = left ? left : right;
    if (!known)
        return Variant::null();
    const std::int32_t allBits = known->type == VT_UI1 ? 0xFF : -1;
    const std::int32_t value = known->value;
    switch (op) {
    case BinaryOp::And:
        if (value == 0)
            return bitsVariant(known->type, 0);
        break;
    case BinaryOp::Or:
        if (value == allBits)
            return bitsVariant(known->type, value);
        break;
    case BinaryOp::Imp:
        if ((left && value == 0) || (right && value == allBits))
            return bitsVariant(known->type, allBits);
        break;
    default: break;
    }
    return Variant::null();
}

Variant logical(BinaryOp op, const Variant& left, const Variant& right)
{
    const std::optional<Bits> a = bitsOf(left);
    const std::optional<Bits> b = bitsOf(right);
    if (!a || !b)
        return logicalWithNull(op, a, b);
    const VARTYPE type = logicalType(a->type, b->type);
    std::int32_t result = applyBits(op, a->value, b->value);
    if (type == VT_UI1)
        result &= 0xFF;
    return bitsVariant(type, result);
}

} // namespace

Variant binaryOp(BinaryOp op, const Variant& left, const Variant& right)
{
    switch (op) {
    case BinaryOp::Concat: return concatenate(left, right);
    case BinaryOp::Eq:
    case BinaryOp::Ne:
    case BinaryOp::Lt:
    case BinaryOp::Gt:
    case BinaryOp::Le:
    case BinaryOp::Ge: return comparison(op, left, right, LiteralSide::None);
    case BinaryOp::And:
    case BinaryOp::Or:
    case BinaryOp::Xor:
    case BinaryOp::Eqv:
    case BinaryOp::Imp: return logical(op, left, right);
    default: break;
    }
    if (left.isNull() || right.isNull())
        return Variant::null();
    switch (op) {
    case BinaryOp::Add: return add(left, right);
    case BinaryOp::Sub: return addOrSubtract(op, numberOf(left), numberOf(right));
    case BinaryOp::Mul: {
        const Number a = numberOf(left);
        const Number b = numberOf(right);
        return fitNumber(widerType(a.type, b.type), a.value * b.value);
    }
    case BinaryOp::Div: return divide(numberOf(left), numberOf(right));
    case BinaryOp::Pow: return power(numberOf(left), numberOf(right));
    default: return integerDivide(op, numberOf(left), numberOf(right));
    }
}

Variant compare(BinaryOp op, const Variant& left, const Variant& right, LiteralSide literal)
{
    return comparison(op, left, right, literal);
}

Variant negate(const Variant& raw)
{
    const Variant value = valueOf(raw);
    if (value.isNull())
        return Variant::null();
    const Number number = numberOf(value);
    const VARTYPE type = number.type == VT_UI1 ? VT_I2 : number.type;
    return fitNumber(type, -number.value);
}

Variant notOp(const Variant& value)
{
    const std::optional<Bits> bits = bitsOf(value);
    if (!bits)
        return Variant::null();
    const std::int32_t inverted = bits->type == VT_UI1 ? (~bits->value & 0xFF) : ~bits->value;
    return bitsVariant(bits->type, inverted);
}

bool isTrue(const Variant& condition)
{
    const Variant value = valueOf(condition);
    return !value.isNull() && boolOf(value);
}

int compareForSelect(const Variant& a, const Variant& b)
{
    return order(a, b, LiteralSide::None).value_or(Unordered);
}

} // namespace vbscript
