// Expressions: names by their resolved meaning, the operators (with quick paths for the Integer and Long
// arithmetic that loops spend their time in), Is, and parentheses.
#include "platform/vbscript/Builtins.h"
#include "platform/vbscript/ClassInstance.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/Interpreter.h"
#include "platform/vbscript/OperatorsCoercion.h"

#include <algorithm>
#include <iterator>

namespace vbscript {

namespace {

// An Integer (isShort) or Long value computed without a Variant; set only by the functions that answer true.
struct Whole {
    std::int64_t value;
    bool isShort;
};

bool wholeOf(const Variant& value, Whole& out)
{
    if (value.vt() == VT_I2)
        out = {value.i2(), true};
    else if (value.vt() == VT_I4)
        out = {value.i4(), false};
    else
        return false;
    return true;
}

// Integer op Integer stays an Integer while it fits, then widens to Long; false beyond Long (a Double then).
inline bool fitWhole(std::int64_t value, bool bothShort, Whole& out)
{
    if (std::int32_t(value) != value)
        return false;
    out = {value, bothShort && std::int16_t(value) == value};
    return true;
}

// + - * \ Mod on two Integer or Long values; false when the general rules must decide (a Double result,
// division by zero). Both values fit 32 bits, whose division is the quicker one; only a division by -1 can
// leave that range.
inline bool wholeArithmetic(BinaryOp op, Whole x, Whole y, Whole& out)
{
    const bool bothShort = x.isShort && y.isShort;
    switch (op) {
    case BinaryOp::Add: return fitWhole(x.value + y.value, bothShort, out);
    case BinaryOp::Sub: return fitWhole(x.value - y.value, bothShort, out);
    case BinaryOp::Mul: return fitWhole(x.value * y.value, bothShort, out);
    case BinaryOp::Mod:
    case BinaryOp::IntDiv: {
        if (y.value == 0)
            return false;
        if (y.value == -1)
            return fitWhole(op == BinaryOp::Mod ? 0 : -x.value, bothShort, out);
        const auto left = std::int32_t(x.value);
        const auto right = std::int32_t(y.value);
        return fitWhole(op == BinaryOp::Mod ? left % right : left / right, bothShort, out);
    }
    default: return false;
    }
}

bool wholeComparison(BinaryOp op, std::int64_t x, std::int64_t y)
{
    switch (op) {
    case BinaryOp::Eq: return x == y;
    case BinaryOp::Ne: return x != y;
    case BinaryOp::Lt: return x < y;
    case BinaryOp::Gt: return x > y;
    case BinaryOp::Le: return x <= y;
    default: return x >= y;
    }
}

Variant variantOf(Whole whole)
{
    return whole.isShort ? Variant(std::int16_t(whole.value)) : Variant(std::int32_t(whole.value));
}

// Values whose text form needs no object, array or Null handling.
bool isPlainScalar(const Variant& value)
{
    return !value.isArray() && value.vt() != VT_DISPATCH && value.vt() != VT_NULL;
}

void appendWhole(QString& out, std::int64_t value)
{
    char16_t digits[20];
    char16_t* const end = digits + std::size(digits);
    char16_t* start = end;
    std::uint64_t magnitude = value < 0 ? 0 - std::uint64_t(value) : std::uint64_t(value);
    do {
        *--start = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *--start = u'-';
    out.append(reinterpret_cast<const QChar*>(start), end - start);
}

// Integers, the usual right side of & in loops, are written straight into the result.
void appendText(QString& out, const Variant& value)
{
    switch (value.vt()) {
    case VT_BSTR: out.append(value.string()); break;
    case VT_I2: appendWhole(out, value.i2()); break;
    case VT_I4: appendWhole(out, value.i4()); break;
    default: out.append(textOf(value)); break;
    }
}

// Enough room for the text of strings and whole numbers; other values may make the result grow once more.
qsizetype textRoom(const Variant& value)
{
    switch (value.vt()) {
    case VT_BSTR: return value.string().size();
    case VT_I2:
    case VT_I4: return 11;
    default: return 0;
    }
}

Variant concatenate(const Variant& left, const Variant& right)
{
    QString text;
    text.reserve(textRoom(left) + textRoom(right));
    appendText(text, left);
    appendText(text, right);
    return Variant(text);
}

const std::vector<ExprPtr> noArguments;

IDispatch* objectOf(const Variant& value)
{
    if (value.vt() != VT_DISPATCH)
        raiseError(error::ObjectRequired);
    return value.dispatch();
}

// A variable, constant or literal operand is used where it stands; null for the operands that must be computed.
inline const Variant* operandInPlace(const Expr& expr, Interpreter::Frame& frame)
{
    if (expr.kind == ExprKind::Literal)
        return &static_cast<const LiteralExpr&>(expr).value;
    if (expr.kind != ExprKind::Name)
        return nullptr;
    const auto& name = static_cast<const NameExpr&>(expr);
    switch (name.binding.kind) {
    case Binding::Local: return frame.refs[std::size_t(name.binding.index)];
    case Binding::Global: return name.binding.global;
    case Binding::Constant: return &name.binding.constant;
    case Binding::Field: return &frame.me->fields[std::size_t(name.binding.index)];
    default: return nullptr;
    }
}

bool wholeComputed(const BinaryExpr& binary, Interpreter::Frame& frame, Whole& out);

// The value of an operator's operand (which the resolver leaves without parentheses). Reads and computes
// nothing that could run code or raise an error, so a false answer leaves the general evaluation to start
// over. Operands in place, the most of them, are read without a call.
inline bool wholeValue(const Expr& expr, Interpreter::Frame& frame, Whole& out)
{
    if (const Variant* value = operandInPlace(expr, frame))
        return wholeOf(*value, out);
    return expr.kind == ExprKind::Binary && wholeComputed(static_cast<const BinaryExpr&>(expr), frame, out);
}

bool wholeComputed(const BinaryExpr& binary, Interpreter::Frame& frame, Whole& out)
{
    Whole x, y;
    return binary.wholeOperands && wholeValue(*binary.left, frame, x) && wholeValue(*binary.right, frame, y) &&
           wholeArithmetic(binary.op, x, y, out);
}

} // namespace

Variant* Interpreter::variable(const NameExpr& name, Frame& frame)
{
    switch (name.binding.kind) {
    case Binding::Local: return frame.refs[std::size_t(name.binding.index)];
    case Binding::Global: return name.binding.global;
    case Binding::Field: return &frame.me->fields[std::size_t(name.binding.index)];
    case Binding::Undefined: raiseError(error::VariableUndefined);
    default: return nullptr;
    }
}

bool Interpreter::isFixedArray(const NameExpr& name, const Frame& frame) const
{
    if (name.binding.kind == Binding::Global)
        return m_globalFixed[std::size_t(name.binding.index)];
    if (name.binding.kind == Binding::Field)
        return frame.me->definition().fixedFields[std::size_t(name.binding.index)];
    if (name.binding.kind != Binding::Local || !frame.procedure)
        return false;
    const std::vector<int>& fixed = frame.procedure->fixedSlots;
    return std::find(fixed.begin(), fixed.end(), name.binding.index) != fixed.end();
}

const Variant& Interpreter::evalRef(const Expr& expr, Frame& frame, Variant& scratch)
{
    if (const Variant* value = operandInPlace(expr, frame))
        return *value;
    scratch = eval(expr, frame);
    return scratch;
}

Variant Interpreter::eval(const Expr& expr, Frame& frame)
{
    switch (expr.kind) {
    case ExprKind::Literal: return static_cast<const LiteralExpr&>(expr).value;
    case ExprKind::Name: return evalName(static_cast<const NameExpr&>(expr), frame);
    case ExprKind::Call: return evalCall(static_cast<const CallExpr&>(expr), frame, false);
    case ExprKind::Member:
        return evalMember(static_cast<const MemberExpr&>(expr), frame, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
    case ExprKind::Negate:
    case ExprKind::Not: return evalUnary(static_cast<const UnaryExpr&>(expr), frame);
    case ExprKind::Binary: return evalBinary(static_cast<const BinaryExpr&>(expr), frame);
    case ExprKind::Paren: return eval(*static_cast<const ParenExpr&>(expr).inner, frame);
    case ExprKind::Missing: return Variant::fromError(DISP_E_PARAMNOTFOUND);
    case ExprKind::WithObject: {
        const int level = static_cast<const WithObjectExpr&>(expr).level;
        if (level < 0 || std::size_t(level) >= frame.withObjects.size())
            raiseError(error::InvalidReference);
        return frame.withObjects[std::size_t(level)];
    }
    case ExprKind::New: return newInstance(static_cast<const NewExpr&>(expr));
    }
    return Variant();
}

// Apart from eval, which then passes its other cases on without a frame of its own.
Variant Interpreter::evalUnary(const UnaryExpr& expr, Frame& frame)
{
    Variant scratch;
    const Variant& operand = evalRef(*expr.operand, frame, scratch);
    if (expr.kind == ExprKind::Not)
        return notOp(operand);
    if (operand.vt() == VT_I4 && operand.i4() != INT32_MIN)
        return Variant(std::int32_t(-operand.i4()));
    return negate(operand);
}

Variant Interpreter::evalName(const NameExpr& name, Frame& frame)
{
    const Binding& binding = name.binding;
    switch (binding.kind) {
    case Binding::Local: return *frame.refs[std::size_t(binding.index)];
    case Binding::Global: return *binding.global;
    case Binding::Constant: return binding.constant;
    case Binding::Procedure: return callProcedure(*binding.procedure, CallArguments::fromScript(noArguments, frame));
    case Binding::Builtin: return callBuiltin(*binding.builtin, {}, frame);
    case Binding::Intrinsic: return callIntrinsic(binding.intrinsic, {}, frame);
    case Binding::Object: return Variant(binding.object);
    case Binding::Member: {
        std::vector<Variant> none;
        return invoke(binding.object, binding.dispid, DISPATCH_METHOD | DISPATCH_PROPERTYGET, none);
    }
    case Binding::ErrObject: return Variant(static_cast<IDispatch*>(&m_err));
    case Binding::Field: return frame.me->fields[std::size_t(binding.index)];
    case Binding::ClassMember:
        return callMember(*frame.me, *binding.member, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                          CallArguments::fromScript(noArguments, frame), nullptr);
    case Binding::Me: return Variant(static_cast<IDispatch*>(frame.me));
    case Binding::Undefined:
    case Binding::Unresolved: raiseError(error::VariableUndefined);
    }
    return Variant();
}

// Comparisons, the usual conditions, answer without making a Boolean first.
bool Interpreter::condition(const Expr& expr, Frame& frame)
{
    if (expr.kind == ExprKind::Binary) {
        const auto& binary = static_cast<const BinaryExpr&>(expr);
        if (isComparison(binary.op) && !binary.isIdentity) {
            Whole x, y;
            if (binary.wholeOperands && wholeValue(*binary.left, frame, x) && wholeValue(*binary.right, frame, y))
                return wholeComparison(binary.op, x.value, y.value);
            Variant leftScratch, rightScratch;
            const Variant& left = binary.holdLeft ? (leftScratch = eval(*binary.left, frame))
                                                  : evalRef(*binary.left, frame, leftScratch);
            const Variant& right = evalRef(*binary.right, frame, rightScratch);
            if (wholeOf(left, x) && wholeOf(right, y))
                return wholeComparison(binary.op, x.value, y.value);
            return isTrue(compare(binary.op, left, right, binary.literal));
        }
    }
    Variant scratch;
    return isTrue(evalRef(expr, frame, scratch));
}

Variant Interpreter::evalBinary(const BinaryExpr& expr, Frame& frame)
{
    Whole x, y, result;
    if (expr.wholeOperands && wholeValue(*expr.left, frame, x) && wholeValue(*expr.right, frame, y)) {
        if (isComparison(expr.op))
            return Variant(wholeComparison(expr.op, x.value, y.value));
        if (wholeArithmetic(expr.op, x, y, result))
            return variantOf(result);
    }
    return evalOperands(expr, frame);
}

// Kept apart from the whole-number path, which then saves and restores less at each call.
Variant Interpreter::evalOperands(const BinaryExpr& expr, Frame& frame)
{
    const Variant* left = operandInPlace(*expr.left, frame);
    if (!left) {
        const Variant computed = eval(*expr.left, frame);
        const Variant* right = operandInPlace(*expr.right, frame);
        if (right)
            return combine(expr, computed, *right);
        return combine(expr, computed, eval(*expr.right, frame));
    }
    const Variant* right = operandInPlace(*expr.right, frame);
    if (right)
        return combine(expr, *left, *right);
    if (expr.holdLeft) {
        const Variant held = *left;
        return combine(expr, held, eval(*expr.right, frame));
    }
    return combine(expr, *left, eval(*expr.right, frame));
}

Variant Interpreter::combine(const BinaryExpr& expr, const Variant& left, const Variant& right)
{
    if (expr.isIdentity)
        return Variant(objectOf(left) == objectOf(right));
    if (expr.op == BinaryOp::Concat && isPlainScalar(left) && isPlainScalar(right))
        return concatenate(left, right);
    if (isComparison(expr.op)) {
        Whole x, y;
        if (wholeOf(left, x) && wholeOf(right, y))
            return Variant(wholeComparison(expr.op, x.value, y.value));
        return compare(expr.op, left, right, expr.literal);
    }
    return arithmetic(expr.op, left, right);
}

Variant Interpreter::arithmetic(BinaryOp op, const Variant& left, const Variant& right)
{
    Whole x, y, result;
    if (wholeOf(left, x) && wholeOf(right, y) && wholeArithmetic(op, x, y, result))
        return variantOf(result);
    return binaryOp(op, left, right);
}

} // namespace vbscript
