// The statement a grid stands for, and what the engine returns for it: the generator and the engine must
// agree on every statement built here.
#include "QueryDatabase.h"

#include "logic/queries/QueryCriterion.h"

namespace {

class QueryStatement : public QueryDatabase {
protected:
    QString statement() { return GenerateQueryStatement(design).statement; }
    QStringList run() { return records(statement()); }

    QueryColumn& at(int n, const char* table, const char* field)
    {
        design.columns[n] = column(table, field);
        return design.columns[n];
    }

    QueryDesign design;
};

TEST_F(QueryStatement, TheExampleGridGivesItsStatementByteForByteAndRuns)
{
    at(0, "Orders", "Qty").criteria[0] = QStringLiteral(">5");
    design.columns[0].sort = QStringLiteral("Ascending");
    at(1, "Orders", "Price");
    EXPECT_EQ(statement(),
              QStringLiteral("SELECT Orders.Qty,Orders.Price FROM Orders  WHERE ((Orders.Qty >5) ) ORDER BY Orders.Qty ASC "));
    EXPECT_EQ(run(), QStringList({"7|2.5", "9|1.25"}));
    EXPECT_EQ(GenerateQueryStatement(design).attribs, QStringLiteral("11000000000000000000"));
}

TEST_F(QueryStatement, AGridWithoutFieldsSelectsNothingAndTheEngineRefusesIt)
{
    design.columns[0].table = QStringLiteral("Orders");
    EXPECT_EQ(statement(), QStringLiteral("SELECT FROM Orders "));
    EXPECT_EQ(run(), QStringList{"failed"});
}

TEST_F(QueryStatement, ATableInSeveralColumnsIsListedOnceAndBlankColumnsCountForNothing)
{
    at(0, "Orders", "OrderID");
    at(3, "Orders", "Qty").sort = QStringLiteral("Descending");
    at(7, "Orders", "Price").show = QStringLiteral("No");
    design.columns[9].criteria[0] = QStringLiteral(">1000"); // no field: not a used column
    EXPECT_EQ(statement(), QStringLiteral("SELECT Orders.OrderID,Orders.Qty FROM Orders  ORDER BY Orders.Qty DESC"));
    EXPECT_EQ(run(), QStringList({"12|9", "10|7", "11|3", "13|1"}));
    EXPECT_EQ(GenerateQueryStatement(design).attribs, QStringLiteral("11000000000000000000"));
}

TEST_F(QueryStatement, CriteriaInOneRowAreJoinedByAndAndRowsByOrWhileEmptyRowsAddNothing)
{
    at(0, "Orders", "OrderID");
    at(1, "Orders", "Qty").criteria[0] = QStringLiteral(">2");
    at(2, "Orders", "Price").criteria[0] = QStringLiteral("<5");
    design.columns[2].criteria[2] = QStringLiteral(">50");
    EXPECT_EQ(statement(), QStringLiteral("SELECT Orders.OrderID,Orders.Qty,Orders.Price FROM Orders WHERE "
                                          "((Orders.Qty >2 AND Orders.Price <5) OR (Orders.Price >50) ) "));
    EXPECT_EQ(run(), QStringList({"10|7|2.5", "12|9|1.25", "13|1|99.5"}));
}

TEST_F(QueryStatement, ARelationsJoinGoesBeforeTheWhereTextAndMatchesRecords)
{
    at(0, "Customers", "Name").sort = QStringLiteral("Ascending");
    at(1, "Orders", "Description").criteria[0] = QStringLiteral("LIKE 'S*'");
    design.joins << QueryJoin{"Customers", "CustID", "Orders", "CustID"};
    EXPECT_EQ(statement(), QStringLiteral("SELECT Customers.Name,Orders.Description FROM Customers,Orders    "
                                          "INNER JOIN (Customers ON Customers.CustID = Orders.CustID)  "
                                          "WHERE ((Orders.Description LIKE 'S*') ) ORDER BY Customers.Name ASC "));
    EXPECT_EQ(run(), QStringList({"O'Brien|Saw", "Smith, John|Screws"}));
}

TEST_F(QueryStatement, TwoJoinsNestAndAJoinWithoutCriteriaGoesBeforeTheSort)
{
    ASSERT_TRUE(exec(QStringLiteral("CREATE TABLE Cities (City varchar(40), Region varchar(40))")));
    ASSERT_TRUE(exec(QStringLiteral("INSERT INTO Cities VALUES ('Cork', 'Munster')")));
    at(0, "Cities", "Region");
    at(1, "Orders", "OrderID").sort = QStringLiteral("Ascending");
    design.joins << QueryJoin{"Customers", "CustID", "Orders", "CustID"} << QueryJoin{"Cities", "City", "Customers", "City"};
    EXPECT_EQ(statement(), QStringLiteral("SELECT Cities.Region,Orders.OrderID FROM Cities,Orders    INNER JOIN (Customers "
                                          "INNER JOIN (Cities ON Cities.City = Customers.City)  ON Customers.CustID = "
                                          "Orders.CustID)  ORDER BY Orders.OrderID ASC "));
    EXPECT_EQ(run(), QStringList({"Munster|10", "Munster|11"}));
}

TEST_F(QueryStatement, ADeleteGridDeletesWhatItsCriteriaMatch)
{
    design.type = QueryType::Delete;
    at(0, "Orders", "Qty").criteria[0] = QStringLiteral("<4");
    design.columns[0].sort = QStringLiteral("Ascending"); // a delete grid has no sort row
    EXPECT_EQ(statement(), QStringLiteral("DELETE  FROM Orders WHERE ((Orders.Qty <4) ) "));
    EXPECT_TRUE(exec(statement()));
    EXPECT_EQ(records(QStringLiteral("SELECT OrderID FROM Orders")), QStringList({"10", "12"}));
}

TEST_F(QueryStatement, CriteriaTextsWithQuotesCommasAndAccentsAreValuesNeverStatement)
{
    QueryColumn& name = at(0, "Customers", "Name");
    const auto match = [&](const char* criterion) {
        name.criteria[0] = QString::fromUtf8(criterion);
        return run();
    };
    EXPECT_EQ(match("O'Brien"), QStringList{"O'Brien"});
    EXPECT_EQ(match("='O'Brien'"), QStringList{"O'Brien"});
    EXPECT_EQ(match("\"Smith, John\""), QStringList{"Smith, John"});
    EXPECT_EQ(match("Müller"), QStringList{"Müller"});
    EXPECT_EQ(match("LIKE 'M*'"), QStringList{"Müller"});
    EXPECT_EQ(match("x' OR '1'='1"), QStringList());
    EXPECT_EQ(match("=x' OR Name LIKE '*"), QStringList());
    EXPECT_EQ(match("<>'O''Brien'"), QStringList({"Smith, John", "Müller"}));
    EXPECT_EQ(match("Is  Not Null").size(), 3);
}

TEST_F(QueryStatement, NamesWithBlanksAndWordsOfTheDialectAreQuotedAsNames)
{
    ASSERT_TRUE(exec(QStringLiteral("CREATE TABLE 'Order Lines' ('Unit Price' double, 'Order' int)")));
    ASSERT_TRUE(exec(QStringLiteral("INSERT INTO 'Order Lines' VALUES (4.5, 1)")));
    ASSERT_TRUE(exec(QStringLiteral("INSERT INTO 'Order Lines' VALUES (8, 2)")));
    at(0, "Order Lines", "Unit Price").criteria[0] = QStringLiteral(">5");
    at(1, "Order Lines", "Order").sort = QStringLiteral("Descending");
    EXPECT_EQ(statement(), QStringLiteral("SELECT 'Order Lines'.'Unit Price','Order Lines'.'Order' FROM 'Order Lines'  "
                                          "WHERE (('Order Lines'.'Unit Price' >5) ) ORDER BY 'Order Lines'.'Order' DESC"));
    EXPECT_EQ(run(), QStringList{"8|2"});
}

TEST(QueryCriterion, OperatorsAndValues)
{
    EXPECT_EQ(QueryCriterionSql(QStringLiteral(">5")), QStringLiteral(">5"));
    EXPECT_EQ(QueryCriterionSql(QStringLiteral(" >= -2.5 ")), QStringLiteral(">=-2.5"));
    EXPECT_EQ(QueryCriterionSql(QStringLiteral("5")), QStringLiteral("=5"));
    EXPECT_EQ(QueryCriterionSql(QStringLiteral("007")), QStringLiteral("='007'"));
    EXPECT_EQ(QueryCriterionSql(QStringLiteral("not like \"a  b*\"")), QStringLiteral("NOT LIKE 'a  b*'"));
    EXPECT_EQ(QueryCriterionSql(QStringLiteral("LIKEly")), QStringLiteral("='LIKEly'"));
    EXPECT_EQ(QueryCriterionSql(QStringLiteral("=[Which city]")), QStringLiteral("=[Which city]"));
    EXPECT_EQ(QueryCriterionSql(QStringLiteral("true")), QStringLiteral("=TRUE"));
    EXPECT_EQ(QueryCriterionSql(QStringLiteral("is null")), QStringLiteral("IS NULL"));
    EXPECT_EQ(QueryCriterionSql(QStringLiteral("=")), QStringLiteral("=''"));
    EXPECT_FALSE(ReadsAsNumber(QStringLiteral(".")));
    EXPECT_FALSE(ReadsAsNumber(QStringLiteral("1e")));
    EXPECT_TRUE(ReadsAsNumber(QStringLiteral("0.5")));
    EXPECT_TRUE(ReadsAsNumber(QStringLiteral("2e3")));
}

} // namespace
