// The designer without its window: choosing tables and joins, filling the grid, saving, loading, running
// and closing, with the messages and prompts of each.
#include "QueryDatabase.h"

#include "logic/queries/QueryBuilder.h"
#include "logic/queries/QueryDesigner.h"
#include "data/QueryStore.h"
#include "logic/queries/StoredQuery.h"
#include "platform/framework/Prompts.h"

#include "support/MessageRecorder.h"

namespace {

using framework::Answer;
using Outcome = QueryDesigner::Outcome;

class QueryDesignerTest : public QueryDatabase {
protected:
    void SetUp() override
    {
        QueryDatabase::SetUp();
        m_previous = framework::setPromptResponder([this](const framework::PromptRequest& request) {
            prompts << request.title + QLatin1Char('|') + request.prompt + QLatin1Char('|') + request.buttonText;
            return answers.isEmpty() ? std::optional<QString>() : answers.takeFirst();
        });
    }
    void TearDown() override { framework::setPromptResponder(std::move(m_previous)); }

    // Customers' names with their orders' quantities above 5, by name.
    void fillShopGrid(QueryDesigner& designer)
    {
        designer.chooseTables({QStringLiteral("Customers"), QStringLiteral("Orders")});
        designer.setCell(0, 0, QStringLiteral("Customers.Name"));
        designer.setCell(2, 0, QStringLiteral("Ascending"));
        designer.setCell(0, 2, QStringLiteral("Orders.Qty"));
        designer.setCell(4, 2, QStringLiteral(">5"));
    }

