// The in-place editor each field gets, and the values its lookup offers.
#include "DatasheetFixture.h"

using namespace fieldtypes;

namespace {

class DatasheetLookupTest : public DatasheetFixture {
protected:
    void SetUp() override
    {
        createTable("Customers", {field("CustID", kInteger), field("Name", kText)});
        ASSERT_TRUE(run("INSERT INTO Customers (CustID, Name) VALUES (1, 'Ann')"));
        ASSERT_TRUE(run("INSERT INTO Customers (CustID, Name) VALUES (2, 'O''Hara')"));
        ASSERT_TRUE(run("INSERT INTO XNSysQueries (QueryName, QueryStmt) VALUES ('Big ''Ones', "
                        "'SELECT Name FROM Customers WHERE CustID > 1')"));
        createTable("Sales", {field("ID", kAutoNumber), field("Cust", kInteger), field("Size", kText),
                              field("Who", kText), field("Paid", kBoolean), field("Note", kText, {{"Field Size", "12"}}),
                              field("Total", kInteger)});
        FieldCatalogue sales(context, "Sales");
        sales.SaveLookup("Cust", 0, "Tables;Customers;CustID;Name;Yes");
        sales.SaveLookup("Size", 1, "S;M;L");
        sales.SaveLookup("Who", 0, "Query;Big 'Ones;Name;No");
        sales.SaveCalculation(6, "Sales.Cust * 2");
        ASSERT_TRUE(open("Sales"));
    }
};

TEST_F(DatasheetLookupTest, EditorFollowsTheFieldProperties)
{
    EXPECT_FALSE(sheet.editorFor(0).editable);
    EXPECT_FALSE(sheet.editorFor(1).editable);
    EXPECT_FALSE(sheet.editorFor(7).editable);

    const CellEditor customers = sheet.editorFor(2);
    EXPECT_TRUE(customers.isList);
    EXPECT_EQ(customers.choices.values, QStringList({"1", "2"}));
    EXPECT_EQ(customers.choices.labels, QStringList({"Ann", "O'Hara"}));
    EXPECT_TRUE(customers.choices.limitToList);

    const CellEditor sizes = sheet.editorFor(3);
    EXPECT_EQ(sizes.choices.values, QStringList({"S", "M", "L"}));
    EXPECT_TRUE(sizes.choices.labels.isEmpty());

    const CellEditor who = sheet.editorFor(4);
    EXPECT_EQ(who.choices.values, QStringList({"O'Hara"}));
    EXPECT_FALSE(who.choices.limitToList);

    const CellEditor paid = sheet.editorFor(5);
    EXPECT_EQ(paid.choices.values, QStringList({"YES", "NO"}));

    const CellEditor note = sheet.editorFor(6);
    EXPECT_TRUE(note.editable);
    EXPECT_FALSE(note.isList);
    EXPECT_EQ(note.maxLength, 12);
}

TEST_F(DatasheetLookupTest, BooleanCellsAreStoredFromTheirText)
{
    sheet.addRecord();
    EXPECT_TRUE(edit(1, 4, "YES"));
    EXPECT_EQ(select("SELECT Paid FROM Sales"), QList<QStringList>({{"-1"}}));
    EXPECT_TRUE(edit(1, 4, "NO"));
    EXPECT_EQ(select("SELECT Paid FROM Sales"), QList<QStringList>({{"0"}}));
    EXPECT_EQ(grid.text(1, 5), "NO");
}

// A value put into a cell whose list is limited (pasted, or set by Replace) must be one of the list.
TEST_F(DatasheetLookupTest, ALimitedListRefusesOtherValues)
{
    sheet.addRecord();
    EXPECT_FALSE(edit(1, 1, "9"));
    EXPECT_EQ(messages.texts(), QStringList({"Cust takes only the values of its list; \"9\" is not one of them"}));
    EXPECT_TRUE(select("SELECT Cust FROM Sales").isEmpty());
    messages.clear();
    EXPECT_TRUE(edit(1, 1, "2"));
    EXPECT_TRUE(edit(1, 3, "Nobody"));
    EXPECT_EQ(select("SELECT Cust, Who FROM Sales"), QList<QStringList>({{"2", "Nobody"}}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

} // namespace
