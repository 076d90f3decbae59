// Adding and deleting records: the questions, defaults, AutoNumber counters and the new-record checks.
#include "DatasheetFixture.h"
#include "data/FileChangeWatch.h"
#include "platform/cedb/ServerAccess.h"
#include "support/OtherProgram.h"

#include <QThread>

#include <csignal>

#include <sys/resource.h>

using namespace fieldtypes;

namespace {

class DatasheetRecordsTest : public DatasheetFixture {
protected:
    void SetUp() override
    {
        tableId = createTable("Orders", {field("ID", kAutoNumber), field("Item", kText, {{"AllowZeroLength", "Yes"}}),
                                         field("Qty", kInteger, {{"Default Value", "2 * 3"}})});
        ASSERT_TRUE(storeAutoNumber(context, tableId, "ID", 7));
        ASSERT_TRUE(open("Orders"));
    }
    QString storedCounter() { return column("SELECT AutoNumber FROM XNSysFields WHERE FieldName = 'ID'").value(0); }
    QList<QStringList> orders() { return select("SELECT ID, Item, Qty FROM Orders"); }
    QString tableId;
};

TEST_F(DatasheetRecordsTest, AutoNumbersAreHandedOutAndKeptAtOnce)
{
    sheet.addRecord();
    EXPECT_TRUE(sheet.isNewRecord());
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.row(1), QStringList({"1", "7", "", "6"}));
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(grid.currentColumn(), 2) << "past the AutoNumber, in the first field the user types into";
    EXPECT_EQ(storedCounter(), "8");
    EXPECT_TRUE(orders().isEmpty());

    sheet.addRecord();
    EXPECT_EQ(orders(), QList<QStringList>({{"7", "", "6"}}));
    EXPECT_EQ(grid.row(2), QStringList({"2", "8", "", "6"}));
    EXPECT_EQ(storedCounter(), "9");
    sheet.close();
    EXPECT_EQ(storedCounter(), "9");
    EXPECT_TRUE(messages.texts().isEmpty());
}

