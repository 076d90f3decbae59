// What the expression builder lists, inserts and accepts, over a real database.
#include "logic/ExprBuilder.h"

#include "data/Catalogue.h"

#include "ExprDatabase.h"
#include "support/MessageRecorder.h"

namespace {

class ExprBuilderTest : public ExprDatabase {
protected:
    void SetUp() override
    {
        ExprDatabase::SetUp();
        for (const CatalogueTable& table : catalogueTables())
            for (const QString& statement : table.statements)
                run({statement.toUtf8().constData()});
        run({"CREATE TABLE Orders (Item varchar(40), Qty int)", "CREATE TABLE 'Old Stock' (Code int)",
             "INSERT INTO Orders VALUES ('Pen', 3)"});
    }

    ExprBuilder builder{context};
};

TEST_F(ExprBuilderTest, FixedCategoriesAndGroups)
{
    EXPECT_EQ(ExprBuilder::categories(), QStringList({"Functions", "Constants", "Operators", "Tables", "Queries"}));
    EXPECT_EQ(builder.groups(kFunctions),
              QStringList({"<All>", "Aggregate", "Mathematical", "String", "Date/Time", "Conversion"}));
    EXPECT_EQ(builder.groups(kConstants), QStringList({"<All>"}));
    EXPECT_EQ(builder.groups(kOperators), QStringList({"<All>"}));
}

TEST_F(ExprBuilderTest, FixedItemsKeepTheirBlanks)
{
    EXPECT_EQ(builder.items(kFunctions, "Aggregate"), QStringList({" AVG ", " MAX ", " MIN ", " RECCOUNT ", " RECNUM "}));
    const QStringList dates = builder.items(kFunctions, "Date/Time");
    EXPECT_EQ(dates.size(), 8);
    EXPECT_EQ(dates.last(), " DatePart");
    const QStringList all = builder.items(kFunctions, "<All>");
    EXPECT_EQ(all.size(), 41);
    EXPECT_EQ(all.first(), " SUM ");
    EXPECT_EQ(all.last(), " TOTIMESTR ");
    EXPECT_EQ(all.count(" TAN "), 2);
    EXPECT_TRUE(all.contains(" LOWER "));
    EXPECT_FALSE(all.contains(" INITCAP ")) << "INITCAP is only in the String group";
    EXPECT_EQ(builder.items(kConstants, "<All>"), QStringList({" TRUE ", " FALSE ", " NULL ", " NOW ", " 3.1423 "}));
    const QStringList operators = builder.items(kOperators, "<All>");
    EXPECT_EQ(operators.size(), 18);
    EXPECT_EQ(operators.at(10), " \\ ");
    EXPECT_EQ(operators.at(11), " #");
    EXPECT_EQ(operators.last(), " | ");
}

TEST_F(ExprBuilderTest, InsertionsAndExamples)
{
    EXPECT_EQ(ExprBuilder::insertedText(kFunctions, "<All>", " SUM "), " SUM ");
    EXPECT_EQ(ExprBuilder::insertedText(kTables, "Orders", "Qty"), "Orders.Qty");
    EXPECT_EQ(ExprBuilder::insertedText(kQueries, "Cheap", "Item"), "Cheap.Item");
    EXPECT_EQ(ExprBuilder::exampleText(" SUM "), "SUM(number,number)");
    EXPECT_EQ(ExprBuilder::exampleText(" INSTR "), "INSTR(\"Main text\",\"Sub Text\")");
    EXPECT_EQ(ExprBuilder::exampleText(" TOTIMESTR "), "TOTIMESTR(number)");
    EXPECT_EQ(ExprBuilder::exampleText(" DatePart"), "") << "the Date/Time group's own spelling has no example";
    EXPECT_EQ(ExprBuilder::exampleText(" TRUE "), "");
}

TEST_F(ExprBuilderTest, OperatorButtonsInsertTheirTextBetweenBlanks)
{
    EXPECT_EQ(ExprBuilder::operatorText(263), " + ");
    EXPECT_EQ(ExprBuilder::operatorText(340), " <> ");
    EXPECT_EQ(ExprBuilder::operatorText(350), " ) ");
    EXPECT_EQ(ExprBuilder::operatorText(364), " AND ");
    EXPECT_EQ(ExprBuilder::operatorText(384), " OR ");
    EXPECT_EQ(ExprBuilder::operatorText(369), " NOT ");
    EXPECT_EQ(ExprBuilder::operatorText(389), "") << "LIKE inserts nothing";
}

TEST_F(ExprBuilderTest, TablesAreEveryUserTableWithItsColumns)
{
    EXPECT_EQ(builder.groups(kTables), QStringList({"Orders", "Old Stock"}));
    EXPECT_EQ(builder.items(kTables, "Orders"), QStringList({"Item", "Qty"}));
    EXPECT_EQ(builder.items(kTables, "Old Stock"), QStringList({"Code"}));
    EXPECT_TRUE(builder.items(kTables, "Gone").isEmpty());
}

TEST_F(ExprBuilderTest, QueriesListTheColumnsOfTheirStoredSelect)
{
    run({"INSERT INTO XNSysQueries (QueryID, QueryName, QueryStmt) VALUES (1, 'Cheap', 'SELECT Item FROM Orders')",
         "INSERT INTO XNSysQueries (QueryID, QueryName, QueryStmt) VALUES (2, 'Purge', 'DELETE FROM Orders')",
         "INSERT INTO XNSysQueries (QueryID, QueryName, QueryStmt) VALUES (3, 'It''s', 'SELECT Qty FROM Orders')"});
    EXPECT_EQ(builder.groups(kQueries), QStringList({"Cheap", "Purge", "It's"}));
    EXPECT_EQ(builder.items(kQueries, "Cheap"), QStringList({"Item"}));
    EXPECT_EQ(builder.items(kQueries, "It's"), QStringList({"Qty"}));
    EXPECT_TRUE(builder.items(kQueries, "Purge").isEmpty());
    CDbRecordset orders(context.connection, context.databasePath());
    ASSERT_TRUE(orders.Open(QStringLiteral("SELECT * FROM Orders"), 0, 1));
    EXPECT_FALSE(orders.IsEOF()) << "listing an action query's columns must not run it";
}

TEST_F(ExprBuilderTest, ValidationRulesMustBeConditions)
{
    MessageRecorder messages;
    EXPECT_FALSE(ExprBuilder::acceptText("Orders.Qty > 0", kValidationRule));
    EXPECT_TRUE(ExprBuilder::acceptText(" > 0", kValidationRule));
    EXPECT_TRUE(ExprBuilder::acceptText("<>5", kValidationRule));
    EXPECT_TRUE(ExprBuilder::acceptText("= 1", kValidationRule));
    EXPECT_TRUE(ExprBuilder::acceptText("!x", kValidationRule));
    EXPECT_TRUE(ExprBuilder::acceptText("", kValidationRule));
    EXPECT_TRUE(ExprBuilder::acceptText("Orders.Qty", kDefaultValue));
    EXPECT_TRUE(ExprBuilder::acceptText("Orders.Qty * 2", kCalculation));
    EXPECT_FALSE(ExprBuilder::acceptText("NOT x", 2)) << "other modes keep the rule";
    ASSERT_EQ(messages.texts(), QStringList({"Enter a Conditional expression", "Enter a Conditional expression"}));
    EXPECT_EQ(messages.messages().front().caption, "Varnel Desk 5.0");
}

TEST_F(ExprBuilderTest, TheDesignersFieldRuleIsReadFromTheCatalogue)
{
    CDbRecordset ids(context.connection, context.databasePath());
    ASSERT_TRUE(ids.Open(QStringLiteral("SELECT TableID FROM MSysTables WHERE TableName = 'Orders'"), 0, 1));
    const QString ordersId = ids.GetFieldString(0);
    run({QStringLiteral("INSERT INTO XNSysFields (TableID, FieldName, DefValue, ValdnRule) VALUES (%1, 'Qty', '1', "
                        "'> 0')")
             .arg(ordersId)
             .toUtf8()
             .constData()});

    EXPECT_EQ(builder.storedFieldRule("Orders", "Qty", kValidationRule), "> 0");
    EXPECT_EQ(builder.storedFieldRule("Orders", "Qty", kDefaultValue), "1");
    EXPECT_EQ(builder.storedFieldRule("Orders", "Qty", kCalculation), std::nullopt);
    EXPECT_EQ(builder.storedFieldRule("Orders", "Item", kValidationRule), std::nullopt);
    EXPECT_EQ(builder.storedFieldRule("No'table", "Qty", kValidationRule), std::nullopt);
}

} // namespace
