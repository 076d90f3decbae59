#include "ConsoleScriptObject.h"

#include "logic/ExprFunctionMethods.h"
#include "platform/vbscript/MethodTableDispatch.h"

#include <QByteArray>

#include <cstdio>

namespace {

using vbscript::MethodTableDispatch;
using Args = std::vector<Variant>;

Variant formMethod(const Args&)
{
    printLine(stderr, QStringLiteral("no form is open"));
    return Variant();
}

MethodTableDispatch::Method form(const char* name, std::vector<VARTYPE> parameters, VARTYPE result = VT_EMPTY)
{
    return exprfn::makeMethod(name, std::move(parameters), result, formMethod);
}

} // namespace

void printLine(FILE* stream, const QString& text)
{
    const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

// The methods in the order that gives them their dispatch ids.
IDispatch* createConsoleScriptObject()
{
    std::vector<MethodTableDispatch::Method> methods = {
        exprfn::makeMethod("ShowResult", {VT_BSTR}, VT_EMPTY, [](const Args& a) { printLine(stdout, a[0].string()); return Variant(); }),
    };
    // No records are being evaluated here, so RECNUM and RECCOUNT answer 0.
    std::vector<MethodTableDispatch::Method> functions =
        exprfn::functionMethods([] { return std::int32_t(0); }, [] { return std::int32_t(0); });
    methods.insert(methods.end(), std::make_move_iterator(functions.begin()), std::make_move_iterator(functions.end()));
    methods.insert(methods.end(), {
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
        exprfn::makeMethod("FindNext", {}, VT_EMPTY, [](const Args&) { return Variant(); }),
        form("Find", {VT_BSTR, VT_BOOL, VT_BOOL, VT_BSTR, VT_BSTR, VT_I4}, VT_BOOL),
        form("PlaySound", {VT_BSTR, VT_BSTR}),
        form("RefreshList", {VT_BSTR}),
        form("SetFocus", {VT_BSTR}),
        form("SetFieldValue", {VT_BSTR, VT_BSTR}, VT_BOOL),
        form("MoveTo", {VT_I4}, VT_BOOL),
        exprfn::makeMethod("Message", {VT_BSTR}, VT_EMPTY, [](const Args& a) { printLine(stdout, a[0].string()); return Variant(); }),
        form("DeleteRecord", {VT_BOOL}),
        form("AddRecord", {VT_BOOL}),
        form("SaveRecord", {VT_BOOL}),
        exprfn::sumMethod(),
    });
    return MethodTableDispatch::create(std::move(methods));
}
