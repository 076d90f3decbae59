// Rewriting expressions into script text over a real database, and wrapping them.
#include "logic/ExprScript.h"

#include "ExprDatabase.h"

namespace {

class ExprScriptTest : public ExprDatabase {
protected:
    void SetUp() override
    {
        ExprDatabase::SetUp();
        run({"CREATE TABLE Orders (Item varchar(40), Qty int, Price float, Note text, Shipped bit)",
             "INSERT INTO Orders VALUES ('Pen', 3, 1.5, 'first', true)",
             "INSERT INTO Orders VALUES ('Ink', 5, 12.25, 'second', false)",
             "INSERT INTO Orders VALUES ('', NULL, NULL, NULL, false)"});
    }

    QString converted(const QString& expr, int offset = 0)
    {
        QString text = expr;
        EXPECT_TRUE(ConvertExprToScript(context, text, offset)) << expr.toStdString();
        return text;
    }
};

TEST_F(ExprScriptTest, FieldReferencesTakeTheValuesOfTheRecordAtTheOffset)
{
    EXPECT_EQ(converted("Orders.Qty * 2", 1), "5*2");
    EXPECT_EQ(converted("Orders.Qty * 2"), "3*2");
    EXPECT_EQ(converted("(Orders.Qty + 1) * 2", 1), "(5+1)*2");
    EXPECT_EQ(converted("Orders.Price*Orders.Qty", 1), "12.25*5");
    EXPECT_EQ(converted("Orders.Shipped"), "-1");
    EXPECT_EQ(converted("Orders.Item & \"s\"", 1), "\"Ink\"&\"s\"");
    EXPECT_EQ(converted("Orders.Qty.extra", 1), "5") << "the field part ends at the next point";
}

TEST_F(ExprScriptTest, EmptyValuesBecomeABlankTextOrZero)
{
    EXPECT_EQ(converted("Orders.Item", 2), "\" \"");
    EXPECT_EQ(converted("Orders.Qty", 2), "0");
    EXPECT_EQ(converted("Orders.Price", 2), "0");
    EXPECT_EQ(converted("Orders.Qty", 9), "0") << "past the last record nothing is read";
}

TEST_F(ExprScriptTest, TextValuesStayTextWhateverTheyHold)
{
    run({"INSERT INTO Orders VALUES ('say \"hi\"', 1, 1, 'x\":Message(\"y\")', true)"});
    EXPECT_EQ(converted("Orders.Item", 3), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(converted("Orders.Note", 3), "\"x\"\":Message(\"\"y\"\")\"") << "long text is quoted too";
    EXPECT_EQ(converted("Orders.Note", 1), "\"second\"");

    CDbRecordset edit(context.connection, context.databasePath());
    ASSERT_TRUE(edit.Open(QStringLiteral("SELECT * FROM Orders"), 2, 3));
    ASSERT_TRUE(edit.MoveFirst());
    ASSERT_TRUE(edit.SetFieldString(3, QStringLiteral("two\r\nlines")));
    ASSERT_TRUE(edit.Update());
    edit.Close();
    EXPECT_EQ(converted("Orders.Note"), "(\"two\"+Chr(13)+\"\"+Chr(10)+\"lines\")");
}

TEST_F(ExprScriptTest, UnresolvedTokensKeepTheTextBeforeThePoint)
{
    EXPECT_EQ(converted("Nosuch.Qty + Orders.Nosuch"), "Nosuch+Orders");
    EXPECT_EQ(converted("LEN(\"a b\") + SUM(1,2)"), "LEN(\"ab\")+SUM(1,2)") << "spaces go even inside quotes";
    EXPECT_EQ(converted("#x# > 0"), "x>0") << "a hash sign that starts no date is dropped";
    EXPECT_EQ(converted("a <> b <= c >= d"), "a<>b<=c>=d");
    // A token that is not a plain name never reaches the lookup statement.
    EXPECT_EQ(converted("Orders.Qty;DELETE"), "Orders");
    EXPECT_EQ(converted("Orders'.Qty"), "Orders'");
}

TEST_F(ExprScriptTest, NumbersAndDateLiteralsAreCopiedWhole)
{
    EXPECT_EQ(converted("3.1423"), "3.1423");
    EXPECT_EQ(converted("Orders.Qty * 1.2 + .5 - 2."), "3*1.2+.5-2.");
    EXPECT_EQ(converted("#1/15/2027# > 0"), "#1/15/2027#>0");
    EXPECT_EQ(converted("#1/15/2027 10:30 AM#+1"), "#1/15/2027 10:30 AM#+1") << "the blanks of a date stay";
    EXPECT_EQ(converted("DATEDIFF(\"d\", #1/1/2027#, #1/15/2027#)"), "DATEDIFF(\"d\",#1/1/2027#,#1/15/2027#)");
    EXPECT_EQ(converted("1.2.3"), "1") << "not a number: cut at its point as before";

    run({"CREATE TABLE Visits (Due datetime)", "INSERT INTO Visits VALUES ('1/15/2027')"});
    EXPECT_TRUE(readsAsDate(converted("Visits.Due").mid(1).chopped(1)));
    EXPECT_TRUE(converted("Visits.Due").startsWith(u'#')) << "a date value is a date in the script";
}

TEST_F(ExprScriptTest, LogicalWordsAreReplacedAnywhereAndCanBeRestored)
{
    QString text = converted("Price > 10 AND Price < 20");
    EXPECT_EQ(text, "Price>10&Price<20");
    RestoreLogicalWords(text);
    EXPECT_EQ(text, "Price>10 And Price<20");

    QString all = converted("NOT a OR b");
    EXPECT_EQ(all, "!a|b");
    RestoreLogicalWords(all);
    EXPECT_EQ(all, " Not a Or b");
    EXPECT_EQ(converted("a and b"), "aandb") << "only the capital words are replaced";
    EXPECT_EQ(converted("Orders.Qty > 1 OR NOT Orders.Qty < 9", 1), "5>1|!5<9") << "references beside OR and NOT";
}

TEST_F(ExprScriptTest, CapitalWordsInsideNamesBreakTheReference)
{
    run({"CREATE TABLE NOTES (BRAND varchar(10))", "INSERT INTO NOTES VALUES ('x')"});
    EXPECT_EQ(converted("ORDERS.Qty * 2"), "|DERS*2");
    EXPECT_EQ(converted("NOTES.BRAND"), "!ES&") << "BRAND loses its AND as well";
}

TEST_F(ExprScriptTest, ExpressionsTooLongWithoutSpacesAreRefusedUnchanged)
{
    const QString longest = QString(kMaxExprLength, u'1') + QStringLiteral("   ");
    EXPECT_EQ(converted(longest), QString(kMaxExprLength, u'1'));
    QString tooLong = QString(kMaxExprLength + 1, u'1');
    EXPECT_FALSE(ConvertExprToScript(context, tooLong, 0));
    EXPECT_EQ(tooLong, QString(kMaxExprLength + 1, u'1'));
}

TEST(ExprScript, OperatorCharacters)
{
    QString out;
    for (const QChar c : QStringLiteral("%&()*+,-/<=>"))
        EXPECT_TRUE(IsExprOperator(c, out, false)) << int(c.unicode());
    EXPECT_TRUE(out.isEmpty());
    for (const QChar c : QStringLiteral("#|!.a \\^"))
        EXPECT_FALSE(IsExprOperator(c, out, true)) << int(c.unicode());
    EXPECT_TRUE(out.isEmpty());
    EXPECT_TRUE(IsExprOperator(u'<', out, true));
    EXPECT_TRUE(IsExprOperator(u'>', out, true));
    EXPECT_EQ(out, "<>");
}

TEST(ExprScript, WrappingAssignsResultUnlessTheTextMentionsIf)
{
    QString plain = QStringLiteral("5*2");
    WrapExprScript(plain);
    EXPECT_EQ(plain, "Dim Result\nResult =5*2\nShowResult(Result)");

    QString assigning = QStringLiteral("IfOrders.Modified>0ThenResult=1");
    WrapExprScript(assigning);
    EXPECT_EQ(assigning, "IfOrders.Modified>0ThenResult=1\nShowResult(Result)") << "the lower-case letters of Modified";

    QString capital = QStringLiteral("IF");
    WrapExprScript(capital);
    EXPECT_EQ(capital, "Dim Result\nResult =IF\nShowResult(Result)");
}

} // namespace
