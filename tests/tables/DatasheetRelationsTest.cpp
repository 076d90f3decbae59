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
        relate(6);
        ASSERT_TRUE(open("Customers"));
    }
    void relate(int flags)
    {
        ASSERT_TRUE(run("DELETE FROM XNSysRelations"));
        ASSERT_TRUE(run("INSERT INTO XNSysRelations (LeftTable, RightTable, LeftField, RightField, RelationType, "
                        "RelationFlags) VALUES ('Customers', 'Orders', 'CustNo', 'Cust', 0, " +
                        QString::number(flags) + ")"));
    }
    QStringList orderCustomers() { return column("SELECT Cust FROM Orders"); }
};

TEST_F(DatasheetRelationsTest, ChangedKeyIsCarriedIntoTheRelatedTableOnYes)
{
    messages.answer(framework::Answer::Yes);
    EXPECT_TRUE(edit(1, 0, "11"));
    EXPECT_EQ(messages.texts(), QStringList({"Would you also like to Update in related table"}));
    EXPECT_EQ(messages.messages()[0].buttons, framework::Buttons::YesNo);
    EXPECT_EQ(orderCustomers(), QStringList({"11", "11", "12"}));
    // A field without relations asks nothing.
    messages.clear();
    EXPECT_TRUE(edit(1, 1, "Anne"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

// Referential integrity: a related record never loses the record it refers to, whatever the answer.
TEST_F(DatasheetRelationsTest, NoToACascadeKeepsAReferencedKeyAndRecord)
{
    messages.answer(framework::Answer::No);
    EXPECT_FALSE(edit(1, 0, "11"));
    EXPECT_EQ(messages.texts(), QStringList({"Would you also like to Update in related table",
                                             "CustNo cannot be changed from 10 while 2 records in Orders refer to it "
                                             "through Cust."}));
    EXPECT_EQ(column("SELECT CustNo FROM Customers"), QStringList({"10", "12"}));
    EXPECT_EQ(grid.text(1, 1), "10");

    messages.clear();
    messages.answer(framework::Answer::No);
    grid.setCurrentCell(1, 1);
    sheet.deleteRecord();
    EXPECT_EQ(messages.texts(), QStringList({"Would you also like to delete in related table",
                                             "The record cannot be deleted while 2 records in Orders refer to it "
                                             "through Cust."}));
    EXPECT_EQ(column("SELECT Name FROM Customers"), QStringList({"Ann", "Bo"}));
    EXPECT_EQ(orderCustomers(), QStringList({"10", "10", "12"}));
    EXPECT_EQ(sheet.recordCount(), 2);
}

TEST_F(DatasheetRelationsTest, IntegrityWithoutCascadesRefusesWithoutAsking)
{
    relate(1);
    grid.setCurrentCell(2, 1);
    sheet.deleteRecord();
    EXPECT_EQ(messages.texts(), QStringList({"The record cannot be deleted while 1 record in Orders refer to it "
                                             "through Cust."}));
    EXPECT_EQ(column("SELECT Name FROM Customers"), QStringList({"Ann", "Bo"}));
    messages.clear();
    EXPECT_FALSE(edit(2, 0, "13"));
    EXPECT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(column("SELECT CustNo FROM Customers"), QStringList({"10", "12"}));

    // Once nothing refers to it, the record goes without a word.
    ASSERT_TRUE(run("DELETE FROM Orders WHERE Cust = 12"));
    messages.clear();
    EXPECT_TRUE(edit(2, 0, "13"));
    sheet.deleteRecord();
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(column("SELECT Name FROM Customers"), QStringList({"Ann"}));

    // Without referential integrity the related records are left as they are.
    relate(0);
    grid.setCurrentCell(1, 1);
    sheet.deleteRecord();
    EXPECT_TRUE(column("SELECT Name FROM Customers").isEmpty());
    EXPECT_EQ(orderCustomers(), QStringList({"10", "10"}));
}

// Each cascade carries only its own kind of change; the other kind is refused while records refer.
TEST_F(DatasheetRelationsTest, ACascadeOfTheOtherKindDoesNotReleaseTheRecord)
{
    relate(4);
    EXPECT_FALSE(edit(1, 0, "11"));
    EXPECT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith("CustNo cannot be changed"));
    relate(2);
    messages.clear();
    grid.setCurrentCell(1, 1);
    sheet.deleteRecord();
    EXPECT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith("The record cannot be deleted"));
    EXPECT_EQ(orderCustomers(), QStringList({"10", "10", "12"}));
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
