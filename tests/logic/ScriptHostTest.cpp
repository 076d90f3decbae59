#include "FakeScriptForm.h"
#include "support/MessageRecorder.h"
#include "logic/CScriptSite.h"
#include "logic/RunModule.h"
#include "logic/RunScript.h"
#include "logic/ScriptValues.h"
#include "logic/ScriptWatch.h"
#include "platform/framework/Prompts.h"
#include "platform/vbscript/ActiveScript.h"
#include "platform/vbscript/ScriptDialogs.h"

#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>

namespace {

// Runs the text as a module runs: no wrapping. Returns whether the script failed.
bool run(const QString& script)
{
    ScriptHost host;
    RunScript(host, script);
    return host.scriptError;
}

QString result(const QString& expression)
{
    g_strScriptResult.clear();
    EXPECT_FALSE(run(QStringLiteral("ShowResult(") + expression + QStringLiteral(")"))) << expression.toStdString();
    return g_strScriptResult;
}

TEST(RunScript, HandsBackWhatTheScriptShows)
{
    EXPECT_FALSE(run(QStringLiteral("Dim Result\nResult =5*2\nShowResult(Result)")));
    EXPECT_EQ(g_strScriptResult, QStringLiteral("10"));
    // A Boolean handed to the text parameter arrives as the engine's text for it.
    EXPECT_EQ(result(QStringLiteral("3 > 2")), QStringLiteral("-1"));
    EXPECT_EQ(result(QStringLiteral("3 < 2")), QStringLiteral("0"));
    // The methods are reached by their bare names and through the item's name alike.
    EXPECT_EQ(result(QStringLiteral("MyObject.MAX(4, 9)")), QStringLiteral("9"));
}

TEST(RunScript, ErrorsSetTheFlagAndLeaveTheResult)
{
    MessageRecorder messages;
    g_strScriptResult = QStringLiteral("before");
    EXPECT_TRUE(run(QStringLiteral("ShowResult(1 +)")));
    EXPECT_EQ(g_strScriptResult, QStringLiteral("before"));
    EXPECT_TRUE(run(QStringLiteral("x = 1 / 0\nShowResult(\"after\")")));
    EXPECT_EQ(g_strScriptResult, QStringLiteral("before"));
    // The calls the system does not know fail like any unknown name.
    EXPECT_TRUE(run(QStringLiteral("ShowResult(LOWER(\"A\"))")));
    EXPECT_TRUE(messages.texts().isEmpty()) << "script errors are silent";
    // The next run starts with a clean flag.
    EXPECT_FALSE(run(QStringLiteral("ShowResult(\"ok\")")));
    EXPECT_EQ(g_strScriptResult, QStringLiteral("ok"));
}

TEST(RunScript, NothingSurvivesARun)
{
    EXPECT_FALSE(run(QStringLiteral("Dim kept\nkept = 7\nFunction F()\nF = 1\nEnd Function")));
    g_strScriptResult.clear();
    EXPECT_FALSE(run(QStringLiteral("ShowResult(\"[\" & kept & \"]\")")));
    EXPECT_EQ(g_strScriptResult, QStringLiteral("[]"));
    EXPECT_TRUE(run(QStringLiteral("ShowResult(F())")));
}

// What the script still holds ends within the run, so what a Class_Terminate shows is the run's result.
TEST(RunScript, InstancesStillHeldEndWithinTheRun)
{
    ScriptHost host;
    RunScript(host, QStringLiteral("Class A\n  Sub Class_Terminate\n    ShowResult(\"ended\")\n  End Sub\nEnd Class\n"
                                   "Set kept = New A\nShowResult(\"ran\")"));
    EXPECT_FALSE(host.scriptError);
    EXPECT_EQ(host.result, QStringLiteral("ended"));
}

HRESULT failingFactory(REFIID, void** object)
{
    *object = nullptr;
    return E_NOTIMPL;
}

TEST(RunScript, AnEngineThatCannotBeMadeFailsTheRunWithoutEndingTheProgram)
{
    MessageRecorder messages;
    const ScriptEngineFactory previous = setScriptEngineFactory(failingFactory);
    g_strScriptResult = QStringLiteral("before");
    const bool failed = run(QStringLiteral("ShowResult(\"never\")"));
    setScriptEngineFactory(previous);
    EXPECT_TRUE(failed);
    EXPECT_EQ(g_strScriptResult, QStringLiteral("before"));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, QStringLiteral("CoCreateInstance() for CLSID_VBScript"));
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("Varnel Desk 5.0"));
}

