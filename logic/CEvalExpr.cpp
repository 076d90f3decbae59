#include "logic/CEvalExpr.h"

#include "logic/ExprFunctionMethods.h"
#include "logic/ScriptForm.h"
#include "logic/ScriptValues.h"
#include "logic/ScriptWatch.h"
#include "platform/device/Sound.h"
#include "platform/framework/MessageBox.h"
#include "platform/vbscript/MethodTableDispatch.h"


namespace {

using vbscript::MethodTableDispatch;
using Args = std::vector<Variant>;
using Method = MethodTableDispatch::Method;

void tellByName(const QString& text)
{
    framework::showMessage(text, framework::applicationCaption(), framework::Buttons::Ok, framework::Icon::Information);
}

// A prompt flag that arrives as text ("-1", "True", ...); text that is no flag means no prompt.
bool promptFlag(const QString& text)
{
    bool ok = false;
    const bool flag = Variant(text).toBool(&ok);
    return ok && flag;
}

// A method that acts on the application (forms, message boxes, the result): it runs on the
// user-interface thread whichever thread runs the script.
Method action(const char* name, std::vector<VARTYPE> parameters, VARTYPE result, std::function<Variant(const Args&)> call)
{
    return exprfn::makeMethod(name, std::move(parameters), result, [call = std::move(call)](const Args& a) {
        Variant value;
        onUiThread([&] { value = call(a); });
        return value;
    });
}

Method procedure(const char* name, std::vector<VARTYPE> parameters, std::function<void(const Args&)> call)
{
    return action(name, std::move(parameters), VT_EMPTY, [call = std::move(call)](const Args& a) {
        call(a);
        return Variant();
    });
}

// Runs a form operation on the open form; with none open there is nothing to do.
template <typename Operation>
void onForm(Operation operation)
{
    if (ScriptForm* form = currentScriptForm())
        operation(*form);
}

} // namespace

CEvalExpr::CEvalExpr()
{
    // The order gives the dispatch ids; scripts written for the program rely on them.
    std::vector<Method> methods = {
        procedure("ShowResult", {VT_BSTR}, [this](const Args& a) { ShowResult(a[0].string()); }),
    };
    std::vector<Method> functions = exprfn::functionMethods([] { return g_nRecNum; }, [] { return g_nRecCount; });
    methods.insert(methods.end(), std::make_move_iterator(functions.begin()), std::make_move_iterator(functions.end()));
    methods.insert(methods.end(), {
        procedure("OpenForm", {VT_BSTR, VT_I2}, [this](const Args& a) { OpenForm(a[0].string(), a[1].i2()); }),
        procedure("CloseForm", {VT_BSTR}, [this](const Args& a) { CloseForm(a[0].string()); }),
        procedure("NextRecord", {}, [this](const Args&) { NextRecord(); }),
        procedure("PreviousRecord", {}, [this](const Args&) { PreviousRecord(); }),
        procedure("FirstRecord", {}, [this](const Args&) { FirstRecord(); }),
        procedure("LastRecord", {}, [this](const Args&) { LastRecord(); }),
        procedure("ApplyFilter", {VT_BSTR, VT_BSTR}, [this](const Args& a) { ApplyFilter(a[0].string(), a[1].string()); }),
        procedure("RemoveAllFilters", {}, [this](const Args&) { RemoveAllFilters(); }),
        procedure("Requery", {VT_BSTR}, [this](const Args& a) { Requery(a[0].string()); }),
        procedure("Quit", {VT_BOOL}, [this](const Args& a) { Quit(a[0].boolVal() != 0); }),
        procedure("FindNext", {}, [this](const Args&) { FindNext(); }),
        action("Find", {VT_BSTR, VT_BOOL, VT_BOOL, VT_BSTR, VT_BSTR, VT_I4}, VT_BOOL, [this](const Args& a) {
            return Variant(Find(a[0].string(), a[1].boolVal() != 0, a[2].boolVal() != 0, a[3].string(), a[4].string(), a[5].i4()));
        }),
        procedure("PlaySound", {VT_BSTR, VT_BSTR}, [this](const Args& a) { PlaySound(a[0].string(), a[1].string()); }),
        procedure("RefreshList", {VT_BSTR}, [this](const Args& a) { RefreshList(a[0].string()); }),
        procedure("SetFocus", {VT_BSTR}, [this](const Args& a) { SetFocus(a[0].string()); }),
        action("SetFieldValue", {VT_BSTR, VT_BSTR}, VT_BOOL,
               [this](const Args& a) { return Variant(SetFieldValue(a[0].string(), a[1].string())); }),
        action("MoveTo", {VT_I4}, VT_BOOL, [this](const Args& a) { return Variant(MoveTo(a[0].i4())); }),
        procedure("Message", {VT_BSTR}, [this](const Args& a) { Message(a[0].string()); }),
        procedure("DeleteRecord", {VT_BOOL}, [this](const Args& a) { DeleteRecord(a[0].boolVal() != 0); }),
        procedure("AddRecord", {VT_BOOL}, [this](const Args& a) { AddRecord(a[0].boolVal() != 0); }),
        procedure("SaveRecord", {VT_BOOL}, [this](const Args& a) { SaveRecord(a[0].boolVal() != 0); }),
        exprfn::sumMethod(),
    });
    m_dispatch = MethodTableDispatch::create(std::move(methods));
}

