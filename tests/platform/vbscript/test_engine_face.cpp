// The engine as its host sees it: errors reach the site with their place, nothing of a text with a syntax
// error runs, named items resolve, arguments arrive converted, and a runaway script can be stopped.
#include "ScriptHarness.h"

#include <gtest/gtest.h>

#include <pthread.h>

#include <functional>
#include <thread>

namespace {

// Runs `work` on a thread of its own with `bytes` of stack, as a host's worker thread would run a script.
void onStackOf(std::size_t bytes, const std::function<void()>& work)
{
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, bytes);
    pthread_t thread;
    const auto call = [](void* argument) -> void* {
        (*static_cast<const std::function<void()>*>(argument))();
        return nullptr;
    };
    const int started = pthread_create(&thread, &attributes, call, const_cast<std::function<void()>*>(&work));
    pthread_attr_destroy(&attributes);
    ASSERT_EQ(started, 0);
    pthread_join(thread, nullptr);
}

// Larger than any build's frames need for the deepest nesting the reader accepts (the address sanitizer's
// take about 10 MB), so what the tests below meet is the nesting limit, not the end of the stack.
constexpr std::size_t kRoomyStack = 16 * 1024 * 1024;

TEST(EngineFace, SyntaxErrorReachesTheSiteAndNothingRuns)
{
    ScriptRun script;
    const HRESULT parsed = script.run(QStringLiteral("Show \"first\"\nIf True Then\n  Show \"inside\"\n"));
    EXPECT_EQ(parsed, OLESCRIPT_E_SYNTAX);
    ASSERT_TRUE(script.site.error);
    EXPECT_EQ(script.site.error->number, vbscript::error::ExpectedEnd);
    EXPECT_EQ(script.site.error->description, QStringLiteral("Expected 'End'"));
    EXPECT_EQ(script.site.error->source, QStringLiteral("Microsoft VBScript compilation error"));
    EXPECT_TRUE(script.shown().isEmpty());
}

TEST(EngineFace, SyntaxErrorsCarryTheirNumberAndPlace)
{
    expectRefused({
        {"x = (1 + 2", 1006, 0, 10},
        {"x = 1 +", 1023, 0, 7},
        {"x = 5 y", 1025, 0, 6},
        {"For i = 1 2\nNext", 1013, 0, 10},
        {"Do\nx = 1\n", 1019, 2, 0},
        {"While x\n", 1018, 1, 0},
        {"x = \"abc", 1033, 0, 8},
        {"Exit For", 1039, 0, 5},
        {"Show(1, 2)", 1044, 0, 0},
        {"Sub A\nEnd Function", 1016, 1, 4},
        {"Dim n\nDim a(n)", 1026, 1, 6},
        {"x = 1 $ 2", 1032, 0, 6},
        {"Select Case x\nCase 1\n", 1014, 2, 0},
    });
}

TEST(EngineFace, RuntimeErrorStopsTheRunAndReportsItsLine)
{
    ScriptRun script;
    script.run(QStringLiteral("Show \"one\"\nFunction F(x)\n  F = 10 / x\nEnd Function\nShow F(0)\nShow \"two\""));
    EXPECT_EQ(script.shown(), QStringList{QStringLiteral("one")});
    ASSERT_TRUE(script.site.error);
    EXPECT_EQ(script.site.error->number, 11);
    EXPECT_EQ(script.site.error->description, QStringLiteral("Division by zero"));
    EXPECT_EQ(script.site.error->source, QStringLiteral("Microsoft VBScript runtime error"));
    EXPECT_EQ(script.site.error->line, 2u);
    EXPECT_EQ(script.site.error->lineText, QStringLiteral("  F = 10 / x"));

    // The call returned: what fails after it fails on the caller's line.
    ScriptRun caller;
    caller.run(QStringLiteral("Function F(x)\n  F = x\nEnd Function\nShow \"called\"\ny = F(1) / 0"));
    ASSERT_TRUE(caller.site.error);
    EXPECT_EQ(caller.site.error->number, 11);
    EXPECT_EQ(caller.site.error->line, 4u);
    ScriptRun method;
    method.run(QStringLiteral("Class C\n  Function G\n    G = 0\n  End Function\nEnd Class\nSet o = New C\n"
                              "z = o.G + \"w\""));
    ASSERT_TRUE(method.site.error);
    EXPECT_EQ(method.site.error->number, 13);
    EXPECT_EQ(method.site.error->line, 6u);
}

