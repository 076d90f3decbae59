#include "logic/ExprFunctionMethods.h"

#include "logic/ExprFunctions.h"

#include <cmath>

namespace exprfn {

namespace {

ScriptMethod unary(const char* name, double (*function)(double))
{
    return makeMethod(name, {VT_R8}, VT_R8, [function](const ScriptArgs& a) { return Variant(function(a[0].r8())); });
}

ScriptMethod binary(const char* name, double (*function)(double, double))
{
    return makeMethod(name, {VT_R8, VT_R8}, VT_R8,
                      [function](const ScriptArgs& a) { return Variant(function(a[0].r8(), a[1].r8())); });
}

} // namespace

ScriptMethod makeMethod(const char* name, std::vector<VARTYPE> parameters, VARTYPE result,
                        std::function<Variant(const ScriptArgs&)> call)
{
    return {QString::fromLatin1(name), std::move(parameters), result, std::move(call)};
}

std::vector<ScriptMethod> functionMethods(std::function<std::int32_t()> recordNumber,
                                          std::function<std::int32_t()> recordCount)
{
    return {
        binary("MAX", MAX),
        binary("AVG", AVG),
        binary("MIN", MIN),
        unary("CEIL", [](double x) { return std::ceil(x); }),
        unary("FLOOR", [](double x) { return std::floor(x); }),
        unary("ASIN", [](double x) { return std::asin(x); }),
        binary("POWER", [](double a, double b) { return std::pow(a, b); }),
        unary("SINH", [](double x) { return std::sinh(x); }),
        unary("COSH", [](double x) { return std::cosh(x); }),
        unary("SQRT", [](double x) { return std::sqrt(x); }),
        unary("TANH", [](double x) { return std::tanh(x); }),
        unary("ACOS", [](double x) { return std::acos(x); }),
        makeMethod("INITCAP", {VT_BSTR}, VT_BSTR, [](const ScriptArgs& a) { return Variant(INITCAP(a[0].string())); }),
        makeMethod("TOCHAR", {VT_I4}, VT_BSTR, [](const ScriptArgs& a) { return Variant(TOCHAR(a[0].i4())); }),
        makeMethod("TONUMBER", {VT_BSTR}, VT_I4, [](const ScriptArgs& a) { return Variant(TONUMBER(a[0].string())); }),
        makeMethod("TOTIMESTR", {VT_I4}, VT_BSTR, [](const ScriptArgs& a) { return Variant(TOTIMESTR(a[0].i4())); }),
        makeMethod("RECNUM", {}, VT_I4, [recordNumber](const ScriptArgs&) { return Variant(recordNumber()); }),
        makeMethod("RECCOUNT", {}, VT_I4, [recordCount](const ScriptArgs&) { return Variant(recordCount()); }),
    };
}

ScriptMethod sumMethod()
{
    return makeMethod("SUM", {VT_I4, VT_I4}, VT_I4, [](const ScriptArgs& a) { return Variant(SUM(a[0].i4(), a[1].i4())); });
}

} // namespace exprfn