CEvalExpr::~CEvalExpr() { m_dispatch->Release(); }

void CEvalExpr::ShowResult(const QString& text) { g_strScriptResult = text; }

// One form per run: a script cannot stack forms on top of each other.
void CEvalExpr::OpenForm(const QString& name, std::int16_t)
{
    if (m_formOpened != 0) {
        framework::showMessage(QStringLiteral("Please close the opened form before opening another one"));
        return;
    }
    if (ScriptApplication* application = scriptApplication())
        application->openForm(name);
    m_formOpened = 1;
}

void CEvalExpr::CloseForm(const QString& prompt)
{
    onForm([&](ScriptForm& form) { form.closeForm(promptFlag(prompt)); });
}

void CEvalExpr::NextRecord() { onForm([](ScriptForm& form) { form.nextRecord(); }); }
void CEvalExpr::PreviousRecord() { onForm([](ScriptForm& form) { form.previousRecord(); }); }
void CEvalExpr::FirstRecord() { onForm([](ScriptForm& form) { form.firstRecord(); }); }
void CEvalExpr::LastRecord() { onForm([](ScriptForm& form) { form.lastRecord(); }); }

void CEvalExpr::ApplyFilter(const QString&, const QString&) { onForm([](ScriptForm& form) { form.applyFilter(); }); }

void CEvalExpr::RemoveAllFilters() { onForm([](ScriptForm& form) { form.removeAllFilters(); }); }

void CEvalExpr::Requery(const QString&) { onForm([](ScriptForm& form) { form.requery(); }); }

void CEvalExpr::Quit(bool prompt) { onForm([&](ScriptForm& form) { form.closeForm(prompt); }); }

void CEvalExpr::FindNext() {}

bool CEvalExpr::Find(const QString&, bool, bool, const QString&, const QString&, std::int32_t)
{
    onForm([](ScriptForm& form) { form.find(); });
    return true;
}

void CEvalExpr::PlaySound(const QString& path, const QString&) { device::playSoundSync(path); }

void CEvalExpr::RefreshList(const QString& controlName)
{
    onForm([&](ScriptForm& form) {
        if (form.hasControl(controlName))
            form.requery();
        else
            tellByName(QStringLiteral("Invalid name specified in the macro"));
    });
}

void CEvalExpr::SetFocus(const QString& controlName)
{
    onForm([&](ScriptForm& form) {
        if (form.hasControl(controlName))
            form.focusControl(controlName);
        else
            tellByName(QStringLiteral("Invalid Name specified in the module"));
    });
}

bool CEvalExpr::SetFieldValue(const QString& controlName, const QString& newValue)
{
    onForm([&](ScriptForm& form) {
        if (!form.hasControl(controlName)) {
            tellByName(QStringLiteral("Invalid Name specified in the macro"));
            return;
        }
        const ExprResult value = EvaluateExpression(form.exprCaller(), newValue, form.currentRecordOffset(), ExprKind::Condition);
        form.setTextBoxText(controlName, value.text);
    });
    return true;
}

bool CEvalExpr::MoveTo(std::int32_t)
{
    onForm([](ScriptForm& form) { form.moveToRecord(); });
    return true;
}

void CEvalExpr::Message(const QString& text) { framework::showMessage(text); }

void CEvalExpr::DeleteRecord(bool prompt) { onForm([&](ScriptForm& form) { form.deleteRecord(prompt); }); }
void CEvalExpr::AddRecord(bool prompt) { onForm([&](ScriptForm& form) { form.addRecord(prompt); }); }
void CEvalExpr::SaveRecord(bool prompt) { onForm([&](ScriptForm& form) { form.saveRecord(prompt); }); }