// The failing line is found in the text as written, whatever its line ends.
TEST(EngineFace, ErrorsQuoteTheirLineWhateverTheLineEnds)
{
    const struct {
        const char* text;
        unsigned line;
        const char* lineText;
    } cases[] = {
        {"Show 1\r\nx = 1 / 0\r\nShow 2", 1, "x = 1 / 0"},
        {"Show 1\rShow 2\ry = 2 / 0", 2, "y = 2 / 0"},
        {"Show 1\n\r\nz = 3 / 0", 2, "z = 3 / 0"},
        {"\n\n\nShow 4 / 0", 3, "Show 4 / 0"},
        {"Show (1 +\r\nShow 2", 0, "Show (1 +"},
    };
    for (const auto& each : cases) {
        ScriptRun script;
        script.run(QString::fromUtf8(each.text));
        ASSERT_TRUE(script.site.error) << each.text;
        EXPECT_EQ(script.site.error->line, each.line) << each.text;
        EXPECT_EQ(script.site.error->lineText, QString::fromUtf8(each.lineText)) << each.text;
    }
}

TEST(EngineFace, EnterComesBeforeTheRunAndLeaveAfterIt)
{
    ScriptRun script;
    script.run(QStringLiteral("Show \"running\""));
    EXPECT_EQ(script.site.events, (QStringList{"enter", "running", "leave"}));

    ScriptRun failing;
    failing.run(QStringLiteral("Show \"a\"\nx = 1 / 0"));
    EXPECT_EQ(failing.site.events, (QStringList{"enter", "a", "error", "leave"}));
}

TEST(EngineFace, GlobalMembersResolveByFlagOrByTheTextsItem)
{
    ScriptRun flagged;
    flagged.run(QStringLiteral("Show Twice(21)"));
    EXPECT_EQ(flagged.shown(), QStringList{QStringLiteral("42")});

    ScriptRun inContext(SCRIPTITEM_ISVISIBLE | SCRIPTITEM_ISSOURCE);
    inContext.run(QStringLiteral("Dim Result\nResult = Twice(2)\nShow(Result)"), u"Host");
    EXPECT_EQ(inContext.shown(), QStringList{QStringLiteral("4")});
    EXPECT_FALSE(inContext.site.error);

    ScriptRun qualified(SCRIPTITEM_ISVISIBLE);
    qualified.run(QStringLiteral("Host.Show \"member call\"\nShow \"bare\""));
    EXPECT_EQ(qualified.shown(), QStringList{QStringLiteral("member call")});
    ASSERT_TRUE(qualified.site.error);
    EXPECT_EQ(qualified.site.error->number, 13);   // a bare name of nothing known is an empty variable
}

TEST(EngineFace, ArgumentsArriveConvertedToTheDeclaredTypes)
{
    ScriptRun script;
    script.run(QStringLiteral("Show True\nShow 1 = 2\nShow 2.5\nShow #1/2/2026#\nShow Twice(\"4\")"));
    EXPECT_EQ(script.shown(), (QStringList{"-1", "0", "2.5", "1/2/2026", "8"}));
    ScriptRun wrong;
    wrong.run(QStringLiteral("Show Twice(\"four\")"));
    ASSERT_TRUE(wrong.site.error);
    EXPECT_EQ(wrong.site.error->number, 13);
}

TEST(EngineFace, HostExceptionsBecomeScriptErrors)
{
    ScriptRun script;
    script.run(QStringLiteral("On Error Resume Next\nFail\nShow Err.Number & \" \" & Err.Description & \" \" & Err.Source\n"
                              "On Error GoTo 0\nFail"));
    EXPECT_EQ(script.shown(), QStringList{QStringLiteral("5 The host refused Host")});
    ASSERT_TRUE(script.site.error);
    EXPECT_EQ(script.site.error->description, QStringLiteral("The host refused"));
    EXPECT_EQ(script.site.error->source, QStringLiteral("Host"));
}