TEST(CScriptSite, HandsOutOnlyMyObjectAndNoTypeInformation)
{
    ScriptHost host;
    CScriptSite site(host.evalExpr.GetIDispatch());
    IUnknown* item = nullptr;
    ITypeInfo* typeInfo = reinterpret_cast<ITypeInfo*>(&host);
    EXPECT_EQ(site.GetItemInfo(u"MyObject", SCRIPTINFO_ITYPEINFO, &item, &typeInfo), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(typeInfo, nullptr);
    EXPECT_EQ(site.GetItemInfo(u"OtherObject", SCRIPTINFO_IUNKNOWN, &item, nullptr), S_OK);
    EXPECT_EQ(item, nullptr);
    EXPECT_EQ(site.GetItemInfo(u"myobject", SCRIPTINFO_IUNKNOWN, &item, nullptr), S_OK);
    EXPECT_EQ(item, host.evalExpr.GetIDispatch());
    item->Release();
    void* other = &host;
    EXPECT_EQ(site.QueryInterface(IID_IUnknown, &other), E_NOTIMPL);
    EXPECT_EQ(other, nullptr);
    // Its dialogs, for MsgBox and InputBox.
    EXPECT_EQ(site.QueryInterface(IID_IScriptSiteDialogs, &other), S_OK);
    EXPECT_EQ(other, static_cast<IScriptSiteDialogs*>(&site));
    static_cast<IScriptSiteDialogs*>(other)->Release();
}

TEST(MyObject, MethodsKeepTheirDispatchIdsInOrder)
{
    const char* names[] = {"ShowResult", "MAX", "AVG", "MIN", "CEIL", "FLOOR", "ASIN", "POWER", "SINH", "COSH",
                           "SQRT", "TANH", "ACOS", "INITCAP", "TOCHAR", "TONUMBER", "TOTIMESTR", "RECNUM",
                           "RECCOUNT", "OpenForm", "CloseForm", "NextRecord", "PreviousRecord", "FirstRecord",
                           "LastRecord", "ApplyFilter", "RemoveAllFilters", "Requery", "Quit", "FindNext", "Find",
                           "PlaySound", "RefreshList", "SetFocus", "SetFieldValue", "MoveTo", "Message",
                           "DeleteRecord", "AddRecord", "SaveRecord", "SUM"};
    CEvalExpr object;
    DISPID expected = 1;
    for (const char* name : names) {
        std::u16string text = QString::fromLatin1(name).toStdU16String();
        LPOLESTR names16[] = {text.data()};
        DISPID id = 0;
        ASSERT_EQ(object.GetIDispatch()->GetIDsOfNames(IID_NULL, names16, 1, LOCALE_EN_US, &id), S_OK) << name;
        EXPECT_EQ(id, expected++) << name;
    }
}

TEST(MyObject, ComputesTheExpressionFunctions)
{
    EXPECT_EQ(result(QStringLiteral("SUM(2147483647, 1)")), QStringLiteral("-2147483648"));
    EXPECT_EQ(result(QStringLiteral("SUM(2.6, 3)")), QStringLiteral("6"));
    EXPECT_EQ(result(QStringLiteral("AVG(3, 4)")), QStringLiteral("3.5"));
    EXPECT_EQ(result(QStringLiteral("MIN(3, -4)")), QStringLiteral("-4"));
    EXPECT_EQ(result(QStringLiteral("CEIL(2.1) & FLOOR(-2.1)")), QStringLiteral("3-3"));
    EXPECT_EQ(result(QStringLiteral("POWER(2, 10)")), QStringLiteral("1024"));
    EXPECT_EQ(result(QStringLiteral("SQRT(16) + SINH(0) + COSH(0) + TANH(0) + ASIN(0) + ACOS(1)")), QStringLiteral("5"));
    EXPECT_EQ(result(QStringLiteral("INITCAP(\"hello world\")")), QStringLiteral("Hello world"));
    EXPECT_EQ(result(QStringLiteral("\"[\" & INITCAP(\"\") & \"]\"")), QStringLiteral("[]"));
    EXPECT_EQ(result(QStringLiteral("TOCHAR(-42)")), QStringLiteral("-42"));
    EXPECT_EQ(result(QStringLiteral("TONUMBER(\"  -12abc\")")), QStringLiteral("-12"));
    EXPECT_EQ(result(QStringLiteral("TONUMBER(\"abc\")")), QStringLiteral("0"));
    EXPECT_EQ(result(QStringLiteral("TOTIMESTR(3725)")), QStringLiteral("1: 2: 5"));
    EXPECT_EQ(result(QStringLiteral("TOTIMESTR(90000)")), QStringLiteral("1: 0: 0"));
    g_nRecNum = 4;
    g_nRecCount = 12;
    EXPECT_EQ(result(QStringLiteral("RECNUM() & \"/\" & RECCOUNT()")), QStringLiteral("4/12"));
}

TEST(MyObject, FormMethodsActOnTheOpenForm)
{
    MessageRecorder messages;
    FakeScriptApplication application;
    application.form.controls << QStringLiteral("Price");
    EXPECT_FALSE(run(QStringLiteral("NextRecord\nPreviousRecord\nFirstRecord\nLastRecord\nMoveTo 3\n"
                                    "ApplyFilter \"q\", \"x\"\nRemoveAllFilters\nRequery \"any\"\nFindNext\n"
                                    "ShowResult(Find(\"a\", True, False, \"\", \"f\", 1))\n"
                                    "RefreshList \"Price\"\nSetFocus \"Price\"\nSaveRecord True\nAddRecord False\n"
                                    "DeleteRecord True\nCloseForm True\nQuit False")));
    EXPECT_EQ(application.form.calls,
              QStringList({"next", "previous", "first", "last", "moveTo", "applyFilter", "removeAllFilters", "requery",
                           "find", "requery", "focus Price", "save 1", "add 0", "delete 1", "close 1", "close 0"}));
    EXPECT_EQ(g_strScriptResult, QStringLiteral("-1"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST(MyObject, UnknownControlNamesAreReported)
{
    MessageRecorder messages;
    FakeScriptApplication application;
    application.form.controls << QStringLiteral("Price");
    EXPECT_FALSE(run(QStringLiteral("SetFocus \"price\"\nSetFieldValue \"Nope\", \"1\"\nRefreshList \"Nope\"")));
    EXPECT_TRUE(application.form.calls.isEmpty());
    EXPECT_EQ(messages.texts(), QStringList({"Invalid Name specified in the module", "Invalid Name specified in the macro",
                                             "Invalid name specified in the macro"}));
    for (const auto& message : messages.messages()) {
        EXPECT_EQ(message.caption, QStringLiteral("Varnel Desk 5.0"));
        EXPECT_EQ(message.icon, framework::Icon::Information);
    }
}

TEST(MyObject, WithoutAnOpenFormTheFormMethodsDoNothing)
{
    MessageRecorder messages;
    FakeScriptApplication application;
    application.formOpen = false;
    EXPECT_FALSE(run(QStringLiteral("NextRecord\nSetFocus \"x\"\nSetFieldValue \"x\", \"1\"\nCloseForm \"0\"\nQuit True")));
    EXPECT_TRUE(application.form.calls.isEmpty());
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST(MyObject, OpensOneFormPerRun)
{
    MessageRecorder messages;
    FakeScriptApplication application;
    EXPECT_FALSE(run(QStringLiteral("OpenForm \"Orders\", 0\nOpenForm \"Customers\", 0")));
    EXPECT_EQ(application.openedForms, QStringList({"Orders"}));
    EXPECT_EQ(messages.texts(), QStringList({"Please close the opened form before opening another one"}));
    // The flag belongs to the run's own object: the next run may open a form again.
    EXPECT_FALSE(run(QStringLiteral("OpenForm \"Customers\", 1")));
    EXPECT_EQ(application.openedForms, QStringList({"Orders", "Customers"}));
}

// MsgBox is the framework's message box: the program's caption unless the script names one, the buttons
// and icon the script asks for, and the pressed button back to the script.
TEST(RunScript, MsgBoxShowsTheFrameworksBoxAndReturnsThePressedButton)
{
    MessageRecorder messages;
    for (framework::Answer answer : {framework::Answer::Ok, framework::Answer::Ok, framework::Answer::Yes,
                                     framework::Answer::Retry})
        messages.answer(answer);
    g_strScriptResult.clear();
    EXPECT_FALSE(run(QStringLiteral("MsgBox \"Hello\"\nMsgBox 5\n"
                                    "r = MsgBox(\"Delete it?\", vbYesNo + vbQuestion + vbDefaultButton2, \"Stock\")\n"
                                    "s = MsgBox(\"Disk\", vbAbortRetryIgnore Or vbCritical)\n"
                                    "t = MsgBox(\"Sure?\", vbOKCancel + vbExclamation)\n"
                                    "ShowResult(r & \" \" & s & \" \" & t & \" \" & TypeName(t) & \" \" & (r = vbYes))")));
    // The last box was answered with its default button.
    EXPECT_EQ(g_strScriptResult, QStringLiteral("6 4 1 Integer True"));
    const auto& shown = messages.messages();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(messages.texts(), QStringList({"Hello", "5", "Delete it?", "Disk", "Sure?"}));
    EXPECT_EQ(shown[0].caption, QStringLiteral("Varnel Desk 5.0"));
    EXPECT_EQ(shown[0].buttons, framework::Buttons::Ok);
    EXPECT_EQ(shown[0].icon, framework::Icon::None);
    EXPECT_EQ(shown[2].caption, QStringLiteral("Stock"));
    EXPECT_EQ(shown[2].buttons, framework::Buttons::YesNo);
    EXPECT_EQ(shown[2].icon, framework::Icon::Question);
    EXPECT_EQ(shown[2].defaultButton, 1);
    EXPECT_EQ(shown[3].buttons, framework::Buttons::AbortRetryIgnore);
    EXPECT_EQ(shown[3].icon, framework::Icon::Error);
    EXPECT_EQ(shown[4].buttons, framework::Buttons::OkCancel);
    EXPECT_EQ(shown[4].icon, framework::Icon::Warning);
}

TEST(RunScript, InputBoxAsksThroughTheFrameworksPrompt)
{
    std::vector<framework::PromptRequest> asked;
    std::deque<std::optional<QString>> answers = {QStringLiteral("Zoë O'Neil"), std::nullopt};
    const framework::PromptResponder previous = framework::setPromptResponder([&](const framework::PromptRequest& request) {
        asked.push_back(request);
        std::optional<QString> answer = answers.front();
        answers.pop_front();
        return answer;
    });
    g_strScriptResult.clear();
    EXPECT_FALSE(run(QStringLiteral("a = InputBox(\"Your name?\", \"Customer\", \"Ann\")\n"
                                    "b = InputBox(\"Town?\")\nShowResult(a & \"|\" & b & \"|\" & TypeName(b))")));
    framework::setPromptResponder(previous);
    EXPECT_EQ(g_strScriptResult, QStringLiteral("Zoë O'Neil||String"));
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].prompt, QStringLiteral("Your name?"));
    EXPECT_EQ(asked[0].title, QStringLiteral("Customer"));
    EXPECT_EQ(asked[0].initialText, QStringLiteral("Ann"));
    EXPECT_EQ(asked[1].title, QStringLiteral("Varnel Desk 5.0"));
    EXPECT_EQ(asked[1].initialText, QString());
}

TEST(RunModule, AModuleWithoutStatementsOfItsOwnRunsTheProcedureOfItsName)
{
    const auto runModule = [](const QString& name, const QString& source) {
        g_strScriptResult.clear();
        ScriptHost host;
        const ModuleRun run = RunModule(host, name, source);
        EXPECT_FALSE(host.scriptError) << source.toStdString();
        return std::make_pair(run, g_strScriptResult);
    };
    using Ran = std::pair<ModuleRun, QString>;
    EXPECT_EQ(runModule("ShowTotal", "Dim total\nSub ShowTotal()\n  total = 3\n  ShowResult(\"total \" & total)\nEnd Sub"),
              Ran(ModuleRun::Ran, "total 3"));
    EXPECT_EQ(runModule("showtotal", "Function SHOWTOTAL\nShowResult(\"any case\")\nEnd Function _"),
              Ran(ModuleRun::Ran, "any case"));
    // Statements of its own: the module runs as it stands, and its procedure only when it calls it.
    EXPECT_EQ(runModule("Tally", "Sub Tally\nShowResult(g_count & \"x\")\nEnd Sub\nShowResult(\"own\")"),
              Ran(ModuleRun::Ran, "own"));
    EXPECT_EQ(runModule("Tally", "Sub Tally\nShowResult(g_count & \"x\")\nEnd Sub\ng_count = 1\nTally"),
              Ran(ModuleRun::Ran, "1x"));
    // Its only procedure that takes no arguments runs whatever it is called.
    EXPECT_EQ(runModule("Module1", "Sub Hello()\nShowResult(\"Hi\")\nEnd Sub\nSub Twice(x)\nEnd Sub"),
              Ran(ModuleRun::Ran, "Hi"));
    // Only procedures that need arguments: nothing to run.
    EXPECT_EQ(runModule("Helpers", "Sub Helpers(x)\nShowResult(x)\nEnd Sub"), Ran(ModuleRun::NothingToRun, ""));
}

TEST(RunModule, OfSeveralProceduresTheOneThePickerChoosesRuns)
{
    const QString source = QStringLiteral("Dim n\nSub First\nShowResult(\"first\")\nEnd Sub\n"
                                          "Function Second()\nShowResult(\"second \" & n)\nEnd Function\n"
                                          "Sub WithArgument(x)\nEnd Sub");
    QStringList offered;
    const auto runPicking = [&](const ProcedureChooser& choose) {
        g_strScriptResult.clear();
        ScriptHost host;
        const ModuleRun run = RunModule(host, QStringLiteral("Tools"), source, choose);
        EXPECT_FALSE(host.scriptError);
        return std::make_pair(run, g_strScriptResult);
    };
    const auto answering = [&](const QString& answer) {
        return ProcedureChooser([&offered, answer](const QStringList& procedures) {
            offered = procedures;
            return answer;
        });
    };
    using Ran = std::pair<ModuleRun, QString>;
    EXPECT_EQ(runPicking(answering("Second")), Ran(ModuleRun::Ran, "second "));
    EXPECT_EQ(offered, QStringList({"First", "Second"})) << "as written, without the one that needs an argument";
    EXPECT_EQ(runPicking(answering({})), Ran(ModuleRun::Cancelled, ""));
    EXPECT_EQ(runPicking(answering("MsgBox \"injected\"")), Ran(ModuleRun::Cancelled, ""))
        << "only a procedure offered is called";
    EXPECT_EQ(runPicking({}), Ran(ModuleRun::NothingToRun, "")) << "an event cannot ask";
}

TEST(RunModule, AModuleThatDoesNotParseRunsToReportItsError)
{
    ScriptHost host;
    EXPECT_EQ(RunModule(host, "Broken", "Sub Broken\nx = (1\nEnd Sub"), ModuleRun::Ran);
    EXPECT_TRUE(host.scriptError);
    EXPECT_EQ(host.errorLine, 2);
    // An error in the procedure run for the module is on the procedure's line.
    ScriptHost failing;
    EXPECT_EQ(RunModule(failing, "Divide", "Sub Divide\n  x = 1\n  x = x / 0\nEnd Sub"), ModuleRun::Ran);
    EXPECT_TRUE(failing.scriptError);
    EXPECT_EQ(failing.errorLine, 3);
    EXPECT_EQ(failing.errorDescription, QStringLiteral("Division by zero"));
}

TEST(MyObject, MessageShowsTheTextWithTheProgramsCaption)
{
    MessageRecorder messages;
    EXPECT_FALSE(run(QStringLiteral("Message \"Saved \" & 3")));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, QStringLiteral("Saved 3"));
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("Varnel Desk 5.0"));
}

} // namespace

