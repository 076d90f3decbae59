// Storing edited cells: the field checks, the engine's refusal and the validation rules.
#include "DatasheetFixture.h"

using namespace fieldtypes;

namespace {

class DatasheetEditTest : public DatasheetFixture {
protected:
    void SetUp() override
    {
        createTable("People", {field("Name", kText, {{"Unique", "Yes"}, {"AllowZeroLength", "Yes"}}),
                               field("Code", kText, {{"Validation Rule", "=\"abc\""}, {"Validation Text", "Only abc"},
                                                     {"AllowZeroLength", "Yes"}}),
                               field("Age", kInteger, {{"Validation Rule", ">0 And <100"}})});
        ASSERT_TRUE(run("INSERT INTO People (Name, Code, Age) VALUES ('abc', 'abc', 30)"));
        ASSERT_TRUE(run("INSERT INTO People (Name, Code, Age) VALUES ('Bob', 'zzz', 40)"));
        ASSERT_TRUE(open("People"));
    }
    QList<QStringList> people() { return select("SELECT Name, Code, Age FROM People"); }
};

TEST_F(DatasheetEditTest, UniqueFieldRefusesARedundantValue)
{
    EXPECT_FALSE(edit(2, 0, "abc"));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Name Cannot have redundant data");
    EXPECT_EQ(messages.messages()[0].caption, "Varnel Desk 5.0");
    EXPECT_EQ(messages.messages()[0].icon, framework::Icon::Information);
    EXPECT_EQ(grid.text(2, 1), "Bob");
    EXPECT_EQ(people()[1][0], "Bob");
    // The same value typed again into its own record is no change at all.
    messages.clear();
    EXPECT_TRUE(edit(1, 0, "abc"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(DatasheetEditTest, QuotesAndSqlTextAreStoredAndFoundExactly)
{
    EXPECT_TRUE(edit(2, 0, "O'Brien"));
    EXPECT_TRUE(edit(1, 0, "' OR 1=1 --"));
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(people()[0][0], "' OR 1=1 --");
    EXPECT_EQ(people()[1][0], "O'Brien");
    EXPECT_FALSE(edit(2, 0, "' OR 1=1 --"));
    EXPECT_FALSE(edit(1, 0, "O'Brien"));
    EXPECT_EQ(messages.texts(), QStringList({"Name Cannot have redundant data", "Name Cannot have redundant data"}));
    EXPECT_TRUE(edit(2, 0, "' OR 1=2 --"));
}

TEST_F(DatasheetEditTest, TextRuleAcceptsOnlyItsValue)
{
    EXPECT_FALSE(edit(1, 1, "abd"));
    EXPECT_EQ(messages.texts(), QStringList({"Only abc"}));
    EXPECT_EQ(grid.text(1, 2), "abc");
    EXPECT_EQ(people()[0][1], "abc");
    messages.clear();
    EXPECT_TRUE(edit(2, 1, "abc"));
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(people()[1][1], "abc");
}

TEST_F(DatasheetEditTest, IntegerRuleIsTestedOnTheEnteredValue)
{
    EXPECT_TRUE(edit(1, 2, "99"));
    EXPECT_FALSE(edit(1, 2, "150"));
    EXPECT_FALSE(edit(2, 2, "0"));
    EXPECT_EQ(messages.texts(), QStringList({"Entered Data is not valid", "Entered Data is not valid"}));
    EXPECT_EQ(people(), QList<QStringList>({{"abc", "abc", "99"}, {"Bob", "zzz", "40"}}));
    EXPECT_EQ(grid.text(1, 3), "99");
    EXPECT_EQ(grid.text(2, 3), "40");
}

TEST_F(DatasheetEditTest, AValueOfTheWrongKindIsRefusedBeforeTheWriteNamingTheField)
{
    createTable("Stock", {field("Item", kText, {{"Field Size", "5"}}), field("Count", kInteger),
                          field("Price", kDouble), field("Arrived", kDateTime)});
    ASSERT_TRUE(run("INSERT INTO Stock (Item, Count, Price, Arrived) VALUES ('pen', 3, 1.5, '1/15/2027')"));
    ASSERT_TRUE(open("Stock"));
    EXPECT_FALSE(edit(1, 1, "abc"));
    EXPECT_FALSE(edit(1, 1, "99999999999"));
    EXPECT_FALSE(edit(1, 1, "1234.99")) << "a decimal is refused, never rounded";
    EXPECT_FALSE(edit(1, 2, "cheap"));
    EXPECT_FALSE(edit(1, 3, "31/31/2024"));
    EXPECT_FALSE(edit(1, 0, "pencil"));
    EXPECT_EQ(messages.texts(), QStringList({"Count takes a whole number from -2147483648 to 2147483647",
                                             "Count takes a whole number from -2147483648 to 2147483647",
                                             "Count takes a whole number from -2147483648 to 2147483647",
                                             "Price takes a number", "Arrived takes a date, such as 1/15/2027",
                                             "Item takes at most 5 characters; the text has 6"}));
    EXPECT_EQ(messages.messages()[0].icon, framework::Icon::Information);
    EXPECT_EQ(select("SELECT Item, Count, Price FROM Stock"), QList<QStringList>({{"pen", "3", "1.5"}}));
    EXPECT_EQ(grid.text(1, 2), "3");

    // What does fit goes in: the limits themselves, a blank number, a date the engine reads.
    messages.clear();
    EXPECT_TRUE(edit(1, 1, "12.0"));
    EXPECT_EQ(select("SELECT Count FROM Stock"), QList<QStringList>({{"12"}}));
    EXPECT_TRUE(edit(1, 1, "-2147483648"));
    EXPECT_TRUE(edit(1, 2, ""));
    EXPECT_TRUE(edit(1, 3, "12/31/2024"));
    EXPECT_TRUE(edit(1, 0, "penny"));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
    EXPECT_EQ(select("SELECT Item, Count FROM Stock"), QList<QStringList>({{"penny", "-2147483648"}}));
}

TEST_F(DatasheetEditTest, AValueTheRuleRefusesNeverReachesTheFile)
{
    QList<QList<QStringList>> whileShown;
    framework::MessageResponder previous = framework::setMessageResponder([&](const framework::MessageRequest&) {
        whileShown << people();
        return framework::Answer::Ok;
    });
    EXPECT_FALSE(edit(1, 2, "150"));
    // A row being added that its rule refuses is not created at all, and stays to be filled in.
    sheet.addRecord();
    EXPECT_FALSE(edit(3, 2, "0"));
    framework::setMessageResponder(std::move(previous));

    const QList<QStringList> before = {{"abc", "abc", "30"}, {"Bob", "zzz", "40"}};
    EXPECT_EQ(whileShown, QList<QList<QStringList>>({before, before}));
    EXPECT_EQ(people(), before);
    EXPECT_EQ(sheet.recordCount(), 2);
    EXPECT_TRUE(sheet.isNewRecord());
    EXPECT_TRUE(edit(3, 2, "5"));
    EXPECT_EQ(people().size(), 3);
    EXPECT_EQ(sheet.recordCount(), 3);
    EXPECT_TRUE(edit(1, 2, "31")) << "the recordset goes on after a rollback";
    EXPECT_EQ(people()[0][2], "31");
}

TEST_F(DatasheetEditTest, RulesOfOtherTypesSeeTheirValueAsData)
{
    createTable("Visits", {field("Due", kDateTime, {{"Validation Rule", ">#1/1/2026#"}}),
                           field("Note", kMemo, {{"Validation Rule", "<>\"x\""}, {"AllowZeroLength", "Yes"}})});
    ASSERT_TRUE(run("INSERT INTO Visits (Due, Note) VALUES ('2/1/2026', 'a')"));
    ASSERT_TRUE(open("Visits"));
    EXPECT_TRUE(edit(1, 0, "3/1/2026"));
    EXPECT_FALSE(edit(1, 0, "12/1/2025"));
    EXPECT_FALSE(edit(1, 1, "x"));
    EXPECT_TRUE(edit(1, 1, "y\":DeleteRecord(\""));
    EXPECT_EQ(messages.texts(), QStringList({"Entered Data is not valid", "Entered Data is not valid"}));
    EXPECT_EQ(select("SELECT Note FROM Visits"), QList<QStringList>({{"y\":DeleteRecord(\""}}));
}

TEST(ValidationExpression, CompletesTheRuleWithTheValue)
{
    EXPECT_EQ(validationExpression(12, "=\"abc\"", "abd"), "\"abd\"=\"abc\"");
    EXPECT_EQ(validationExpression(12, "\"abc\"", "abc"), "\"abc\" = \"abc\"");
    EXPECT_EQ(validationExpression(12, "<5 And Len", "abc"), "LEN(\"abc\")<5 And Len");
    EXPECT_EQ(validationExpression(12, "=\"a\"", "say \"hi\""), "\"say \"\"hi\"\"\"=\"a\"");
    EXPECT_EQ(validationExpression(4, ">0 And <100", "5"), "5 >0 And 5 <100");
    EXPECT_EQ(validationExpression(4, "=7", ""), "0=7");
    EXPECT_EQ(validationExpression(4, "<>7", "3"), "3 <>7");
    EXPECT_EQ(validationExpression(8, ">=1.5", "2"), "2 >=1.5");
}

TEST(ValidationExpression, TextComparedWithLessOrGreaterGetsTheValue)
{
    EXPECT_EQ(validationExpression(12, "<\"m\"", "abc"), "\"abc\" <\"m\"");
    EXPECT_EQ(validationExpression(12, ">=\"a\" And <=\"m\"", "k"), "\"k\" >=\"a\" And \"k\" <=\"m\"");
    EXPECT_EQ(validationExpression(12, "<>\"a<b\"", "x"), "\"x\" <>\"a<b\"") << "signs inside quotes stay";
}

TEST(ValidationExpression, ValuesAreDataOfTheFieldsType)
{
    // A long text is a text like any other, never script code.
    EXPECT_EQ(validationExpression(-1, "<>\"x\"", "a\":DeleteRecord(\""), "\"a\"\":DeleteRecord(\"\"\" <>\"x\"");
    EXPECT_EQ(validationExpression(-1, "\"abc\"", "abc"), "\"abc\" = \"abc\"");
    EXPECT_EQ(validationExpression(11, ">#1/1/2026#", "1/2/2026"), "#1/2/2026# >#1/1/2026#");
    EXPECT_EQ(validationExpression(-7, "=True", "YES"), "True=True");
    EXPECT_EQ(validationExpression(-7, "=True", "NO"), "False=True");
    // What does not read as the field's type has nothing the rule could pass.
    EXPECT_EQ(validationExpression(11, ">#1/1/2026#", "soon"), std::nullopt);
    EXPECT_EQ(validationExpression(4, ">0", "1:Message(1)"), std::nullopt);
    EXPECT_EQ(validationExpression(8, ">0", "2.5e3"), "2.5e3 >0");
}

} // namespace
