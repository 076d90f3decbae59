// The stored row of a design and the design read back from it, and the rows kept in XNSysQueries.
#include "QueryDatabase.h"

#include "data/QueryStore.h"
#include "logic/queries/QueryChecks.h"
#include "logic/queries/StoredQuery.h"

#include "support/MessageRecorder.h"

namespace {

QueryDesign shopDesign()
{
    QueryDesign design;
    design.columns[0] = {QStringLiteral("Customers"), QStringLiteral("Name"), QStringLiteral("Ascending"), {}, {}};
    design.columns[1] = {QStringLiteral("Orders"), QStringLiteral("Qty"), QString(), {}, {QStringLiteral(">5")}};
    design.columns[1].criteria[1] = QStringLiteral("<2");
    design.joins << QueryJoin{"Customers", "CustID", "Orders", "CustID"};
    return design;
}

TEST(StoredQuery, PlainNamesAreStoredInTheListsAsTheyAlwaysWere)
{
    const StoredQuery row = StoredQueryFrom(shopDesign(), QStringLiteral("Big orders"), 4);
    EXPECT_EQ(row.id, 4);
    EXPECT_EQ(row.type, 1);
    EXPECT_EQ(row.select, QStringLiteral("Customers.Name,Orders.Qty,"));
    EXPECT_EQ(row.from, QStringLiteral("Customers,Orders,"));
    EXPECT_EQ(row.criteria, QStringLiteral(",>5,~,<2,~,,~,,~"));
    EXPECT_EQ(StoredQueryFrom(QueryDesign{QueryType::Select, {QueryColumn{"T", "F", {}, {}, {"=a.b"}}}, {}}, "q", 1).criteria,
              QStringLiteral("=a.b,~,~,~,~")) << "a criterion keeps its points and equals signs as typed";
    EXPECT_EQ(row.orderBy, QStringLiteral("Customers.Name ASC,Orders.Qty,"));
    EXPECT_EQ(row.joins, QStringLiteral("Customers.CustID=Orders.CustID~"));
    EXPECT_EQ(row.attribs, QStringLiteral("11000000000000000000"));
    EXPECT_EQ(row.statement, GenerateQueryStatement(shopDesign()).statement);
}

TEST(StoredQuery, ADesignWithGapsHiddenColumnsAndSeparatorsInItsTextsReadsBackToTheSameStatement)
{
    QueryDesign design;
    design.columns[1] = {QStringLiteral("Orders"), QStringLiteral("Description"), QStringLiteral("<No Sort>"), {}, {}};
    design.columns[1].criteria[0] = QStringLiteral("'a,b~c=d.e\\f'");
    design.columns[4] = {QStringLiteral("Orders"), QStringLiteral("Qty"), QStringLiteral("Descending"),
                         QStringLiteral("No"), {}};
    design.columns[6] = {QStringLiteral("Odd, Table.x"), QStringLiteral("Price=1"), QString(), {}, {}};
    design.columns[6].criteria[3] = QStringLiteral("~");
    design.joins << QueryJoin{"Odd, Table.x", "A~B", "Orders", "C=D"};

    const StoredQuery row = StoredQueryFrom(design, QStringLiteral("q"), 1);
    EXPECT_EQ(row.attribs, QStringLiteral("10100000000000000000"));
    const QueryDesign read = QueryDesignFrom(row);
    EXPECT_EQ(GenerateQueryStatement(read).statement, row.statement);
    EXPECT_EQ(read.columns[0].fieldCell(), QStringLiteral("Orders.Description"));
    EXPECT_EQ(read.columns[0].sort, QStringLiteral("<No Sort>")); // "DESC" inside a name is no sort
    EXPECT_EQ(read.columns[0].criteria[0], design.columns[1].criteria[0]);
    EXPECT_EQ(read.columns[1].show, QStringLiteral("No")); // the hidden column keeps its flag across the gap
    EXPECT_EQ(read.columns[1].sort, QStringLiteral("Descending"));
    EXPECT_EQ(read.columns[2].table, QStringLiteral("Odd, Table.x"));
    EXPECT_EQ(read.columns[2].field, QStringLiteral("Price=1"));
    EXPECT_EQ(read.columns[2].criteria[3], QStringLiteral("~"));
    EXPECT_TRUE(read.columns[2].shown());
    EXPECT_FALSE(read.columns[3].used());
    EXPECT_EQ(read.joins, design.joins);
}

TEST(StoredQuery, ADeleteRowKeepsItsTypeAndShowsEveryColumn)
{
    QueryDesign design;
    design.type = QueryType::Delete;
    design.columns[0] = {QStringLiteral("Orders"), QStringLiteral("Qty"), {}, {}, {QStringLiteral("<4")}};
    const StoredQuery row = StoredQueryFrom(design, QStringLiteral("Purge"), 1);
    EXPECT_EQ(row.type, 2);
    EXPECT_EQ(row.attribs, QStringLiteral("00000000000000000000"));
    const QueryDesign read = QueryDesignFrom(row);
    EXPECT_EQ(read.type, QueryType::Delete);
    EXPECT_TRUE(read.columns[0].shown());
    EXPECT_EQ(GenerateQueryStatement(read).statement, row.statement);
}

using QueryStoreTest = QueryDatabase;

TEST_F(QueryStoreTest, RowsAreAddedUnderTheNextIdFoundAndRewrittenKeepingTheirId)
{
    QueryStore store(context);
    StoredQuery first = StoredQueryFrom(shopDesign(), QStringLiteral("Big orders"), 0);
    StoredQuery second = StoredQueryFrom(shopDesign(), QStringLiteral("Zoë's, \"list\""), 0);
    ASSERT_TRUE(store.add(first));
    ASSERT_TRUE(store.add(second));
    EXPECT_EQ(first.id, 1);
    EXPECT_EQ(second.id, 2);
    ASSERT_TRUE(store.remove(QStringLiteral("Big orders")));
    EXPECT_FALSE(store.exists(QStringLiteral("Big orders")));
    StoredQuery third = StoredQueryFrom(shopDesign(), QStringLiteral("Third"), 0);
    ASSERT_TRUE(store.add(third));
    EXPECT_EQ(third.id, 3);

    const std::optional<StoredQuery> read = store.find(QStringLiteral("Zoë's, \"list\""));
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, second);
    EXPECT_EQ(QueryDesignFrom(*read), QueryDesignFrom(second));

