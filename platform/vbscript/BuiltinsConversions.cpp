// Conversions between the value types and the questions about a value's type.
#include "platform/vbscript/BuiltinsSupport.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/OperatorsCoercion.h"
#include "platform/vbscript/ScriptObject.h"

#include <cfloat>
#include <cmath>

namespace vbscript::builtins {

namespace {

Variant wholeNumber(const Variant& value, double lowest, double highest)
{
    const double rounded = roundHalfEven(doubleOf(value));
    if (!(rounded >= lowest && rounded <= highest))
        raiseError(error::Overflow);
    return rounded;
}

Variant cBool(std::vector<Variant>& args) { return Variant(boolOf(args[0])); }

Variant cByte(std::vector<Variant>& args)
{
    return Variant::fromByte(static_cast<std::uint8_t>(wholeNumber(args[0], 0, 255).r8()));
}

Variant cInt(std::vector<Variant>& args)
{
    return Variant(static_cast<std::int16_t>(wholeNumber(args[0], -32768, 32767).r8()));
}

Variant cLng(std::vector<Variant>& args) { return Variant(longOf(args[0])); }

Variant cSng(std::vector<Variant>& args)
{
    const double value = doubleOf(args[0]);
    if (std::fabs(value) > FLT_MAX)
        raiseError(error::Overflow);
    return Variant(static_cast<float>(value));
}

Variant cDbl(std::vector<Variant>& args) { return Variant(doubleOf(args[0])); }
Variant cCur(std::vector<Variant>& args) { return fitNumber(VT_CY, doubleOf(args[0])); }
Variant cDate(std::vector<Variant>& args) { return Variant::fromDate(dateOf(args[0])); }
Variant cStr(std::vector<Variant>& args) { return Variant(textOf(args[0])); }

Variant isArray(std::vector<Variant>& args) { return Variant(args[0].isArray()); }
Variant isEmpty(std::vector<Variant>& args) { return Variant(args[0].isEmpty()); }
Variant isNull(std::vector<Variant>& args) { return Variant(args[0].isNull()); }
Variant isObject(std::vector<Variant>& args) { return Variant(args[0].vt() == VT_DISPATCH); }

Variant isDate(std::vector<Variant>& args)
{
    const Variant& value = args[0];
    double serial = 0;
    return Variant(value.vt() == VT_DATE || (value.vt() == VT_BSTR && automation::parseDate(value.string(), serial)));
}

Variant isNumeric(std::vector<Variant>& args)
{
    const Variant& value = args[0];
    double number = 0;
    switch (value.vt()) {
    case VT_EMPTY:
    case VT_BOOL: return Variant(true);
    case VT_BSTR: return Variant(automation::parseNumber(value.string(), number));
    default: return Variant(value.isNumeric());
    }
}

Variant typeName(std::vector<Variant>& args)
{
    const Variant& value = args[0];
    if (value.isArray())
        return Variant(QStringLiteral("Variant()"));
    switch (value.vt()) {
    case VT_EMPTY: return Variant(QStringLiteral("Empty"));
    case VT_NULL: return Variant(QStringLiteral("Null"));
    case VT_I2: return Variant(QStringLiteral("Integer"));
    case VT_I4: return Variant(QStringLiteral("Long"));
    case VT_R4: return Variant(QStringLiteral("Single"));
    case VT_R8: return Variant(QStringLiteral("Double"));
    case VT_CY: return Variant(QStringLiteral("Currency"));
    case VT_DATE: return Variant(QStringLiteral("Date"));
    case VT_BSTR: return Variant(QStringLiteral("String"));
    case VT_BOOL: return Variant(QStringLiteral("Boolean"));
    case VT_UI1: return Variant(QStringLiteral("Byte"));
    case VT_ERROR: return Variant(QStringLiteral("Error"));
    case VT_DISPATCH:
        if (const auto* own = dynamic_cast<const ScriptObject*>(value.dispatch()))
            return Variant(own->typeName());
        return Variant(value.dispatch() ? QStringLiteral("Object") : QStringLiteral("Nothing"));
    default: return Variant(QStringLiteral("Unknown"));
    }
}

Variant varType(std::vector<Variant>& args)
{
    const Variant& value = args[0];
    return Variant(static_cast<std::int32_t>(value.isArray() ? (VT_ARRAY | VT_VARIANT) : value.vt()));
}

// Hex and Oct show negative Integers in 16 bits and everything else in 32, as two's complement.
Variant radixText(const Variant& value, int radix)
{
    if (value.isNull())
        return Variant::null();
    const bool sixteenBits = value.vt() == VT_I2 || value.vt() == VT_BOOL || value.vt() == VT_UI1 || value.isEmpty();
    const std::int32_t number = longOf(value);
    const std::uint32_t bits = sixteenBits ? static_cast<std::uint16_t>(number) : static_cast<std::uint32_t>(number);
    return Variant(QString::number(bits, radix).toUpper());
}

Variant hex(std::vector<Variant>& args) { return radixText(args[0], 16); }
Variant oct(std::vector<Variant>& args) { return radixText(args[0], 8); }

constexpr Builtin table[] = {
    {"CBool", 1, 1, cBool},       {"CByte", 1, 1, cByte},       {"CCur", 1, 1, cCur},
    {"CDate", 1, 1, cDate},       {"CDbl", 1, 1, cDbl},         {"CInt", 1, 1, cInt},
    {"CLng", 1, 1, cLng},         {"CSng", 1, 1, cSng},         {"CStr", 1, 1, cStr},
    {"IsArray", 1, 1, isArray},   {"IsDate", 1, 1, isDate},     {"IsEmpty", 1, 1, isEmpty},
    {"IsNull", 1, 1, isNull},     {"IsNumeric", 1, 1, isNumeric}, {"IsObject", 1, 1, isObject},
    {"TypeName", 1, 1, typeName}, {"VarType", 1, 1, varType},   {"Hex", 1, 1, hex},
    {"Oct", 1, 1, oct},
};

} // namespace

std::span<const Builtin> conversionBuiltins()
{
    return table;
}

} // namespace vbscript::builtins
