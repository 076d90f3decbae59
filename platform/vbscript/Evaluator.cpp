// Expressions: names by their resolved meaning, the operators (with quick paths for the Integer and Long
// arithmetic that loops spend their time in), Is, and parentheses.
#include "platform/vbscript/Builtins.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/Interpreter.h"
#include "platform/vbscript/OperatorsCoercion.h"

namespace vbscript {

namespace {

bool isInteger(const Variant& value) { return value.vt() == VT_I2 || value.vt() == VT_I4; }
std::int64_t integerOf(const Variant& value) { return value.vt() == VT_I2 ? value.i2() : value.i4(); }

// Integer op Integer stays an Integer while it fits, then widens to Long, then to Double.
Variant fitInteger(std::int64_t value, bool bothShort)
{
    if (bothShort && value >= -32768 && value <= 32767)
        return Variant(std::int16_t(value));
    if (value >= INT32_MIN && value <= INT32_MAX)
        return Variant(std::int32_t(value));
    return Variant(double(value));
}

// The quick path for two Integer or Long operands; false when the general rules must decide.
bool integerArithmetic(BinaryOp op, const Variant& a, const Variant& b, Variant& result)
{
    if (!isInteger(a) || !isInteger(b))
        return false;
    const std::int64_t x = integerOf(a);
    const std::int64_t y = integerOf(b);
    const bool bothShort = a.vt() == VT_I2 && b.vt() == VT_I2;
    switch (op) {
    case BinaryOp::Add: result = fitInteger(x + y, bothShort); return true;
    case BinaryOp::Sub: result = fitInteger(x - y, bothShort); return true;
    case BinaryOp::Mul: result = fitInteger(x * y, bothShort); return true;
    case BinaryOp::Mod:
    case BinaryOp::IntDiv:
        if (y == 0 || (x == INT32_MIN && y == -1))
            return false;
        result = fitInteger(op == BinaryOp::Mod ? x % y : x / y, bothShort);
        return true;
    case BinaryOp::Eq: result = Variant(x == y); return true;
    case BinaryOp::Ne: result = Variant(x != y); return true;
    case BinaryOp::Lt: result = Variant(x < y); return true;
    case BinaryOp::Gt: result = Variant(x > y); return true;
    case BinaryOp::Le: result = Variant(x <= y); return true;
    case BinaryOp::Ge: result = Variant(x >= y); return true;
    default: return false;
    }
}

// Values whose text form needs no object, array or Null handling.
bool isPlainScalar(const Variant& value)
{
    return !value.isArray() && value.vt() != VT_DISPATCH && value.vt() != VT_NULL;
}

QString concatText(const Variant& value)
{
    switch (value.vt()) {
    case VT_BSTR: return value.string();
    case VT_I2: return QString::number(value.i2());
    case VT_I4: return QString::number(value.i4());
    default: return textOf(value);
    }
}

bool isComparison(BinaryOp op)
{
    return op == BinaryOp::Eq || op == BinaryOp::Ne || op == BinaryOp::Lt || op == BinaryOp::Gt ||
           op == BinaryOp::Le || op == BinaryOp::Ge;
}

IDispatch* objectOf(const Variant& value)
{
    if (value.vt() != VT_DISPATCH)
        raiseError(error::ObjectRequired);
    return value.dispatch();
}

} // namespace

Variant* Interpreter::variable(const NameExpr& name, Frame& frame)
{
    switch (name.binding.kind) {
    case Binding::Local: return frame.refs[std::size_t(name.binding.index)];
    case Binding::Global: return &m_globals[std::size_t(name.binding.index)];
    case Binding::Undefined: raiseError(error::VariableUndefined);
    default: return nullptr;
    }
}

bool Interpreter::isFixedArray(const NameExpr& name, const Frame& frame) const
{
    if (name.binding.kind == Binding::Global)
        return m_globalFixed[std::size_t(name.binding.index)];
    if (name.binding.kind != Binding::Local || !frame.procedure)
        return false;
    for (const auto& [slot, array] : frame.procedure->fixedArrays)
        if (slot == name.binding.index)
            return true;
    return false;
}

const Variant& Interpreter::evalRef(const Expr& expr, Frame& frame, Variant& scratch)
{
    if (expr.kind == ExprKind::Name) {
        const auto& name = static_cast<const NameExpr&>(expr);
        if (name.binding.kind == Binding::Local)
            return *frame.refs[std::size_t(name.binding.index)];
        if (name.binding.kind == Binding::Global)
            return m_globals[std::size_t(name.binding.index)];
        if (name.binding.kind == Binding::Constant)
            return name.binding.constant;
    } else if (expr.kind == ExprKind::Literal) {
        return static_cast<const LiteralExpr&>(expr).value;
    }
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
    case ExprKind::Negate: {
        Variant scratch;
        const Variant& operand = evalRef(*static_cast<const UnaryExpr&>(expr).operand, frame, scratch);
        if (operand.vt() == VT_I4 && operand.i4() != INT32_MIN)
            return Variant(std::int32_t(-operand.i4()));
        return negate(operand);
    }
    case ExprKind::Not: {
        Variant scratch;
        return notOp(evalRef(*static_cast<const UnaryExpr&>(expr).operand, frame, scratch));
    }
    case ExprKind::Binary: return evalBinary(static_cast<const BinaryExpr&>(expr), frame);
    case ExprKind::Paren: return eval(*static_cast<const ParenExpr&>(expr).inner, frame);
    case ExprKind::Missing: return Variant::fromError(DISP_E_PARAMNOTFOUND);
    }
    return Variant();
}