    QueryDesign changed = shopDesign();
    changed.type = QueryType::Delete;
    StoredQuery edited = StoredQueryFrom(changed, second.name, 0);
    ASSERT_TRUE(store.replace(edited));
    EXPECT_EQ(store.find(second.name)->id, 2);
    EXPECT_EQ(store.find(second.name)->type, 2);
    EXPECT_FALSE(store.replace(StoredQueryFrom(changed, QStringLiteral("Nobody"), 0)));
}

TEST_F(QueryStoreTest, TheRelationsBetweenChosenTablesGiveTheirJoinsInEitherOrder)
{
    const QList<QueryJoin> expected = {{"Customers", "CustID", "Orders", "CustID"}};
    EXPECT_EQ(RelationJoins(context, {QStringLiteral("Orders"), QStringLiteral("Customers")}), expected);
    EXPECT_EQ(RelationJoins(context, {QStringLiteral("Customers"), QStringLiteral("Orders")}), expected);
    EXPECT_TRUE(RelationJoins(context, {QStringLiteral("Orders")}).isEmpty());
}

TEST_F(QueryStoreTest, TheStatementCheckTriesParametersAsZeroAndNeverDeletes)
{
    EXPECT_TRUE(QueryStatementOpens(context, QStringLiteral("SELECT * FROM Orders WHERE Qty > [Least] AND "
                                                            "Description = [Name]")));
    EXPECT_FALSE(QueryStatementOpens(context, QStringLiteral("SELECT FROM Orders")));
    EXPECT_TRUE(QueryStatementOpens(context, QStringLiteral("DELETE  FROM Orders WHERE ((Orders.Qty >[Least]) ) ")));
    EXPECT_EQ(records(QStringLiteral("SELECT OrderID FROM Orders")).size(), 4);
}

} // namespace
