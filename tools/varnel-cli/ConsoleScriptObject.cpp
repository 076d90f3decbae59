#include "ConsoleScriptObject.h"

#include "logic/ExprFunctions.h"
#include "platform/vbscript/MethodTableDispatch.h"

#include <QByteArray>

#include <cmath>
#include <cstdio>

namespace {

using vbscript::MethodTableDispatch;
using Args = std::vector<Variant>;

void printLine(FILE* stream, const QString& text)
{
    const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

Variant formMethod(const Args&)
{
    printLine(stderr, QStringLiteral("no form is open"));
    return Variant();
}

MethodTableDispatch::Method method(const char* name, std::vector<VARTYPE> parameters, VARTYPE result,
                                   std::function<Variant(const Args&)> call)
{
    return {QString::fromLatin1(name), std::move(parameters), result, std::move(call)};
}

MethodTableDispatch::Method unary(const char* name, double (*function)(double))
{
    return method(name, {VT_R8}, VT_R8, [function](const Args& a) { return Variant(function(a[0].r8())); });
}

MethodTableDispatch::Method binary(const char* name, double (*function)(double, double))
{
    return method(name, {VT_R8, VT_R8}, VT_R8, [function](const Args& a) { return Variant(function(a[0].r8(), a[1].r8())); });
}

MethodTableDispatch::Method form(const char* name, std::vector<VARTYPE> parameters, VARTYPE result = VT_EMPTY)
{
    return method(name, std::move(parameters), result, formMethod);
}

} // namespace

// The methods in the order that gives them their dispatch ids.
IDispatch* createConsoleScriptObject()
{
    std::vector<MethodTableDispatch::Method> methods = {
        method("ShowResult", {VT_BSTR}, VT_EMPTY, [](const Args& a) { printLine(stdout, a[0].string()); return Variant(); }),
        binary("MAX", exprfn::MAX),
        binary("AVG", exprfn::AVG),
        binary("MIN", exprfn::MIN),
        unary("CEIL", [](double x) { return std::ceil(x); }),
        unary("FLOOR", [](double x) { return std::floor(x); }),
        unary("ASIN", [](double x) { return std::asin(x); }),
        method("POWER", {VT_R8, VT_R8}, VT_R8, [](const Args& a) { return Variant(std::pow(a[0].r8(), a[1].r8())); }),
        unary("SINH", [](double x) { return std::sinh(x); }),
        unary("COSH", [](double x) { return std::cosh(x); }),
        unary("SQRT", [](double x) { return std::sqrt(x); }),
        unary("TANH", [](double x) { return std::tanh(x); }),
        unary("ACOS", [](double x) { return std::acos(x); }),
        method("INITCAP", {VT_BSTR}, VT_BSTR, [](const Args& a) { return Variant(exprfn::INITCAP(a[0].string())); }),
        method("TOCHAR", {VT_I4}, VT_BSTR, [](const Args& a) { return Variant(exprfn::TOCHAR(a[0].i4())); }),
        method("TONUMBER", {VT_BSTR}, VT_I4, [](const Args& a) { return Variant(exprfn::TONUMBER(a[0].string())); }),
        method("TOTIMESTR", {VT_I4}, VT_BSTR, [](const Args& a) { return Variant(exprfn::TOTIMESTR(a[0].i4())); }),
        method("RECNUM", {}, VT_I4, [](const Args&) { return Variant(std::int32_t(0)); }),
        method("RECCOUNT", {}, VT_I4, [](const Args&) { return Variant(std::int32_t(0)); }),
        form("OpenForm", {VT_BSTR, VT_I2}),
        form("CloseForm", {VT_BSTR}),
        form("NextRecord", {}),
        form("PreviousRecord", {}),
        form("FirstRecord", {}),
        form("LastRecord", {}),
        form("ApplyFilter", {VT_BSTR, VT_BSTR}),
        form("RemoveAllFilters", {}),
        form("Requery", {VT_BSTR}),
        form("Quit", {VT_BOOL}),
        method("FindNext", {}, VT_EMPTY, [](const Args&) { return Variant(); }),
        form("Find", {VT_BSTR, VT_BOOL, VT_BOOL, VT_BSTR, VT_BSTR, VT_I4}, VT_BOOL),
        form("PlaySound", {VT_BSTR, VT_BSTR}),
        form("RefreshList", {VT_BSTR}),
        form("SetFocus", {VT_BSTR}),
        form("SetFieldValue", {VT_BSTR, VT_BSTR}, VT_BOOL),
        form("MoveTo", {VT_I4}, VT_BOOL),
        method("Message", {VT_BSTR}, VT_EMPTY, [](const Args& a) { printLine(stdout, a[0].string()); return Variant(); }),
        form("DeleteRecord", {VT_BOOL}),
        form("AddRecord", {VT_BOOL}),
        form("SaveRecord", {VT_BOOL}),
        method("SUM", {VT_I4, VT_I4}, VT_I4, [](const Args& a) { return Variant(exprfn::SUM(a[0].i4(), a[1].i4())); }),
    };
    return MethodTableDispatch::create(std::move(methods));
}