TEST(EngineFace, TheSandboxOffersNoObjects)
{
    ScriptRun script;
    script.run(QStringLiteral("Set fs = CreateObject(\"Scripting.FileSystemObject\")"));
    ASSERT_TRUE(script.site.error);
    EXPECT_EQ(script.site.error->number, 429);
    EXPECT_EQ(script.site.error->description, QStringLiteral("ActiveX component can't create object"));

    // The language's own RegExp, on this machine only.
    ScriptRun regexp;
    regexp.run(QStringLiteral("Set re = CreateObject(\"vbscript.regexp\")\nShow TypeName(re)\n"
                              "Set far = CreateObject(\"VBScript.RegExp\", \"elsewhere\")"));
    EXPECT_EQ(regexp.shown(), QStringList{QStringLiteral("IRegExp2")});
    ASSERT_TRUE(regexp.site.error);
    EXPECT_EQ(regexp.site.error->number, 429);
}

// This harness's site shows no dialogs.
TEST(EngineFace, DialogsOfASiteWithoutThemAreRefused)
{
    ScriptRun script;
    script.run(QStringLiteral("On Error Resume Next\nMsgBox \"hi\"\nShow Err.Number\nErr.Clear\n"
                              "x = InputBox(\"name?\")\nShow Err.Number & \" \" & Err.Description\nErr.Clear\n"
                              "x = MsgBox()\nShow Err.Number\nErr.Clear\nx = MsgBox(\"a\", 0, \"t\", \"h\", 1, 2)\nShow Err.Number"));
    EXPECT_FALSE(script.site.error);
    EXPECT_EQ(script.shown(), (QStringList{"70", "70 Permission denied", "450", "450"}));
}

TEST(EngineFace, StepBudgetEndsARunawayLoopEvenUnderResumeNext)
{
    ScriptRun script;
    script.stepLimit = 10000;
    script.run(QStringLiteral("On Error Resume Next\nDo\n  x = x + 1\nLoop\nShow \"never\""));
    ASSERT_TRUE(script.site.error);
    EXPECT_EQ(script.site.error->number, vbscript::error::Interrupted);
    EXPECT_TRUE(script.shown().isEmpty());
}

// The budget is a count of statements: a run of exactly that many ends well, one more is stopped before it
// runs, short budgets and budgets past the points where the host's stop is looked at alike.
TEST(EngineFace, StepBudgetCountsEveryStatement)
{
    for (const int statements : {3, 1023, 1024, 1025, 2500}) {
        QString text;
        for (int i = 1; i < statements; ++i)
            text += QStringLiteral("x = x + 1\n");
        text += QStringLiteral("Show x");
        ScriptRun enough;
        enough.stepLimit = std::uint64_t(statements);
        enough.run(text);
        EXPECT_FALSE(enough.site.error) << statements;
        EXPECT_EQ(enough.shown(), QStringList{QString::number(statements - 1)}) << statements;

        ScriptRun tooShort;
        tooShort.stepLimit = std::uint64_t(statements - 1);
        tooShort.run(text);
        ASSERT_TRUE(tooShort.site.error) << statements;
        EXPECT_EQ(tooShort.site.error->number, vbscript::error::Interrupted) << statements;
        EXPECT_TRUE(tooShort.shown().isEmpty()) << statements;
    }
}

TEST(EngineFace, InterruptFromAnotherThreadEndsTheRun)
{
    ScriptRun script;
    script.engine = vbscript::ScriptEngine::create();
    script.engine->SetScriptSite(&script.site);
    script.engine->InitNew();
    script.engine->ParseScriptText(u"Do : Loop", nullptr, nullptr, nullptr, 0, 0, 0, nullptr, nullptr);
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        script.engine->InterruptScriptThread(SCRIPTTHREADID_ALL, nullptr, 0);
    });
    script.engine->SetScriptState(SCRIPTSTATE_CONNECTED);
    stopper.join();
    ASSERT_TRUE(script.site.error);
    EXPECT_EQ(script.site.error->number, vbscript::error::Interrupted);
}

TEST(EngineFace, DeepRecursionIsAnErrorNotACrash)
{
    ScriptRun script;
    script.run(QStringLiteral("Function Down(n)\n  Down = Down(n + 1)\nEnd Function\nx = Down(0)"));
    ASSERT_TRUE(script.site.error);
    EXPECT_EQ(script.site.error->number, vbscript::error::OutOfStackSpace);
}

