// Changes and deletions carried into related tables, and the related tables a field offers.
#include "DatasheetFixture.h"

using namespace fieldtypes;

namespace {

class DatasheetRelationsTest : public DatasheetFixture {
protected:
    void SetUp() override
    {
        createTable("Customers", {field("CustNo", kInteger), field("Name", kText)});
        createTable("Orders", {field("Cust", kInteger), field("Item", kText)});
        ASSERT_TRUE(run("INSERT INTO Customers (CustNo, Name) VALUES (10, 'Ann')"));
        ASSERT_TRUE(run("INSERT INTO Customers (CustNo, Name) VALUES (12, 'Bo')"));
        for (const char* values : {"(10, 'pen')", "(10, 'ink')", "(12, 'cap')"})
            ASSERT_TRUE(run(QStringLiteral("INSERT INTO Orders (Cust, Item) VALUES ") + values));
        ASSERT_TRUE(run("INSERT INTO XNSysRelations (LeftTable, RightTable, LeftField, RightField, RelationType, "
                        "RelationFlags) VALUES ('Customers', 'Orders', 'CustNo', 'Cust', 0, 6)"));
        ASSERT_TRUE(open("Customers"));
    }
    QStringList orderCustomers() { return column("SELECT Cust FROM Orders"); }
};

TEST_F(DatasheetRelationsTest, ChangedKeyIsCarriedIntoTheRelatedTableOnYes)
{
    messages.answer(framework::Answer::No);
    EXPECT_TRUE(edit(1, 0, "11"));
    EXPECT_EQ(messages.texts(), QStringList({"Would you also like to Update in related table"}));
    EXPECT_EQ(messages.messages()[0].buttons, framework::Buttons::YesNo);
    EXPECT_EQ(orderCustomers(), QStringList({"10", "10", "12"}));

    messages.clear();
    EXPECT_TRUE(edit(1, 0, "10"));
    EXPECT_TRUE(edit(1, 0, "11"));
    EXPECT_EQ(orderCustomers(), QStringList({"11", "11", "12"}));
    // A field without relations asks nothing.
    messages.clear();
    EXPECT_TRUE(edit(1, 1, "Anne"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(DatasheetRelationsTest, DeletingAsksEvenWithoutRelatedRecords)
{
    ASSERT_TRUE(run("DELETE FROM Orders WHERE Cust = 12"));
    grid.setCurrentCell(2, 1);
    sheet.deleteRecord();
    EXPECT_EQ(messages.texts(), QStringList({"Would you also like to delete in related table"}));
    EXPECT_EQ(column("SELECT Name FROM Customers"), QStringList({"Ann"}));

    grid.setCurrentCell(1, 1);
    sheet.deleteRecord();
    EXPECT_TRUE(column("SELECT Name FROM Customers").isEmpty());
    EXPECT_TRUE(orderCustomers().isEmpty());
}

// The record and its related records go together: when one cascade fails, every record stays.
TEST_F(DatasheetRelationsTest, AFailedCascadeKeepsTheRecordAndEveryRelatedRecord)
{
    ASSERT_TRUE(run("INSERT INTO XNSysRelations (LeftTable, RightTable, LeftField, RightField, RelationType, "
                    "RelationFlags) VALUES ('Customers', 'Orders', 'Name', 'NoSuchField', 0, 4)"));
    messages.answer(framework::Answer::Yes);
    grid.setCurrentCell(1, 1);
    sheet.deleteRecord();
    EXPECT_EQ(messages.texts().last(), "Failed to delete the record");
    EXPECT_EQ(column("SELECT Name FROM Customers"), QStringList({"Ann", "Bo"}));
    EXPECT_EQ(orderCustomers(), QStringList({"10", "10", "12"}));
    EXPECT_EQ(sheet.recordCount(), 2);
    EXPECT_EQ(grid.text(1, 2), "Ann");
}

// A ":" in a related table's name once cut the target short, so that the cascade deleted from Orders.
TEST_F(DatasheetRelationsTest, ACascadeReachesOnlyTheTableNamedInTheRelation)
{
    ASSERT_TRUE(run("CREATE TABLE 'Archive:Orders' (Cust int)"));
    ASSERT_TRUE(run("INSERT INTO 'Archive:Orders' VALUES (12)"));
    ASSERT_TRUE(run("DELETE FROM XNSysRelations"));
    ASSERT_TRUE(run("INSERT INTO XNSysRelations (LeftTable, RightTable, LeftField, RightField, RelationType, "
                    "RelationFlags) VALUES ('Customers', 'Archive:Orders', 'CustNo', 'Cust', 0, 4)"));
    messages.answer(framework::Answer::Yes);
    grid.setCurrentCell(2, 1);
    sheet.deleteRecord();
    EXPECT_TRUE(column("SELECT Cust FROM 'Archive:Orders'").isEmpty());
    EXPECT_EQ(orderCustomers(), QStringList({"10", "10", "12"}));
}

TEST_F(DatasheetRelationsTest, RelatedTargetsOfTheCurrentField)
{
    grid.setCurrentCell(1, 1);
    EXPECT_EQ(sheet.relatedTargetsOfCurrentField(), QList<RelatedTarget>({{"Orders", "Cust"}}));
    grid.setCurrentCell(1, 2);
    EXPECT_TRUE(sheet.relatedTargetsOfCurrentField().isEmpty());
}

} // namespace
