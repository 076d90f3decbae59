// What the datasheet's commands leave in the history: one step each, named for the menu, undone whole.
#include "DatasheetFixture.h"
#include "data/DataHistory.h"
#include "tables/Relations.h"

using namespace fieldtypes;

namespace {

class DatasheetHistoryTest : public DatasheetFixture {
protected:
    void SetUp() override
    {
        if (TestDatabase::onServer())
            GTEST_SKIP() << "a server database keeps no history";
        const QString id = createTable("Customers", {field("ID", kAutoNumber), field("CustNo", kInteger), field("Name", kText)});
        ASSERT_TRUE(storeAutoNumber(context, id, "ID", 1));
        createTable("Orders", {field("Cust", kInteger), field("Item", kText)});
        ASSERT_TRUE(run("INSERT INTO Customers (ID, CustNo, Name) VALUES (100, 10, 'Ann')"));
        for (const char* values : {"(10, 'pen')", "(10, 'ink')", "(12, 'cap')"})
            ASSERT_TRUE(run(QStringLiteral("INSERT INTO Orders (Cust, Item) VALUES ") + values));
        ASSERT_TRUE(run("INSERT INTO XNSysRelations (LeftTable, RightTable, LeftField, RightField, RelationType, "
                        "RelationFlags) VALUES ('Customers', 'Orders', 'CustNo', 'Cust', 0, 6)"));
        ASSERT_TRUE(open("Customers"));
    }
    QList<QStringList> customers() { return select("SELECT ID, CustNo, Name FROM Customers"); }
    QStringList items() { return column("SELECT Item FROM Orders"); }
    bool undo()
    {
        DataHistory history(context);
        return history.undo();
    }
};

TEST_F(DatasheetHistoryTest, AnEditedCellIsOneStepThatUndoTakesBackAndRedoPutsBack)
{
    ASSERT_TRUE(edit(1, 2, "Anne"));
    DataHistory history(context);
    EXPECT_EQ(history.undoText(), "Undo Edit in Customers (1 record)");
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(customers(), QList<QStringList>({{"100", "10", "Ann"}}));
    EXPECT_EQ(history.redoText(), "Redo Edit in Customers (1 record)");
    ASSERT_TRUE(history.redo());
    EXPECT_EQ(customers(), QList<QStringList>({{"100", "10", "Anne"}}));
}

TEST_F(DatasheetHistoryTest, AChangedKeyAndItsCascadeAreOneStep)
{
    messages.answer(framework::Answer::Yes);
    ASSERT_TRUE(edit(1, 1, "11"));
    EXPECT_EQ(column("SELECT Cust FROM Orders"), QStringList({"11", "11", "12"}));
    DataHistory history(context);
    EXPECT_EQ(history.undoText(), "Undo Edit in Customers (3 records)");
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(column("SELECT Cust FROM Orders"), QStringList({"10", "10", "12"}));
    EXPECT_EQ(customers(), QList<QStringList>({{"100", "10", "Ann"}}));
}

TEST_F(DatasheetHistoryTest, ADeletedRecordComesBackWithItsCascadedRecords)
{
    messages.answer(framework::Answer::Yes);
    grid.setCurrentCell(1, 1);
    sheet.deleteRecord();
    ASSERT_TRUE(customers().isEmpty());
    ASSERT_EQ(items(), QStringList({"cap"}));
    DataHistory history(context);
    EXPECT_EQ(history.undoText(), "Undo Delete in Customers (3 records)");
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(customers(), QList<QStringList>({{"100", "10", "Ann"}}));
    EXPECT_EQ(items(), QStringList({"pen", "ink", "cap"}));
}

TEST_F(DatasheetHistoryTest, AnUndoneNewRecordKeepsItsAutoNumberWhichIsNotHandedOutAgain)
{
    sheet.addRecord();
    ASSERT_TRUE(edit(2, 2, "Bo"));
    ASSERT_EQ(customers().value(1), QStringList({"101", "0", "Bo"}));
    DataHistory history(context);
    EXPECT_EQ(history.undoText(), "Undo New Record in Customers (1 record)");
    ASSERT_TRUE(history.undo());
    ASSERT_TRUE(open("Customers"));
    sheet.addRecord();
    ASSERT_TRUE(edit(2, 2, "Cy"));
    EXPECT_EQ(customers().value(1), QStringList({"102", "0", "Cy"}));
    // Undo and Redo now walk Cy's step; Bo's undone step was ended by it and never comes back over it.
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(customers(), QList<QStringList>({{"100", "10", "Ann"}}));
    ASSERT_TRUE(history.redo());
    EXPECT_EQ(customers().value(1), QStringList({"102", "0", "Cy"}));
    EXPECT_FALSE(history.canRedo()) << "a new step ended what could be redone";
}

// A server database keeps no history: its Undo and Redo say so instead of doing nothing, or undoing
// something they cannot name.
class ServerDatabaseHistoryTest : public DatasheetFixture {
protected:
    void SetUp() override
    {
        if (!TestDatabase::onServer())
            GTEST_SKIP() << "a database file keeps its history";
        createTable("Customers", {field("CustNo", kInteger), field("Name", kText)});
        ASSERT_TRUE(run("INSERT INTO Customers (CustNo, Name) VALUES (10, 'Ann')"));
        ASSERT_TRUE(open("Customers"));
    }
};

TEST_F(ServerDatabaseHistoryTest, UndoAndRedoSayThereIsNoHistoryAndChangeNothing)
{
    ASSERT_TRUE(edit(1, 1, "Anne"));
    DataHistory history(context);
    EXPECT_FALSE(history.kept());
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undoText(), "Undo (no history on a server database)");
    EXPECT_EQ(history.redoText(), "Redo (no history on a server database)");
    EXPECT_FALSE(history.undo());
    EXPECT_TRUE(history.message().startsWith("A database on a server keeps no history of its changes: "))
        << history.message().toStdString();
    EXPECT_FALSE(history.redo());
    EXPECT_EQ(history.message(), DataHistory::notKeptMessage());
    EXPECT_EQ(column("SELECT Name FROM Customers"), QStringList({"Anne"}));
}

} // namespace