// Nesting deeper than the engine can walk is refused when the text is read; nothing of it runs.
TEST(EngineFace, DeepNestingIsRefusedWhenRead)
{
    const auto refused = [](const QString& text) {
        ScriptRun script;
        EXPECT_EQ(script.run(text + QStringLiteral("\nShow \"ran\"")), OLESCRIPT_E_SYNTAX);
        EXPECT_TRUE(script.shown().isEmpty());
        ASSERT_TRUE(script.site.error);
        EXPECT_EQ(script.site.error->number, vbscript::error::OutOfStackSpace);
        EXPECT_EQ(script.site.error->description, QStringLiteral("Out of stack space"));
        EXPECT_EQ(script.site.error->source, QStringLiteral("Microsoft VBScript compilation error"));
    };
    refused(QStringLiteral("x = ") + QString(100000, QLatin1Char('(')) + QStringLiteral("1") +
            QString(100000, QLatin1Char(')')));
    refused(QStringLiteral("x = ") + QStringLiteral("Not ").repeated(30000) + QStringLiteral("True"));
    refused(QStringLiteral("x = ") + QStringLiteral("-").repeated(100000) + QStringLiteral("1"));
    refused(QStringLiteral("x = 1") + QStringLiteral(" + 1").repeated(100000));
    refused(QStringLiteral("x = 1") + QStringLiteral(" = 1").repeated(100000));
    refused(QStringLiteral("x = Twice(").repeated(30000) + QStringLiteral("1") + QString(30000, QLatin1Char(')')));
    refused(QStringLiteral("If True Then\n").repeated(30000) + QStringLiteral("End If\n").repeated(30000));
    refused(QStringLiteral("If True Then ").repeated(30000) + QStringLiteral("x = 1"));
}

const QString deeplyNestedShow = QStringLiteral("Show ") + QString(900, QLatin1Char('(')) +
                                 QStringLiteral("Not -1 + 3") + QString(900, QLatin1Char(')')) +
                                 QStringLiteral(" & 1") + QStringLiteral(" + 1").repeated(300);

TEST(EngineFace, NestingWithinTheLimitRuns)
{
    onStackOf(kRoomyStack, [] {
        ScriptRun script;
        script.run(deeplyNestedShow);
        EXPECT_FALSE(script.site.error);
        EXPECT_EQ(script.shown(), QStringList{QStringLiteral("-3301")});
    });
}

// Each call may nest its expression as deep as the parser allows; the run still ends with an error
// before the stack does.
TEST(EngineFace, RecursionThroughDeepExpressionsEndsBeforeTheStackDoes)
{
    onStackOf(kRoomyStack, [] {
        ScriptRun script;
        script.run(QStringLiteral("Function Down(n)\n  Down = ") + QString(900, QLatin1Char('(')) +
                   QStringLiteral("Down(n + 1)") + QString(900, QLatin1Char(')')) +
                   QStringLiteral("\nEnd Function\nx = Down(0)\nShow \"ran\""));
        ASSERT_TRUE(script.site.error);
        EXPECT_EQ(script.site.error->number, vbscript::error::OutOfStackSpace);
        EXPECT_TRUE(script.shown().isEmpty());
    });
}

// A thread with little stack, or a build whose frames are larger, runs out before the nesting limit: the
// text is refused with the same error while reading it, and a deep recursion still ends with it.
TEST(EngineFace, SmallStacksEndDeepTextsWithTheErrorNotACrash)
{
    onStackOf(1024 * 1024, [] {
        ScriptRun nested;
        EXPECT_EQ(nested.run(deeplyNestedShow), OLESCRIPT_E_SYNTAX);
        ASSERT_TRUE(nested.site.error);
        EXPECT_EQ(nested.site.error->number, vbscript::error::OutOfStackSpace);
        EXPECT_EQ(nested.site.error->description, QStringLiteral("Out of stack space"));
        EXPECT_EQ(nested.site.error->source, QStringLiteral("Microsoft VBScript compilation error"));
        EXPECT_TRUE(nested.shown().isEmpty());

        ScriptRun recursion;
        recursion.run(QStringLiteral("Function Down(n)\n  Down = ") + QString(100, QLatin1Char('(')) +
                      QStringLiteral("Down(n + 1)") + QString(100, QLatin1Char(')')) +
                      QStringLiteral("\nEnd Function\nx = Down(0)"));
        ASSERT_TRUE(recursion.site.error);
        EXPECT_EQ(recursion.site.error->number, vbscript::error::OutOfStackSpace);
    });
}