    MessageRecorder messages;
    QStringList prompts;
    QList<std::optional<QString>> answers;

private:
    framework::PromptResponder m_previous;
};

TEST_F(QueryDesignerTest, ChosenTablesBringTheirRelationsJoinAndTheGridOffersTheirFields)
{
    QueryDesigner designer(context);
    EXPECT_EQ(designer.tables(), QStringList({"Customers", "Orders"}));
    designer.chooseTables({QStringLiteral("Orders"), QStringLiteral("Customers")});
    ASSERT_EQ(designer.joins().size(), 1);
    EXPECT_EQ(designer.joins().first().text(), QStringLiteral("Customers.CustID = Orders.CustID"));
    EXPECT_EQ(designer.cellChoices(0).mid(0, 3), QStringList({"Orders.OrderID", "Orders.CustID", "Orders.Qty"}));
    EXPECT_EQ(designer.cellChoices(1), QStringList({"Orders", "Customers"}));
    EXPECT_EQ(designer.rowLabels(), QStringList({"Field", "Table", "Sort", "Show", "Criteria", "Or", "", ""}));

    designer.chooseTables({QStringLiteral("Orders")});
    EXPECT_TRUE(designer.joins().isEmpty()) << "a join of a table no longer chosen goes";
    designer.setType(QueryType::Delete);
    EXPECT_EQ(designer.rowLabels(), QStringList({"Field", "Table", "Criteria", "Or", "", ""}));
}

TEST_F(QueryDesignerTest, ASavedQueryLoadsBackIntoTheSameGrid)
{
    QueryDesigner designer(context);
    fillShopGrid(designer);
    designer.setCell(3, 2, QStringLiteral("No"));
    designer.setCell(5, 0, QStringLiteral("Smith, John"));
    EXPECT_EQ(designer.cell(1, 0), QStringLiteral("Customers")) << "a Field cell fills its Table cell";
    answers << QStringLiteral("Big orders");
    EXPECT_EQ(designer.save(), Outcome::Close);
    EXPECT_EQ(prompts, QStringList({"Save Query|\n  Query Name :|Save"}));
    EXPECT_FALSE(designer.changed());

    QueryDesigner edited(context, QStringLiteral("Big orders"));
    ASSERT_TRUE(edited.loaded());
    EXPECT_FALSE(edited.editingText());
    EXPECT_EQ(edited.chosenTables(), QStringList({"Customers", "Orders"}));
    EXPECT_EQ(edited.joins(), designer.joins());
    EXPECT_EQ(edited.cell(0, 1), QStringLiteral("Orders.Qty")) << "the gap closes";
    EXPECT_EQ(edited.cell(3, 1), QStringLiteral("No")) << "and the Show flag moves with its column";
    EXPECT_EQ(edited.cell(3, 0), QString());
    EXPECT_EQ(edited.cell(5, 0), QStringLiteral("Smith, John"));
    EXPECT_EQ(edited.statement(), designer.statement());
    EXPECT_EQ(records(edited.statement()), QStringList({"O'Brien", "Smith, John"}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(QueryDesignerTest, ATypedFieldNameIsCompletedToAFieldOfTheChosenTables)
{
    ASSERT_TRUE(exec(QStringLiteral("CREATE TABLE Parts (PartNo int, Part varchar(10))")));
    HeadlessDatabaseWindow window;
    ASSERT_TRUE(fDBInit(context, window));
    QueryDesigner designer(context);
    designer.chooseTables({QStringLiteral("Orders"), QStringLiteral("Customers"), QStringLiteral("Parts")});

    designer.setCell(0, 0, QStringLiteral("n"));
    EXPECT_EQ(designer.cell(0, 0), QStringLiteral("Customers.Name")) << "the start of a name, in any case";
    EXPECT_EQ(designer.cell(1, 0), QStringLiteral("Customers"));
    designer.setCell(0, 1, QStringLiteral("custid"));
    EXPECT_EQ(designer.cell(0, 1), QStringLiteral("Orders.CustID")) << "the first chosen table's field";
    designer.setCell(1, 2, QStringLiteral("Customers"));
    designer.setCell(0, 2, QStringLiteral("CustID"));
    EXPECT_EQ(designer.cell(0, 2), QStringLiteral("Customers.CustID")) << "the column's own table first";
    designer.setCell(0, 3, QStringLiteral("part"));
    EXPECT_EQ(designer.cell(0, 3), QStringLiteral("Parts.Part")) << "a whole name before a longer one it begins";
    designer.setCell(0, 4, QStringLiteral("orders.q"));
    EXPECT_EQ(designer.cell(0, 4), QStringLiteral("Orders.Qty"));
    int column = 7;
    for (const QString& typed : {QStringLiteral("Zip"), QStringLiteral("Stock.Name"), QStringLiteral("*")}) {
        designer.setCell(0, column, typed);
        EXPECT_EQ(designer.cell(0, column++), typed) << "what begins no field is kept as typed";
    }
    designer.setCell(1, 6, QStringLiteral("Orders"));
    designer.setCell(0, 6, QStringLiteral("*"));
    EXPECT_EQ(designer.cell(0, 6), QStringLiteral("Orders.*")) << "a bare name keeps the column's Table cell";
    EXPECT_EQ(designer.cell(1, 6), QStringLiteral("Orders"));

    QueryDesigner typed(context);
    typed.chooseTables({QStringLiteral("Customers")});
    typed.setCell(0, 0, QStringLiteral("N"));
    typed.setCell(4, 0, QStringLiteral("='Müller'"));
    answers << QStringLiteral("Typed names");
    ASSERT_EQ(typed.save(), Outcome::Close);
    const std::optional<StoredQuery> row = QueryStore(context).find(QStringLiteral("Typed names"));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->select, QStringLiteral("Customers.Name,"));
    EXPECT_EQ(row->from, QStringLiteral("Customers,"));
    EXPECT_EQ(records(row->statement), QStringList({"Müller"}));
}

TEST_F(QueryDesignerTest, SavingRefusesATakenNameAndAnEditedQueryKeepsItsIdWithTheNewStatement)
{
    QueryDesigner first(context);
    fillShopGrid(first);
    answers << QStringLiteral("Big");
    ASSERT_EQ(first.save(), Outcome::Close);

    QueryDesigner second(context);
    answers << QStringLiteral(" Big ");
    EXPECT_EQ(second.save(), Outcome::Stay);
    EXPECT_EQ(messages.texts(), QStringList({"Query Name already exists"}));
    EXPECT_EQ(second.save(), Outcome::Stay) << "a cancelled name prompt saves nothing";

    QueryDesigner edited(context, QStringLiteral("Big"));
    edited.setCell(4, 1, QStringLiteral(">8"));
    EXPECT_EQ(edited.save(), Outcome::Close);
    const std::optional<StoredQuery> row = QueryStore(context).find(QStringLiteral("Big"));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->id, 1);
    EXPECT_EQ(row->statement, edited.statement());
    EXPECT_EQ(records(row->statement), QStringList({"Smith, John|9"}));
}

TEST_F(QueryDesignerTest, AStatementThatDoesNotOpenIsEditedAsTextAndSavedAsTyped)
{
    StoredQuery row = StoredQueryFrom(QueryDesign(), QStringLiteral("Typed"), 0);
    row.statement = QStringLiteral("SELECT Nothing FROM Nowhere");
    ASSERT_TRUE(QueryStore(context).add(row));
    QueryDesigner designer(context, QStringLiteral("Typed"));
    ASSERT_TRUE(designer.editingText());
    EXPECT_EQ(designer.statementText(), row.statement);
    EXPECT_EQ(designer.run(), Outcome::Stay);
    EXPECT_EQ(messages.texts(), QStringList({"Failed Execute the query"}));

    designer.editAsText(QStringLiteral("SELECT Name FROM Customers WHERE City = [Town]"));
    messages.answer(Answer::Yes);
    EXPECT_EQ(designer.close(), Outcome::Close);
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Do you want to save the changes?"));
    EXPECT_EQ(messages.messages().back().buttons, framework::Buttons::YesNoCancel);
    EXPECT_EQ(QueryStore(context).find(QStringLiteral("Typed"))->statement, designer.statementText());
}

TEST_F(QueryDesignerTest, RunAsksTheParametersAndHandsOverTheStatementToShow)
{
    QueryDesigner designer(context);
    fillShopGrid(designer);
    designer.setCell(4, 0, QStringLiteral("=[Who]"));
    messages.answer(Answer::Cancel);
    EXPECT_EQ(designer.run(), Outcome::Stay) << "the unsaved change is offered for saving first";
    EXPECT_TRUE(prompts.isEmpty());

    messages.answer(Answer::No);
    answers << QStringLiteral("O'Brien");
    EXPECT_EQ(designer.run(), Outcome::ShowResult);
    EXPECT_EQ(prompts, QStringList({"Enter the parameter|[Who]|OK"}));
    EXPECT_EQ(records(designer.resultStatement()), QStringList({"O'Brien|7"}));

    messages.answer(Answer::Yes);
    answers << QStringLiteral("Who ordered");
    EXPECT_EQ(designer.run(), Outcome::Stay) << "a cancelled parameter abandons the run";
    EXPECT_EQ(messages.texts(), QStringList(3, QStringLiteral("Do you want to save the changes?")));
    EXPECT_TRUE(QueryStore(context).exists(QStringLiteral("Who ordered"))) << "Yes saved the query first";
}

TEST_F(QueryDesignerTest, ADeleteRunsOnceAndOnlyAfterTheUserAgrees)
{
    QueryDesigner designer(context);
    designer.setType(QueryType::Delete);
    designer.chooseTables({QStringLiteral("Orders")});
    designer.setCell(0, 0, QStringLiteral("Orders.Qty"));
    designer.setCell(2, 0, QStringLiteral("<[Below]"));
    answers << QStringLiteral("4") << QStringLiteral("4");
    messages.answer(Answer::No);
    EXPECT_EQ(designer.run(), Outcome::Stay);
    EXPECT_EQ(records(QStringLiteral("SELECT OrderID FROM Orders")).size(), 4);
    EXPECT_EQ(designer.run(), Outcome::Stay);
    EXPECT_EQ(messages.texts(), QStringList({"Do you want to delete the records?", "Do you want to delete the records?"}));
    EXPECT_EQ(records(QStringLiteral("SELECT OrderID FROM Orders")), QStringList({"10", "12"}));
}

TEST_F(QueryDesignerTest, ClosingAsksOnlyAfterAChangeAndCancelStays)
{
    QueryDesigner designer(context);
    EXPECT_EQ(designer.close(), Outcome::Close);
    designer.setCell(0, 0, QStringLiteral("Orders.Qty"));
    messages.answer(Answer::Cancel);
    EXPECT_EQ(designer.close(), Outcome::Stay);
    messages.answer(Answer::No);
    EXPECT_EQ(designer.close(), Outcome::Close);
    EXPECT_EQ(messages.texts().size(), 2);
}

TEST_F(QueryDesignerTest, TheBuilderAppendsWordsAndNamesAndEditsAtTheCaret)
{
    QueryBuilder builder(context, QString());
    builder.appendWord(QueryBuilder::buttonWord(264));
    builder.appendField(QStringLiteral("Customers"), QStringLiteral("Name"));
    builder.appendWord(QueryBuilder::buttonWord(302));
    builder.appendName(QStringLiteral("Order Lines"));
    EXPECT_EQ(builder.text(), QStringLiteral("Select Customers.Name From 'Order Lines'"));
    builder.setText(QStringLiteral("Qty > 15"), 7);
    builder.backspace();
    builder.enterDigit(2);
    builder.deleteForward();
    EXPECT_EQ(builder.text(), QStringLiteral("Qty > 2"));
    EXPECT_EQ(QueryBuilder::buttonWord(366), QStringLiteral("Order By"));
    EXPECT_EQ(builder.fields(QStringLiteral("Customers")), QStringList({"CustID", "Name", "City"}));
}

} // namespace
