// Related targets, cascades and related tables over the real engine.
#include "TableFixture.h"
#include "tables/Relations.h"

namespace {

using Targets = QList<RelatedTarget>;

class RelationsTest : public TableFixture {
protected:
    RelationsTest()
    {
        EXPECT_TRUE(run("CREATE TABLE Customers (Number int, Name text)"));
        EXPECT_TRUE(run("CREATE TABLE Orders (Customer int, Item text)"));
        EXPECT_TRUE(run("CREATE TABLE 'Old Orders' (Customer int, Note text)"));
        for (const char* values : {"(10, 'Ann')", "(12, 'Bob')"})
            EXPECT_TRUE(run(QStringLiteral("INSERT INTO Customers (Number, Name) VALUES ") + values));
        for (const char* values : {"(10, 'pen')", "(10, 'ink')", "(12, 'cup')", "(100, 'pad')"})
            EXPECT_TRUE(run(QStringLiteral("INSERT INTO Orders (Customer, Item) VALUES ") + values));
        EXPECT_TRUE(run("INSERT INTO 'Old Orders' (Customer, Note) VALUES (10, 'it''s old')"));
    }
    void relate(const QString& left, const QString& right, const QString& leftField, const QString& rightField, int flags)
    {
        CDbRecordset row(context.connection, context.databasePath());
        ASSERT_TRUE(row.Open("SELECT * FROM XNSysRelations", 2, 3));
        ASSERT_TRUE(row.AddNew());
        row.SetFieldString("LeftTable", left);
        row.SetFieldString("RightTable", right);
        row.SetFieldString("LeftField", leftField);
        row.SetFieldString("RightField", rightField);
        row.SetFieldShort("RelationType", 0);
        row.SetFieldShort("RelationFlags", std::int16_t(flags));
        ASSERT_TRUE(row.Update());
    }
    QStringList column(const QString& sql)
    {
        QStringList values;
        for (const QStringList& row : select(sql))
            values << row.value(0);
        return values;
    }
};

TEST_F(RelationsTest, TargetsFollowTheFlagsOfEachKind)
{
    relate("Customers", "Orders", "Number", "Customer", 6);
    relate("Customers", "Old Orders", "Number", "Customer", 2);
    relate("Customers", "Orders", "Name", "Item", 4);
    relate("Orders", "Customers", "Customer", "Number", 0);

    EXPECT_EQ(RelatedTargets(context, "Customers", "Number", 2), Targets({{"Orders", "Customer"}, {"Old Orders", "Customer"}}));
    EXPECT_EQ(RelatedTargets(context, "'Customers'", "Number", 4), Targets({{"Orders", "Customer"}}));
    EXPECT_TRUE(RelatedTargets(context, "Customers", "Name", 2).isEmpty());
    EXPECT_EQ(RelatedTargets(context, "Customers", "Name", 4), Targets({{"Orders", "Item"}}));
    EXPECT_TRUE(RelatedTargets(context, "Orders", "Customer", 2).isEmpty());
    EXPECT_EQ(targetText({"Old Orders", "Customer"}), "Old Orders~Customer");
}

// A ":" or "~" in a name once split a target in two: a cascade could then reach another table.
TEST_F(RelationsTest, SeparatorCharactersInNamesReachOnlyTheirOwnTable)
{
    EXPECT_TRUE(run("CREATE TABLE 'Orders:Old Orders~Customer' ('Customer:x' int)"));
    EXPECT_TRUE(run("INSERT INTO 'Orders:Old Orders~Customer' VALUES (10)"));
    relate("Customers", "Orders:Old Orders~Customer", "Number", "Customer:x", 6);
    const Targets targets = RelatedTargets(context, "Customers", "Number", 4);
    EXPECT_EQ(targets, Targets({{"Orders:Old Orders~Customer", "Customer:x"}}));

    EXPECT_TRUE(CascadeDelete(context, targets, "10"));
    EXPECT_TRUE(column("SELECT * FROM 'Orders:Old Orders~Customer'").isEmpty());
    EXPECT_EQ(column("SELECT Item FROM Orders").size(), 4);
    EXPECT_EQ(column("SELECT Note FROM 'Old Orders'").size(), 1);
}

TEST_F(RelationsTest, NamesAndValuesWithQuotesStayInsideTheirLiterals)
{
    EXPECT_TRUE(run("CREATE TABLE 'O''Brien' (Ref text)"));
    EXPECT_TRUE(run("INSERT INTO 'O''Brien' (Ref) VALUES ('it''s')"));
    EXPECT_TRUE(run("INSERT INTO 'O''Brien' (Ref) VALUES ('x'' OR ''1''=''1')"));
    relate("O'Brien", "O'Brien", "Ref", "Ref", 6);
    relate("Customers", "O'Brien", "Name", "Ref", 6);

    EXPECT_EQ(RelatedTargets(context, "O'Brien", "Ref", 2), Targets({{"O'Brien", "Ref"}}));
    EXPECT_EQ(RelatedTargets(context, "'O'Brien'", "Ref", 4), Targets({{"O'Brien", "Ref"}}));
    EXPECT_TRUE(RelatedTargets(context, "x' OR '1'='1", "Ref", 2).isEmpty());
    EXPECT_EQ(RelatedTablesOf(context, "O'Brien"), QStringList({"O'Brien", "Customers"}));

    const Targets brien{{"O'Brien", "Ref"}};
    CascadeUpdate(context, brien, "it's", "it's new");
    EXPECT_TRUE(CascadeDelete(context, brien, "x' OR '1'='1"));
    EXPECT_EQ(column("SELECT Ref FROM 'O''Brien'"), QStringList({"it's new"}));
    EXPECT_TRUE(CascadeDelete(context, brien, "x' OR 1=1 --"));
    EXPECT_EQ(column("SELECT Ref FROM 'O''Brien'"), QStringList({"it's new"}));
}

TEST_F(RelationsTest, UpdateCarriesTheNewNumberIntoEveryMatchingRow)
{
    CascadeUpdate(context, {{"Orders", "Customer"}, {"Old Orders", "Customer"}}, "10", "11");
    EXPECT_EQ(column("SELECT Customer FROM Orders WHERE Item = 'pen' OR Item = 'ink'"), QStringList({"11", "11"}));
    EXPECT_EQ(column("SELECT Customer FROM Orders WHERE Item = 'cup' OR Item = 'pad'"), QStringList({"12", "100"}));
    EXPECT_EQ(column("SELECT Customer FROM 'Old Orders'"), QStringList({"11"}));

    CascadeUpdate(context, {{"Orders", "Item"}}, "cup", "mug");
    EXPECT_EQ(column("SELECT Item FROM Orders WHERE Customer = 12"), QStringList({"mug"}));

    // A value the right field cannot hold changes nothing: the engine's refusal shows once, not per row,
    // and the next target is still visited.
    CascadeUpdate(context, {{"Missing", "Field"}, {"Orders", "Customer"}, {"Orders", "Item"}}, "11", "eleven");
    EXPECT_EQ(column("SELECT Customer FROM Orders WHERE Item = 'pen'"), QStringList({"11"}));
    EXPECT_EQ(messages.texts(), QStringList({"DB_E_BADVALUES "}));
}

TEST_F(RelationsTest, DeleteRemovesOnlyTheMatchingRows)
{
    EXPECT_TRUE(CascadeDelete(context, {{"Orders", "Customer"}, {"Old Orders", "Customer"}}, "10"));
    EXPECT_EQ(column("SELECT Item FROM Orders"), QStringList({"cup", "pad"}));
    EXPECT_TRUE(column("SELECT Note FROM 'Old Orders'").isEmpty());
    EXPECT_TRUE(CascadeDelete(context, {{"Orders", "Customer"}}, "77"));
    EXPECT_EQ(column("SELECT Item FROM Orders").size(), 2);
    EXPECT_FALSE(CascadeDelete(context, {{"Orders", "Missing"}}, "12"));
}

TEST_F(RelationsTest, RelatedTablesOnEitherSide)
{
    EXPECT_EQ(RelatedTablesOf(context, "Customers"), QStringList());
    relate("Customers", "Orders", "Number", "Customer", 0);
    relate("Customers", "Old Orders", "Number", "Customer", 0);
    relate("Orders", "Customers", "Customer", "Number", 2);
    EXPECT_EQ(RelatedTablesOf(context, "Customers"), QStringList({"Orders", "Old Orders"}));
    EXPECT_EQ(RelatedTablesOf(context, "'Old Orders'"), QStringList({"Customers"}));

    EXPECT_TRUE(run("DROP TABLE XNSysRelations"));
    EXPECT_EQ(RelatedTablesOf(context, "Customers"), std::nullopt);
}

} // namespace