// Whatever a host method throws ends the run as a script error; nothing is thrown through the engine.
TEST(EngineFace, AnythingAHostThrowsIsAScriptError)
{
    ScriptRun broken;
    broken.run(QStringLiteral("Show \"a\"\nBreak\nShow \"b\""));
    ASSERT_TRUE(broken.site.error);
    EXPECT_EQ(broken.site.error->number, 440);
    EXPECT_EQ(broken.site.error->description, QStringLiteral("host broke"));
    EXPECT_EQ(broken.shown(), QStringList{QStringLiteral("a")});

    ScriptRun crashed;
    crashed.run(QStringLiteral("On Error Resume Next\nCrash\nShow \"b\""));
    ASSERT_TRUE(crashed.site.error);
    EXPECT_EQ(crashed.site.error->number, 51);
    EXPECT_EQ(crashed.site.error->description, QStringLiteral("Internal error"));
    EXPECT_TRUE(crashed.shown().isEmpty());
}

TEST(EngineFace, TextsShareTheirGlobalsAndProcedures)
{
    ScriptRun script;
    script.run(QStringLiteral("Dim total\ntotal = 1\nSub Add(n)\n  total = total + n\nEnd Sub"));
    script.engine->ParseScriptText(u"Add 41\nShow total", nullptr, nullptr, nullptr, 0, 0, 0, nullptr, nullptr);
    EXPECT_EQ(script.shown(), QStringList{QStringLiteral("42")});
}

// A text refused while its names are resolved leaves nothing behind: its procedures were never defined, and
// the earlier definition of the same name still runs.
TEST(EngineFace, RefusedTextDefinesNothing)
{
    ScriptRun script;
    script.run(QStringLiteral("Sub Greet\n  Show \"first\"\nEnd Sub"));
    EXPECT_EQ(script.engine->ParseScriptText(u"Sub Greet\n  Show \"second\"\nEnd Sub\nSub Other\nEnd Sub\nDim x\nDim x",
                                             nullptr, nullptr, nullptr, 0, 0, 0, nullptr, nullptr),
              OLESCRIPT_E_SYNTAX);
    ASSERT_TRUE(script.site.error);
    EXPECT_EQ(script.site.error->number, vbscript::error::NameRedefined);
    script.engine->ParseScriptText(u"Greet\nOn Error Resume Next\nOther\nShow Err.Number", nullptr, nullptr, nullptr, 0,
                                   0, 0, nullptr, nullptr);
    EXPECT_EQ(script.shown(), (QStringList{"first", "13"}));
}

// Text run by Execute and Eval counts against the run's budget, and an error in it is the calling statement's.
TEST(EngineFace, ExecutedTextSharesTheBudgetAndTheCallersPlace)
{
    ScriptRun endless;
    endless.stepLimit = 1000;
    endless.run(QStringLiteral("On Error Resume Next\nExecute \"Do : Loop\"\nShow \"after\""));
    ASSERT_TRUE(endless.site.error);
    EXPECT_EQ(endless.site.error->number, vbscript::error::Interrupted);
    EXPECT_TRUE(endless.shown().isEmpty());

    ScriptRun unparsable;
    unparsable.run(QStringLiteral("x = 1\nx = Eval(\"1 +\")"));
    ASSERT_TRUE(unparsable.site.error);
    EXPECT_EQ(unparsable.site.error->number, vbscript::error::ExpectedExpression);
    EXPECT_EQ(unparsable.site.error->source, QStringLiteral("Microsoft VBScript compilation error"));
    EXPECT_EQ(unparsable.site.error->line, 1u);
    EXPECT_EQ(unparsable.site.error->lineText, QStringLiteral("x = Eval(\"1 +\")"));

    ScriptRun failing;
    failing.run(QStringLiteral("Execute \"y = 1\" & vbCrLf & \"y = 1 / 0\"\nShow \"never\""));
    ASSERT_TRUE(failing.site.error);
    EXPECT_EQ(failing.site.error->number, 11);
    EXPECT_EQ(failing.site.error->line, 0u);
}

TEST(EngineFace, ClosedEngineRefusesWork)
{
    ScriptRun script;
    script.run(QStringLiteral("Show 1"));
    EXPECT_EQ(script.engine->Close(), S_OK);
    EXPECT_EQ(script.engine->ParseScriptText(u"Show 2", nullptr, nullptr, nullptr, 0, 0, 0, nullptr, nullptr),
              E_UNEXPECTED);
    EXPECT_EQ(script.shown(), QStringList{QStringLiteral("1")});
}

} // namespace