Variant Interpreter::evalName(const NameExpr& name, Frame& frame)
{
    const Binding& binding = name.binding;
    switch (binding.kind) {
    case Binding::Local: return *frame.refs[std::size_t(binding.index)];
    case Binding::Global: return m_globals[std::size_t(binding.index)];
    case Binding::Constant: return binding.constant;
    case Binding::Procedure: return callProcedure(*binding.procedure, {}, frame);
    case Binding::Builtin: return callBuiltin(*binding.builtin, {}, frame);
    case Binding::Object: return Variant(binding.object);
    case Binding::Member: {
        std::vector<Variant> none;
        return invoke(binding.object, binding.dispid, DISPATCH_METHOD | DISPATCH_PROPERTYGET, none);
    }
    case Binding::ErrObject: return Variant(static_cast<IDispatch*>(&m_err));
    case Binding::Undefined:
    case Binding::Unresolved: raiseError(error::VariableUndefined);
    }
    return Variant();
}

// A variable, constant or literal operand is used where it stands; only computed operands are held.
const Variant* Interpreter::operandInPlace(const Expr& expr, Frame& frame)
{
    if (expr.kind == ExprKind::Literal)
        return &static_cast<const LiteralExpr&>(expr).value;
    if (expr.kind != ExprKind::Name)
        return nullptr;
    const auto& name = static_cast<const NameExpr&>(expr);
    switch (name.binding.kind) {
    case Binding::Local: return frame.refs[std::size_t(name.binding.index)];
    case Binding::Global: return &m_globals[std::size_t(name.binding.index)];
    case Binding::Constant: return &name.binding.constant;
    default: return nullptr;
    }
}

Variant Interpreter::evalBinary(const BinaryExpr& expr, Frame& frame)
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
    return combine(expr, *left, eval(*expr.right, frame));
}

Variant Interpreter::combine(const BinaryExpr& expr, const Variant& left, const Variant& right)
{
    if (expr.isIdentity)
        return Variant(objectOf(left) == objectOf(right));
    if (expr.op == BinaryOp::Concat && isPlainScalar(left) && isPlainScalar(right))
        return Variant(concatText(left) + concatText(right));
    if (isComparison(expr.op)) {
        Variant result;
        if (integerArithmetic(expr.op, left, right, result))
            return result;
        return compare(expr.op, left, right, expr.literal);
    }
    return arithmetic(expr.op, left, right);
}

Variant Interpreter::arithmetic(BinaryOp op, const Variant& left, const Variant& right)
{
    Variant result;
    if (integerArithmetic(op, left, right, result))
        return result;
    return binaryOp(op, left, right);
}

} // namespace vbscript
