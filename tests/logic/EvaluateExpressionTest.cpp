// Expressions evaluated end to end: rewritten over the database, wrapped and run by the script host.
#include "logic/EvaluateExpression.h"

#include "logic/ScriptValues.h"

#include "ExprDatabase.h"
#include "support/MessageRecorder.h"

namespace {

class EvaluateExpressionTest : public ExprDatabase {
protected:
    void SetUp() override
    {
        ExprDatabase::SetUp();
        run({"CREATE TABLE Orders (Item varchar(40), Qty int, Price float, Note text)",
             "INSERT INTO Orders VALUES ('Pen', 3, 1.5, 'x\":Message(\"injected\")')",
             "INSERT INTO Orders VALUES ('Ink', 5, 12.25, '')"});
    }

    ExprResult evaluate(const QString& expr, int offset = 0, bool logical = false)
    {
        return EvaluateExpression(caller, expr, offset, logical ? ExprKind::Condition : ExprKind::Calculation);
    }

    ExprCaller caller{context, 7, 42};
    MessageRecorder messages;
};

TEST_F(EvaluateExpressionTest, FieldValuesOfTheRecordAtTheOffset)
{
    const ExprResult result = evaluate("Orders.Qty * 2", 1);
    EXPECT_EQ(result.text, "10");
    EXPECT_FALSE(result.scriptError);
    EXPECT_EQ(evaluate("(Orders.Qty + 1) * 2").text, "8");
    EXPECT_EQ(evaluate("Orders.Item & Orders.Qty", 1).text, "Ink5") << "without the restoration & concatenates";
    EXPECT_EQ(evaluate("3.1423").text, "3.1423");
    EXPECT_EQ(evaluate("2.5 * 2").text, "5");
    EXPECT_EQ(evaluate("Orders.Price * 1.2").text, "1.8");
    EXPECT_EQ(evaluate("0.3 >= 0.5", 0, true).text, "0");
    EXPECT_EQ(evaluate("YEAR(#1/15/2027#)").text, "2027");
    EXPECT_EQ(evaluate("#1/15/2027# - #1/1/2027#").text, "14");
}

TEST_F(EvaluateExpressionTest, ConditionsWithTheLogicalWordsRestored)
{
    EXPECT_EQ(evaluate("Orders.Price > 10 AND Orders.Price < 20", 1, true).text, "-1");
    EXPECT_EQ(evaluate("Orders.Price > 10 AND Orders.Price < 20", 0, true).text, "0");
    EXPECT_EQ(evaluate("NOT Orders.Qty = 3 OR Orders.Qty > 4", 0, true).text, "0");
}

TEST_F(EvaluateExpressionTest, TextValuesAreDataNeverCode)
{
    EXPECT_EQ(evaluate("Orders.Note").text, "x\":Message(\"injected\")");
    EXPECT_EQ(evaluate("LEN(Orders.Note)", 1).text, "1") << "an empty text reads as one blank";
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(EvaluateExpressionTest, TheObjectsOwnFunctionsAndTheCallersRecordValues)
{
    EXPECT_EQ(evaluate("SUM(2147483647, 1)").text, "-2147483648");
    EXPECT_EQ(evaluate("AVG(1, 2)").text, "1.5");
    EXPECT_EQ(evaluate("TOTIMESTR(90061)").text, "1: 1: 1");
    EXPECT_EQ(evaluate("TONUMBER(\"12ab\")").text, "12");
    EXPECT_EQ(evaluate("RECNUM()").text, "7");
    EXPECT_EQ(evaluate("RECCOUNT()").text, "42");
    EXPECT_EQ(g_nRecNum, 7);
}

TEST_F(EvaluateExpressionTest, FailedScriptsLeaveThePreviousResult)
{
    ASSERT_EQ(evaluate("1 + 1").text, "2");
    const ExprResult syntax = evaluate("1 +* (");
    EXPECT_TRUE(syntax.scriptError);
    EXPECT_EQ(syntax.text, "2");
    EXPECT_TRUE(evaluate("LOWER(\"A\")").scriptError) << "LOWER is listed but nobody implements it";
    EXPECT_FALSE(evaluate("LCASE(\"A\")").scriptError);
    EXPECT_TRUE(messages.texts().isEmpty()) << "script errors are silent";
}

TEST_F(EvaluateExpressionTest, TooLongExpressionsAreRefusedWithAMessage)
{
    ASSERT_EQ(evaluate("1").text, "1");
    const ExprResult result = evaluate(QStringLiteral("1") + QString(299, u'0'));
    EXPECT_TRUE(result.scriptError);
    EXPECT_EQ(result.text, "1");
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages().front().text,
              "The expression is too long: without its spaces it may have at most 299 characters");
    EXPECT_EQ(messages.messages().front().caption, "Varnel Desk 5.0");
}

} // namespace