// Records added by SQL bring numbers past the counter: the next record gets a number after them, never
// one a record holds.
TEST_F(DatasheetRecordsTest, AutoNumbersGoPastNumbersTheRecordsHoldAlready)
{
    ASSERT_TRUE(run("INSERT INTO Orders (ID, Item) VALUES (7, 'a')"));
    ASSERT_TRUE(run("INSERT INTO Orders (ID, Item) VALUES (12, 'b')"));
    ASSERT_TRUE(open("Orders"));
    sheet.addRecord();
    EXPECT_EQ(grid.row(3), QStringList({"3", "13", "", "6"}));
    EXPECT_TRUE(edit(3, 1, "c"));
    sheet.addRecord();
    EXPECT_EQ(grid.row(4), QStringList({"4", "14", "", "6"}));
    EXPECT_EQ(orders(), QList<QStringList>({{"7", "a", ""}, {"12", "b", ""}, {"13", "c", "6"}}));
    EXPECT_EQ(storedCounter(), "15");
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(DatasheetRecordsTest, TypingIntoTheNewRowStoresTheWholeRecord)
{
    sheet.addRecord();
    EXPECT_TRUE(edit(1, 1, "pen"));
    EXPECT_EQ(orders(), QList<QStringList>({{"7", "pen", "6"}}));
    EXPECT_EQ(sheet.recordCount(), 1);
    EXPECT_TRUE(edit(1, 2, "4"));
    EXPECT_EQ(orders(), QList<QStringList>({{"7", "pen", "4"}}));
    EXPECT_EQ(grid.row(1), QStringList({"1", "7", "pen", "4"}));
    // Leaving the record ends the new-record state.
    sheet.addRecord();
    grid.setCurrentCell(1, 1);
    sheet.cellEntered(1, 1);
    EXPECT_FALSE(sheet.isNewRecord());
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(sheet.recordCount(), 1);
}

TEST_F(DatasheetRecordsTest, WhatAnotherProgramWroteShowsWhenTheRecordsAreReadAgain)
{
    if (TestDatabase::onServer())
        GTEST_SKIP() << "the other program writes the file itself";
    ASSERT_TRUE(run("INSERT INTO Orders (ID, Item, Qty) VALUES (1, 'pen', 2)"));
    ASSERT_TRUE(open("Orders"));
    FileChangeWatch watch;
    watch.look(context.databasePath());
    EXPECT_FALSE(watch.changed());
    const QString storage = "t" + tableId;
    ASSERT_TRUE(runInOtherProgram(context.databasePath(), "INSERT INTO " + storage +
                                                              " (c1, c2, c3) VALUES (2, 'Zoë''s ink', 5); UPDATE " +
                                                              storage + " SET c3 = 9 WHERE c1 = 1;"));
    EXPECT_TRUE(watch.changed());
    EXPECT_EQ(grid.row(1), QStringList({"1", "1", "pen", "2"})) << "what is on show stays until it is read again";

    grid.setCurrentCell(1, 2);
    EXPECT_TRUE(sheet.reread());
    EXPECT_EQ(sheet.recordCount(), 2);
    EXPECT_EQ(grid.row(1), QStringList({"1", "1", "pen", "9"}));
    EXPECT_EQ(grid.row(2), QStringList({"2", "2", "Zoë's ink", "5"}));
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(grid.currentColumn(), 2);
    ASSERT_TRUE(runInOtherProgram(context.databasePath(), "DELETE FROM " + storage + " WHERE c1 = 1;"));
    EXPECT_TRUE(sheet.reread());
    EXPECT_EQ(sheet.recordCount(), 1) << "the count follows the other program's deletes too";
    EXPECT_EQ(grid.row(1), QStringList({"1", "2", "Zoë's ink", "5"}));

    // A record being added waits to be stored: reading again would lose it.
    sheet.addRecord();
    ASSERT_TRUE(runInOtherProgram(context.databasePath(), "DELETE FROM " + storage + " WHERE c1 = 2;"));
    EXPECT_FALSE(sheet.reread());
    EXPECT_TRUE(sheet.isNewRecord());
    EXPECT_TRUE(messages.texts().isEmpty());
}

// Two programs on one server database edit the same record: the second is told, once, what the first
// wrote and what it typed, and its value is not written over the first's.
TEST_F(DatasheetRecordsTest, AnEditOverAnotherProgramsIsRefusedOnceWithBothValues)
{
    if (!TestDatabase::onServer())
        GTEST_SKIP() << "a file has no row versions; another program's writes wait for its lock instead";
    ASSERT_TRUE(run("INSERT INTO Orders (ID, Item, Qty) VALUES (1, 'pen', 2)"));
    ASSERT_TRUE(open("Orders"));
    CAppContext otherContext;
    otherContext.openDatabase =
        std::make_shared<COpenDatabase>(context.databasePath() + QStringLiteral("&application_name=other"));
    MemoryGrid otherGrid;
    Datasheet other{otherContext, otherGrid};
    ASSERT_TRUE(other.openTable("Orders"));
    otherGrid.type(1, 3, "4");
    ASSERT_TRUE(other.storeCell(1, 3));

    grid.type(1, 3, "5");
    EXPECT_FALSE(sheet.storeCell(1, 3));
    EXPECT_EQ(messages.texts(), QStringList{"Another user changed this record after you read it, so your changes were "
                                            "not saved.\nQty: theirs \"4\", yours \"5\"\nSave again to keep yours, or "
                                            "undo your changes to take theirs."});
    EXPECT_EQ(orders(), QList<QStringList>({{"1", "pen", "4"}}));
    other.close();
}

TEST_F(DatasheetRecordsTest, AddingIsConfirmedWhenTheOptionSaysSo)
{
    context.tableForm.ConfirmOnAdding = 1;
    messages.answer(framework::Answer::No);
    sheet.addRecord();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Do you want to add Record?");
    EXPECT_EQ(messages.messages()[0].buttons, framework::Buttons::YesNo);
    EXPECT_FALSE(sheet.isNewRecord());
    EXPECT_EQ(storedCounter(), "7");
    sheet.addRecord();
    EXPECT_TRUE(sheet.isNewRecord());
}

TEST_F(DatasheetRecordsTest, RequiredAndEmptyTextsInANewRecord)
{
    createTable("Names", {field("Name", kText, {{"Required", "Yes"}, {"AllowZeroLength", "Yes"}}),
                          field("Nick", kText), field("Note", kText, {{"AllowZeroLength", "Yes"}})});
    ASSERT_TRUE(open("Names"));
    sheet.addRecord();
    EXPECT_FALSE(edit(1, 0, ""));
    EXPECT_FALSE(edit(1, 1, ""));
    EXPECT_EQ(messages.texts(), QStringList({"Value is required in Name", "Value is required in Nick"}));
    EXPECT_EQ(messages.messages()[0].icon, framework::Icon::Information);
    messages.clear();
    // An untouched new row is checked field by field when the next record is added; nothing is stored.
    sheet.addRecord();
    EXPECT_EQ(messages.texts(), QStringList({"Value is required in Name"}));
    EXPECT_EQ(sheet.recordCount(), 0);
    messages.clear();
    EXPECT_TRUE(edit(1, 0, "Ann"));
    EXPECT_TRUE(edit(1, 1, "A"));
    EXPECT_TRUE(edit(1, 2, ""));
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(select("SELECT Name, Nick, Note FROM Names"), QList<QStringList>({{"Ann", "A", ""}}));
}

TEST_F(DatasheetRecordsTest, ARowIsCheckedWholeWhicheverCellStoresIt)
{
    createTable("Customers", {field("Name", kText, {{"Required", "Yes"}}), field("City", kText)});
    ASSERT_TRUE(open("Customers"));
    sheet.addRecord();
    EXPECT_FALSE(edit(1, 1, "Leeds"));
    EXPECT_EQ(messages.texts(), QStringList({"Value is required in Name"}));
    EXPECT_TRUE(select("SELECT Name, City FROM Customers").isEmpty());
    EXPECT_EQ(grid.text(1, 2), "");
    // Leaving the row does not keep it either.
    sheet.addRecord();
    EXPECT_EQ(sheet.recordCount(), 0);
    messages.clear();
    EXPECT_TRUE(edit(1, 0, "Ann")) << "an untouched text is left without a value, not refused as empty";
    EXPECT_TRUE(edit(1, 1, "Leeds"));
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(select("SELECT Name, City FROM Customers"), QList<QStringList>({{"Ann", "Leeds"}}));
}

TEST_F(DatasheetRecordsTest, ACalculationWithAFractionShowsItsValue)
{
    createTable("Invoices", {field("InvoiceID", kAutoNumber), field("Amount", kDouble), field("Gross", kDouble)});
    ASSERT_TRUE(FieldCatalogue(context, "Invoices").SaveCalculation(2, "Invoices.Amount * 1.2"));
    ASSERT_TRUE(open("Invoices"));
    sheet.addRecord();
    EXPECT_TRUE(edit(1, 1, "100"));
    EXPECT_EQ(grid.row(1), QStringList({"1", "1", "100", "120"}));
    ASSERT_TRUE(open("Invoices"));
    EXPECT_EQ(grid.row(1), QStringList({"1", "1", "100", "120"}));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(" / ").toStdString();
}

TEST_F(DatasheetRecordsTest, DeletingAsksAndRenumbers)
{
    for (const char* item : {"a", "b", "c"})
        ASSERT_TRUE(run(QStringLiteral("INSERT INTO Orders (ID, Item, Qty) VALUES (1, '%1', 1)").arg(item)));
    ASSERT_TRUE(open("Orders"));
    context.tableForm.ConfirmOnDeleting = 1;
    grid.setCurrentCell(2, 1);
    messages.answer(framework::Answer::No);
    sheet.deleteRecord();
    EXPECT_EQ(messages.texts(), QStringList({"Do you want to delete the selected record ?"}));
    EXPECT_EQ(sheet.recordCount(), 3);
    sheet.deleteRecord();
    EXPECT_EQ(column("SELECT Item FROM Orders"), QStringList({"a", "c"}));
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.row(2), QStringList({"2", "1", "c", "1"}));
    EXPECT_EQ(grid.currentRow(), 2);
}