namespace {

TEST(MyObject, SetFieldValueWritesTheEvaluatedExpression)
{
    MessageRecorder messages;
    FakeScriptApplication application;
    application.form.controls << QStringLiteral("Total");
    g_strScriptResult = QStringLiteral("outer");
    EXPECT_FALSE(run(QStringLiteral("ShowResult(SetFieldValue(\"Total\", \"3 > 2 AND RECNUM() = 3\"))")));
    EXPECT_EQ(application.form.calls, QStringList({"set Total=-1"}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

} // namespace

namespace {

// A script's SetFieldValue runs the expression as a run of its own inside the script's run.
class NestedRun : public ::testing::Test {
protected:
    NestedRun() { application.form.controls << QStringLiteral("Total"); }

    // Runs `script` as the outer run with RECNUM() 20 and RECCOUNT() 30.
    void outer(const QString& script)
    {
        g_nRecNum = 20;
        g_nRecCount = 30;
        RunScript(host, script);
    }

    MessageRecorder messages;
    FakeScriptApplication application;
    ScriptHost host;
};

TEST_F(NestedRun, AFailedInnerRunLeavesTheOuterRunSound)
{
    outer(QStringLiteral("ShowResult \"outer\"\nSetFieldValue \"Total\", \"1 +* (\"\n"
                                                 "ShowResult \"outer \" & RECNUM() & \"/\" & RECCOUNT()"));
    EXPECT_EQ(application.form.calls, QStringList({"set Total=outer"})) << "the inner run failed, showing nothing";
    EXPECT_FALSE(host.scriptError);
    EXPECT_TRUE(host.errorText.isEmpty());
    EXPECT_EQ(host.result, QStringLiteral("outer 20/30"));
}

TEST_F(NestedRun, AnOuterFailureAfterASoundInnerRunIsTheOuterRunsOwn)
{
    outer(QStringLiteral("ShowResult RECNUM() & \"/\" & RECCOUNT()\n"
                                                 "SetFieldValue \"Total\", \"RECNUM() * 10 + RECCOUNT()\"\nx = 1 / 0"));
    EXPECT_EQ(application.form.calls, QStringList({"set Total=39"}));
    EXPECT_TRUE(host.scriptError);
    EXPECT_TRUE(host.errorText.contains(QStringLiteral("Division by zero"))) << host.errorText.toStdString();
    EXPECT_EQ(host.result, QStringLiteral("20/30")) << "the inner result does not replace the outer one";
    EXPECT_EQ(g_strScriptResult, QStringLiteral("20/30"));
    EXPECT_EQ(g_nRecNum, 20);
    EXPECT_EQ(g_nRecCount, 30);
}

} // namespace

namespace {

class ThrowingWatch : public ScriptWatch {
public:
    bool watch(const std::function<void()>&, const std::function<void()>&) override
    {
        throw std::runtime_error("the watch broke");
    }
};

TEST(RunScript, WhatEscapesTheRunFailsItWithoutEndingTheProgram)
{
    ThrowingWatch watch;
    ScriptWatch* previous = setScriptWatch(&watch);
    g_strScriptResult = QStringLiteral("before");
    ScriptHost host;
    RunScript(host, QStringLiteral("ShowResult \"never\""));
    setScriptWatch(previous);
    EXPECT_TRUE(host.scriptError);
    EXPECT_EQ(host.result, QStringLiteral("before"));
}

} // namespace