TEST_F(DatasheetRecordsTest, DeletingTheLastRecordOfAPageShowsThePageBefore)
{
    for (int i = 0; i < 51; ++i)
        ASSERT_TRUE(run(QStringLiteral("INSERT INTO Orders (ID, Item, Qty) VALUES (%1, 'x', 1)").arg(i)));
    ASSERT_TRUE(open("Orders"));
    sheet.moveLast();
    EXPECT_EQ(sheet.firstRecord(), 50);
    sheet.deleteRecord();
    EXPECT_EQ(sheet.firstRecord(), 0);
    EXPECT_EQ(sheet.currentRecord(), 49);
    EXPECT_EQ(grid.rowCount(), 51);
}

// A file that takes no more bytes (the process's file-size limit stands in for a full disk): each refused
// action says why once, and a record whose AutoNumber cannot be kept is not begun.
TEST_F(DatasheetRecordsTest, AFileThatRefusesWritesSaysSoOncePerAction)
{
    if (TestDatabase::onServer())
        GTEST_SKIP() << "a file marked read-only";
    ASSERT_TRUE(run("INSERT INTO Orders (ID, Item, Qty) VALUES (1, 'pen', 1)"));
    ASSERT_TRUE(open("Orders"));
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit full = previous;
    full.rlim_cur = 2048; // below what the undo journal of any change takes
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);

    QList<QStringList> told;
    const bool edited = edit(1, 1, "pencil");
    told << messages.texts();
    messages.clear();
    sheet.addRecord();
    told << messages.texts();
    messages.clear();
    const bool added = sheet.isNewRecord();
    grid.setCurrentCell(1, 1);
    sheet.deleteRecord();
    told << messages.texts();
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    const QStringList once{fileFailureText(cedb::DB_SEC_E_PERMISSIONDENIED)};
    EXPECT_FALSE(edited);
    EXPECT_FALSE(added);
    EXPECT_EQ(told, QList<QStringList>({once, once, once}));
    EXPECT_EQ(grid.rowCount(), 2) << "no row stands for a record that cannot be added";
    EXPECT_EQ(orders(), QList<QStringList>({{"1", "pen", "1"}}));
    EXPECT_EQ(storedCounter(), "7");
}

} // namespace
// Another program on the server database redesigns the table on show: the next write, and the next read,
// say so and open the table again in its new design; nothing typed before is written into the old one.
TEST_F(DatasheetRecordsTest, ATableRedesignedByAnotherProgramIsOpenedAgain)
{
    if (!TestDatabase::onServer())
        GTEST_SKIP() << "a file's datasheet reads its design again with the file";
    ASSERT_TRUE(run("INSERT INTO Orders (ID, Item, Qty) VALUES (1, 'pen', 2)"));
    ASSERT_TRUE(open("Orders"));
    const QString otherAddress = context.databasePath() + QStringLiteral("&application_name=other");
    const auto redesign = [&](const QString& sql) {
        CAppContext otherContext;
        otherContext.openDatabase = std::make_shared<COpenDatabase>(otherAddress);
        ASSERT_TRUE(CDbRecordset(otherContext.connection, otherAddress).Open(sql, 0, 1));
        // The word comes through the server a moment after the other program's commit.
        for (int i = 0; i < 500 && !cedb::otherProgramsWrote(context.databasePath()); ++i)
            QThread::msleep(10);
    };
    const QString redesigned = QStringLiteral("The design of table Orders was changed by another user; it is opened again.");

    redesign("ALTER TABLE Orders ADD Note varchar(20)");
    EXPECT_FALSE(edit(1, 2, "5"));
    EXPECT_EQ(messages.texts(), QStringList{redesigned});
    EXPECT_EQ(orders(), QList<QStringList>({{"1", "pen", "2"}})) << "nothing written into the old design";
    EXPECT_EQ(grid.row(0), QStringList({"", "ID", "Item", "Qty", "Note"}));
    messages.clear();
    EXPECT_TRUE(edit(1, 2, "5"));
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(orders(), QList<QStringList>({{"1", "pen", "5"}}));

    redesign("ALTER TABLE Orders RENAME Note TO Remark");
    EXPECT_TRUE(sheet.reread());
    EXPECT_EQ(messages.texts(), QStringList{redesigned});
    EXPECT_EQ(grid.row(0), QStringList({"", "ID", "Item", "Qty", "Remark"}));
    messages.clear();

    // Another table made or changed is none of this datasheet's business.
    redesign("CREATE TABLE Other (X int)");
    EXPECT_TRUE(edit(1, 1, "ink"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

// The server drops the connection under the datasheet: the next edit connects again; while the server
// cannot be reached the edit is refused in words that say so, and stored when it is tried again.
TEST_F(DatasheetRecordsTest, AnEditWhileTheServerIsGoneIsRefusedAndStoredWhenTriedAgain)
{
    if (!TestDatabase::onServer())
        GTEST_SKIP() << "a file has no connection to lose";
    ASSERT_TRUE(run("INSERT INTO Orders (ID, Item, Qty) VALUES (1, 'pen', 2)"));
    ASSERT_TRUE(open("Orders"));
    ASSERT_EQ(database.server()->dropSessions(), QString());
    EXPECT_TRUE(edit(1, 2, "3"));
    EXPECT_TRUE(messages.texts().isEmpty());

    ASSERT_EQ(database.server()->setReachable(false), QString());
    ASSERT_EQ(database.server()->dropSessions(), QString());
    EXPECT_FALSE(edit(1, 2, "4"));
    ASSERT_EQ(messages.texts().size(), 1) << messages.texts().join("|").toStdString();
    EXPECT_TRUE(messages.texts()[0].startsWith("The connection to the database")) << messages.texts()[0].toStdString();
    EXPECT_EQ(grid.text(1, 3), "3") << "the record as it is kept; the grid gives the typed text back to its editor";

    ASSERT_EQ(database.server()->setReachable(true), QString());
    messages.clear();
    EXPECT_TRUE(edit(1, 2, "4"));
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(orders(), QList<QStringList>({{"1", "pen", "4"}}));
}
