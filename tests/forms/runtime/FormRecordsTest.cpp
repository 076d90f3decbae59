// Saving the current record with its checks and messages, new records with their defaults and
// AutoNumbers, deleting, and values that must reach the database exactly as typed.
#include "FormFixture.h"
#include "support/OtherProgram.h"
#include "data/CAppContext.h"
#include "data/DateStyle.h"

using namespace fieldtypes;

namespace {

class FormRecordsTest : public ShopFormFixture {
protected:
    void SetUp() override
    {
        ShopFormFixture::SetUp();
        ASSERT_TRUE(openForm("Shop"));
    }
    void setConfirm(bool adding, bool deleting)
    {
        context.tableForm.ConfirmOnAdding = adding ? 1 : 0;
        context.tableForm.ConfirmOnDeleting = deleting ? 1 : 0;
    }
};

TEST_F(FormRecordsTest, ChangedControlsAreWrittenWhenTheFormMovesOn)
{
    ASSERT_TRUE(type("City", "Bergen"));
    ASSERT_TRUE(type("Age", "31"));
    ASSERT_TRUE(form.setTicked(index("Active"), false));
    form.nextRecord();
    EXPECT_EQ(form.positionText(), "2/3");
    EXPECT_EQ(customers()[0], QStringList({"1", "Ann", "Bergen", "31", "1.5", "0"}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(FormRecordsTest, WhatAnotherProgramWroteShowsWhenReadAgainButNeverOverTyping)
{
    form.nextRecord();
    const QString storage = "t" + tableId;
    ASSERT_TRUE(runInOtherProgram(context.databasePath(), "UPDATE " + storage + " SET c3 = 'Tromsø' WHERE c1 = 2; " +
                                                              "INSERT INTO " + storage +
                                                              " (c1, c2, c3, c4, c5, c6) VALUES (9, 'Dag', 'Oslo', 20, 1, 0);"));
    EXPECT_EQ(text("City"), "Rome");
    EXPECT_TRUE(form.reread());
    EXPECT_EQ(form.positionText(), "2/4");
    EXPECT_EQ(text("City"), "Tromsø");

    // Typing not yet stored stays, and so does what the file holds.
    ASSERT_TRUE(type("City", "Bergen"));
    ASSERT_TRUE(runInOtherProgram(context.databasePath(), "UPDATE " + storage + " SET c4 = 41 WHERE c1 = 2;"));
    EXPECT_FALSE(form.reread());
    EXPECT_EQ(text("City"), "Bergen");
    EXPECT_EQ(text("Age"), "40");
    form.requery();
    EXPECT_EQ(customers()[1], QStringList({"2", "Bob", "Bergen", "41", "2.5", "0"}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(FormRecordsTest, ZeroLengthUniqueAndRequiredChecksKeepTheUserOnTheRecord)
{
    // City allows no zero length although it is not required.
    setFieldProperty("City", "ZeroLen", "false");
    ASSERT_TRUE(openForm("Shop"));
    ASSERT_TRUE(form.setControlText(index("City"), ""));
    form.nextRecord();
    EXPECT_EQ(messages.texts(), QStringList({"Zero Length property violation : City"}));
    EXPECT_EQ(messages.messages()[0].caption, "Varnel Desk 5.0");
    EXPECT_EQ(form.positionText(), "1/3");
    EXPECT_EQ(view.selected, QList<int>({index("City")}));
    EXPECT_EQ(form.focusedControl(), index("City"));
    ASSERT_TRUE(type("City", "Oslo"));
    // An empty unique field is checked for uniqueness only.
    ASSERT_TRUE(form.setControlText(index("Name"), ""));
    EXPECT_TRUE(form.saveCurrentRecord());

    messages.clear();
    ASSERT_TRUE(type("Name", "Bob"));
    ASSERT_TRUE(type("City", "Paris"));
    EXPECT_FALSE(form.saveCurrentRecord());
    EXPECT_EQ(messages.texts(), QStringList({"Unique property violation : Name"}));
    // Nothing of the record was written, not even the field that passed.
    EXPECT_EQ(customers()[0][1], "");
    EXPECT_EQ(customers()[0][2], "Oslo");

    messages.clear();
    setFieldProperty("Age", "Required", "true");
    ASSERT_TRUE(openForm("Shop"));
    ASSERT_TRUE(form.setControlText(index("Age"), ""));
    EXPECT_FALSE(form.saveCurrentRecord());
    EXPECT_EQ(messages.texts(), QStringList({"Empty field not allowed : Age"}));
}

TEST_F(FormRecordsTest, ValidationRuleRefusesAValueWithItsMessage)
{
    ASSERT_TRUE(type("Age", "0"));
    EXPECT_FALSE(form.saveCurrentRecord());
    EXPECT_EQ(messages.texts(), QStringList({"Entered data is not valid"}));
    EXPECT_EQ(customers()[0][3], "30");
    ASSERT_TRUE(type("Age", "7"));
    EXPECT_TRUE(form.saveCurrentRecord());
    EXPECT_EQ(customers()[0][3], "7");

    // The rule runs on the written record in its transaction: a refused new record never reaches the
    // file, and once mended it is added once.
    form.newRecord();
    ASSERT_TRUE(type("Name", "Dee"));
    ASSERT_TRUE(type("Age", "0"));
    messages.clear();
    EXPECT_FALSE(form.saveCurrentRecord());
    EXPECT_EQ(messages.texts(), QStringList({"Entered data is not valid"}));
    EXPECT_EQ(customers().size(), 3);
    EXPECT_TRUE(form.isAdding());
    ASSERT_TRUE(type("Age", "9"));
    EXPECT_TRUE(form.saveCurrentRecord());
    ASSERT_EQ(customers().size(), 4);
    EXPECT_EQ(customers()[3][1], "Dee");
    EXPECT_EQ(customers()[3][3], "9");
}

TEST_F(FormRecordsTest, TickedBoxOverATrueFieldWritesNothing)
{
    // A written value of a field with cascading updates would bring the cascade's question.
    createTable("Flags", {field("Active", kBoolean)});
    ASSERT_TRUE(run("INSERT INTO XNSysRelations VALUES ('Customers', 'Flags', 'Active', 'Active', 1, 2)"));
    EXPECT_TRUE(form.controls()[index("Active")].ticked);
    ASSERT_TRUE(form.setTicked(index("Active"), true));
    EXPECT_TRUE(form.saveCurrentRecord());
    EXPECT_TRUE(messages.texts().isEmpty());
    ASSERT_TRUE(form.setTicked(index("Active"), false));
    EXPECT_TRUE(form.saveCurrentRecord());
    EXPECT_EQ(messages.texts(), QStringList({"Would you also like to Update in related table"}));
    EXPECT_EQ(customers()[0][5], "0");
}

TEST_F(FormRecordsTest, NewRecordGetsDefaultsAndAnAutoNumberKeptAtOnce)
{
    form.newRecord();
    EXPECT_TRUE(form.isAdding());
    EXPECT_EQ(form.positionText(), "4/4");
    EXPECT_EQ(text("ID"), "4");
    EXPECT_EQ(column("SELECT AutoNumber FROM XNSysFields WHERE FieldName = 'ID'"), QStringList({"5"}));
    EXPECT_EQ(text("Price"), "6");
    EXPECT_EQ(text("Name"), "");
    ASSERT_TRUE(type("Name", "Dee"));
    ASSERT_TRUE(type("Age", "20"));
    form.firstRecord();
    EXPECT_FALSE(form.isAdding());
    EXPECT_EQ(form.positionText(), "1/4");
    EXPECT_EQ(customers()[3], QStringList({"4", "Dee", "", "20", "6", "0"}));
    form.newRecord();
    EXPECT_EQ(text("ID"), "5");
}

// A new record left untouched is dropped without its checks, whether the user moves away or closes; one
// typed into is checked as ever.
TEST_F(FormRecordsTest, AnUntouchedNewRecordIsDroppedSilently)
{
    setFieldProperty("City", "ZeroLen", "false");
    ASSERT_TRUE(openForm("Shop"));
    form.newRecord();
    form.previousRecord();
    EXPECT_FALSE(form.isAdding());
    EXPECT_EQ(form.positionText(), "3/3");
    EXPECT_EQ(text("Name"), "Cy");
    form.newRecord();
    ASSERT_TRUE(type("Age", "20"));
    form.previousRecord();
    EXPECT_EQ(messages.texts(), QStringList({"Zero Length property violation : City"}));
    EXPECT_TRUE(form.isAdding());
    // Typed back to what it showed when started (Age's default), the record is untouched again.
    ASSERT_TRUE(type("Age", "0"));
    messages.clear();
    form.close();
    EXPECT_EQ(messages.texts(), QStringList());
    EXPECT_EQ(customers().size(), 3);
}

// A form need not show the AutoNumber field for its records to get their numbers: each number is handed
// out once, kept through a refused save, and never given to a second record.
TEST_F(FormRecordsTest, NewRecordGetsItsAutoNumberWhenNoControlShowsTheField)
{
    storeForm("Slim", "Customers",
              {control(ControlKind::TextBox, "Name", "Customers.Name"),
               control(ControlKind::TextBox, "Age", "Customers.Age")});
    ASSERT_TRUE(openForm("Slim"));
    form.newRecord();
    ASSERT_TRUE(type("Name", "Ann"));
    ASSERT_TRUE(type("Age", "20"));
    EXPECT_FALSE(form.saveCurrentRecord());
    EXPECT_EQ(messages.texts(), QStringList({"Unique property violation : Name"}));
    ASSERT_TRUE(type("Name", "Dee"));
    EXPECT_TRUE(form.saveCurrentRecord());
    form.newRecord();
    ASSERT_TRUE(type("Name", "Eve"));
    ASSERT_TRUE(type("Age", "21"));
    form.firstRecord();
    EXPECT_EQ(select("SELECT ID, Name, Age FROM Customers WHERE ID > 3"),
              QList<QStringList>({{"4", "Dee", "20"}, {"5", "Eve", "21"}}));
    EXPECT_EQ(column("SELECT AutoNumber FROM XNSysFields WHERE FieldName = 'ID'"), QStringList({"6"}));
}

// Records added by SQL with numbers past the counter: a new record gets a number after all of them.
TEST_F(FormRecordsTest, NewRecordsGetNumbersPastThoseTheRecordsHold)
{
    ASSERT_TRUE(run("INSERT INTO Customers (ID, Name) VALUES (9, 'Ida')"));
    ASSERT_TRUE(openForm("Shop"));
    form.newRecord();
    EXPECT_EQ(text("ID"), "10");
    ASSERT_TRUE(type("Name", "Jo"));
    ASSERT_TRUE(type("Age", "20"));
    EXPECT_TRUE(form.saveCurrentRecord());
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(column("SELECT Name FROM Customers WHERE ID = 10"), QStringList({"Jo"}));
    EXPECT_EQ(column("SELECT AutoNumber FROM XNSysFields WHERE FieldName = 'ID'"), QStringList({"11"}));
}

// A default of 0 is a value like any other; only a default that gives no value at all shows the mark.
TEST_F(FormRecordsTest, DefaultOfZeroShowsZeroAndOneWithoutAValueShowsTheValueMark)
{
    setFieldProperty("Price", "DefValue", "3-3");
    ASSERT_TRUE(openForm("Shop"));
    form.newRecord();
    EXPECT_EQ(text("Price"), "0");
    ASSERT_TRUE(type("Name", "Eve"));
    ASSERT_TRUE(type("Age", "8"));
    EXPECT_TRUE(form.saveCurrentRecord()) << messages.texts().join("|").toStdString();
    EXPECT_EQ(customers()[3], QStringList({"4", "Eve", "", "8", "0", "0"}));

    setFieldProperty("Price", "DefValue", "1/0");
    ASSERT_TRUE(openForm("Shop"));
    form.newRecord();
    EXPECT_EQ(text("Price"), "#Value#");
    ASSERT_TRUE(type("Name", "Fay"));
    ASSERT_TRUE(type("Age", "9"));
    EXPECT_TRUE(form.saveCurrentRecord()) << messages.texts().join("|").toStdString();
    EXPECT_EQ(customers()[4][4], "");
}

TEST_F(FormRecordsTest, ConfirmOnAddingAsksAndNoChangesNothing)
{
    setConfirm(true, false);
    messages.answer(framework::Answer::No);
    form.newRecord();
    EXPECT_EQ(messages.texts(), QStringList({"Add Record"}));
    EXPECT_EQ(messages.messages()[0].buttons, framework::Buttons::YesNo);
    EXPECT_FALSE(form.isAdding());
    EXPECT_EQ(form.positionText(), "1/3");
    EXPECT_EQ(text("Name"), "Ann");
    setConfirm(false, false);
    messages.clear();
    form.newRecord();
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_TRUE(form.isAdding());
}

TEST_F(FormRecordsTest, RefusedNewRecordCanBeCorrectedAndSavedOnce)
{
    form.newRecord();
    ASSERT_TRUE(type("Name", "Ann"));
    EXPECT_FALSE(form.saveCurrentRecord());
    ASSERT_TRUE(type("Name", "Fay"));
    ASSERT_TRUE(type("Age", "5"));
    EXPECT_TRUE(form.saveCurrentRecord());
    EXPECT_TRUE(form.saveCurrentRecord());
    EXPECT_EQ(column("SELECT Name FROM Customers"), QStringList({"Ann", "Bob", "Cy", "Fay"}));
}

TEST_F(FormRecordsTest, DeletingTheLastRecordMovesToTheNewLastRecord)
{
    setConfirm(false, true);
    form.lastRecord();
    messages.answer(framework::Answer::No);
    form.deleteCurrentRecord();
    EXPECT_EQ(messages.texts(), QStringList({"Do you want to delete the selected record ?"}));
    EXPECT_EQ(messages.messages()[0].icon, framework::Icon::Question);
    EXPECT_EQ(form.positionText(), "3/3");
    form.deleteCurrentRecord();
    EXPECT_EQ(form.positionText(), "2/2");
    EXPECT_EQ(text("Name"), "Bob");
    form.deleteCurrentRecord();
    form.deleteCurrentRecord();
    EXPECT_EQ(form.positionText(), "0/0");
    EXPECT_EQ(text("Name"), "");
    messages.clear();
    form.deleteCurrentRecord();
    EXPECT_EQ(messages.texts(), QStringList({"No records to delete"}));
}

TEST_F(FormRecordsTest, DeletingAskesAboutCascadesAndRemovesRelatedRecordsAfterTheRecord)
{
    createTable("Orders", {field("Buyer", kText), field("Item", kText)});
    ASSERT_TRUE(run("INSERT INTO Orders (Buyer, Item) VALUES ('Ann', 'Pen')"));
    ASSERT_TRUE(run("INSERT INTO Orders (Buyer, Item) VALUES ('Bob', 'Ink')"));
    ASSERT_TRUE(run("INSERT INTO XNSysRelations VALUES ('Customers', 'Orders', 'Name', 'Buyer', 1, 6)"));
    ASSERT_TRUE(type("Name", "Anna"));
    form.nextRecord();
    EXPECT_EQ(messages.texts(), QStringList({"Would you also like to Update in related table"}));
    EXPECT_EQ(column("SELECT Buyer FROM Orders"), QStringList({"Anna", "Bob"}));
    messages.clear();
    form.deleteCurrentRecord();
    EXPECT_EQ(messages.texts(), QStringList({"Would you also like to delete in related table"}));
    EXPECT_EQ(column("SELECT Buyer FROM Orders"), QStringList({"Anna"}));
    EXPECT_EQ(column("SELECT Name FROM Customers"), QStringList({"Anna", "Cy"}));
}

// A record that related records refer to keeps its key and stays while the relation keeps integrity.
TEST_F(FormRecordsTest, NoToACascadeKeepsAReferencedRecordAndItsKey)
{
    createTable("Orders", {field("Buyer", kText), field("Item", kText)});
    ASSERT_TRUE(run("INSERT INTO Orders (Buyer, Item) VALUES ('Ann', 'Pen')"));
    ASSERT_TRUE(run("INSERT INTO XNSysRelations VALUES ('Customers', 'Orders', 'Name', 'Buyer', 1, 6)"));
    ASSERT_TRUE(type("Name", "Anna"));
    messages.answer(framework::Answer::No);
    EXPECT_FALSE(form.saveCurrentRecord());
    EXPECT_EQ(messages.texts(), QStringList({"Would you also like to Update in related table",
                                             "Name cannot be changed from Ann while 1 record in Orders refer to it "
                                             "through Buyer."}));
    EXPECT_EQ(column("SELECT Name FROM Customers"), QStringList({"Ann", "Bob", "Cy"}));
    ASSERT_TRUE(type("Name", "Ann"));

    messages.clear();
    messages.answer(framework::Answer::No);
    form.deleteCurrentRecord();
    EXPECT_EQ(messages.texts(), QStringList({"Would you also like to delete in related table",
                                             "The record cannot be deleted while 1 record in Orders refer to it "
                                             "through Buyer."}));
    EXPECT_EQ(column("SELECT Name FROM Customers"), QStringList({"Ann", "Bob", "Cy"}));
    EXPECT_EQ(form.positionText(), "1/3");

    // Integrity without a cascade refuses at once; a record nothing refers to goes.
    ASSERT_TRUE(run("DELETE FROM XNSysRelations"));
    ASSERT_TRUE(run("INSERT INTO XNSysRelations VALUES ('Customers', 'Orders', 'Name', 'Buyer', 1, 1)"));
    messages.clear();
    form.deleteCurrentRecord();
    EXPECT_EQ(messages.texts().size(), 1);
    form.nextRecord();
    form.deleteCurrentRecord();
    EXPECT_EQ(column("SELECT Name FROM Customers"), QStringList({"Ann", "Cy"}));
    EXPECT_EQ(column("SELECT Buyer FROM Orders"), QStringList({"Ann"}));
}

// The record and its related records go together: a cascade that fails keeps every one of them.
TEST_F(FormRecordsTest, AFailedCascadeKeepsTheRecordAndItsRelatedRecords)
{
    createTable("Orders", {field("Buyer", kText), field("Item", kText)});
    ASSERT_TRUE(run("INSERT INTO Orders (Buyer, Item) VALUES ('Ann', 'Pen')"));
    ASSERT_TRUE(run("INSERT INTO XNSysRelations VALUES ('Customers', 'Orders', 'Name', 'Buyer', 1, 4)"));
    ASSERT_TRUE(run("INSERT INTO XNSysRelations VALUES ('Customers', 'Orders', 'Name', 'NoSuchField', 1, 4)"));
    form.deleteCurrentRecord();
    EXPECT_EQ(messages.texts().last(), "Failed to delete the record");
    EXPECT_EQ(column("SELECT Buyer FROM Orders"), QStringList({"Ann"}));
    EXPECT_EQ(customers().size(), 3);
    EXPECT_EQ(form.positionText(), "1/3");
    EXPECT_EQ(text("Name"), "Ann");
}

TEST_F(FormRecordsTest, DeletingTheRecordBeingAddedDropsIt)
{
    form.newRecord();
    ASSERT_TRUE(type("Name", "Gil"));
    form.deleteCurrentRecord();
    EXPECT_FALSE(form.isAdding());
    EXPECT_EQ(form.positionText(), "3/3");
    form.firstRecord();
    EXPECT_EQ(customers().size(), 3);
}

TEST_F(FormRecordsTest, QuotesAndSqlTextAreStoredAndFoundExactly)
{
    ASSERT_TRUE(type("Name", "Ann O'Brien-José"));
    form.nextRecord();
    ASSERT_TRUE(type("Name", "' OR 1=1 --"));
    form.nextRecord();
    EXPECT_EQ(column("SELECT Name FROM Customers"), QStringList({"Ann O'Brien-José", "' OR 1=1 --", "Cy"}));
    // The unique check finds both values as they are, and only them.
    ASSERT_TRUE(type("Name", "' OR 1=1 --"));
    EXPECT_FALSE(form.saveCurrentRecord());
    ASSERT_TRUE(type("Name", "Ann O'Brien-José"));
    EXPECT_FALSE(form.saveCurrentRecord());
    EXPECT_EQ(messages.texts(), QStringList({"Unique property violation : Name", "Unique property violation : Name"}));
    ASSERT_TRUE(type("Name", "' OR 1=2 --"));
    EXPECT_TRUE(form.saveCurrentRecord());
}

TEST_F(FormRecordsTest, TypingGoesThroughTheCharacterFilterOfTheField)
{
    EXPECT_TRUE(type("Age", "7"));
    EXPECT_EQ(text("Age"), "7");
    EXPECT_FALSE(type("Age", "x"));
    EXPECT_EQ(text("Age"), "");
    EXPECT_TRUE(type("Age", "-7"));
    EXPECT_EQ(text("Age"), "-7");
    EXPECT_FALSE(type("Price", "1.5.2"));
    EXPECT_EQ(text("Price"), "1.52");
    EXPECT_TRUE(type("City", "Ann O'Brien-José"));
    EXPECT_EQ(text("City"), "Ann O'Brien-José");
    // A box with a length limit takes that many characters.
    storeForm("Short", "Customers", {control(ControlKind::TextBox, "City", "Customers.City", {{"Max Length", "5"}})});
    ASSERT_TRUE(openForm("Short"));
    EXPECT_FALSE(type("City", "Amsterdam"));
    EXPECT_EQ(text("City"), "Amste");
}

// Typing a box takes none of is no entry of an empty value: the save is refused with the field's message
// and the record keeps what it held, a new record is not stored at all. City's type code is the engine's,
// as on a table made by SQL, whose text boxes take no typing.
TEST_F(FormRecordsTest, TypingTheBoxTakesNoneOfIsRefusedAndNeverStoresAnEmptyValue)
{
    setFieldProperty("City", "ODBCType", "202");
    ASSERT_TRUE(openForm("Shop"));
    EXPECT_FALSE(type("City", "Lyon"));
    EXPECT_FALSE(form.saveCurrentRecord());
    form.nextRecord();
    EXPECT_EQ(form.positionText(), "1/3");
    EXPECT_EQ(messages.texts(), QStringList(2, "\"Lyon\" was not taken: City takes no typing"));
    EXPECT_EQ(form.focusedControl(), index("City"));
    EXPECT_FALSE(type("Age", "x"));
    ASSERT_TRUE(form.setControlText(index("City"), "Oslo"));
    messages.clear();
    EXPECT_FALSE(form.saveCurrentRecord());
    EXPECT_EQ(messages.texts(), QStringList({"Age takes a whole number from -2147483648 to 2147483647"}));
    EXPECT_EQ(customers()[0], QStringList({"1", "Ann", "Oslo", "30", "1.5", "-1"}));
    // What is typed next counts, and the record moves on.
    ASSERT_TRUE(type("Age", "31"));
    form.nextRecord();
    EXPECT_EQ(customers()[0], QStringList({"1", "Ann", "Oslo", "31", "1.5", "-1"}));

    form.newRecord();
    ASSERT_TRUE(type("Name", "Gus"));
    EXPECT_FALSE(type("City", "Lyon"));
    EXPECT_FALSE(form.saveCurrentRecord());
    form.firstRecord();
    EXPECT_TRUE(form.isAdding());
    EXPECT_EQ(customers().size(), 3);
}

// A text longer than its field is refused whole, as the datasheet refuses it, never cut to fit.
TEST_F(FormRecordsTest, ATextLongerThanItsFieldIsRefusedNotCut)
{
    const QString longName(60, u'n');
    EXPECT_TRUE(type("Name", longName));
    EXPECT_FALSE(form.saveCurrentRecord());
    EXPECT_EQ(messages.texts(), QStringList({"Name takes at most 50 characters; the text has 60"}));
    EXPECT_EQ(form.focusedControl(), index("Name"));
    form.nextRecord();
    EXPECT_EQ(form.positionText(), "1/3");
    EXPECT_EQ(customers()[0], QStringList({"1", "Ann", "Oslo", "30", "1.5", "-1"}));
    ASSERT_TRUE(form.setControlText(index("Name"), longName.left(50)));
    EXPECT_TRUE(form.saveCurrentRecord());
    EXPECT_EQ(customers()[0][1], longName.left(50));
}

// A date is stored as typed; a field without one shows nothing and stays without one when nothing is
// typed; a text that is no date is refused with the field's message and the record keeps its value.
TEST_F(FormRecordsTest, DatesAreStoredAsTypedAndNoDateStaysNull)
{
    createTable("Visits", {field("Who", kText), field("Day", kDateTime)});
    ASSERT_TRUE(run("INSERT INTO Visits (Who) VALUES ('Ann')"));
    storeForm("Diary", "Visits",
              {control(ControlKind::TextBox, "Who", "Visits.Who"), control(ControlKind::DateTime, "Day", "Visits.Day")});
    ASSERT_TRUE(openForm("Diary"));
    EXPECT_EQ(text("Day"), "");
    ASSERT_TRUE(type("Who", "Ann B"));
    EXPECT_TRUE(form.saveCurrentRecord());
    EXPECT_EQ(column("SELECT Who FROM Visits WHERE Day IS NULL"), QStringList({"Ann B"}));

    ASSERT_TRUE(form.setControlText(index("Day"), "soon"));
    EXPECT_FALSE(form.saveCurrentRecord());
    EXPECT_EQ(messages.texts(), QStringList({"Day takes a date, such as 1/15/2027"}));
    EXPECT_EQ(form.focusedControl(), index("Day"));
    ASSERT_TRUE(form.setControlText(index("Day"), "3/14/2025"));
    EXPECT_TRUE(form.saveCurrentRecord());

    form.newRecord();
    EXPECT_EQ(text("Day"), "");
    ASSERT_TRUE(type("Who", "Bob"));
    form.firstRecord();
    EXPECT_EQ(select("SELECT Who, Day FROM Visits"), QList<QStringList>({{"Ann B", "3/14/2025"}, {"Bob", ""}}));
    EXPECT_EQ(column("SELECT Who FROM Visits WHERE Day IS NULL"), QStringList({"Bob"}));
}

// A combo box over a field with a lookup to another table lists that table's visible column and shows
// each record's value by it, while the record keeps the bound column.
TEST_F(FormRecordsTest, ComboBoxOfATableLookupShowsNamesAndStoresTheBoundColumn)
{
    createProductsWithSupplierLookup();
    storeForm("Stock", "Products",
              {control(ControlKind::TextBox, "Name", "Products.Name"),
               control(ControlKind::ComboBox, "Supplier", "Products.SupplierID")});
    ASSERT_TRUE(openForm("Stock"));
    EXPECT_EQ(form.controls()[index("Supplier")].items, QStringList({"Acme", "Zoë & Co"}));
    EXPECT_EQ(text("Supplier"), "Zoë & Co");
    // The name shown stands for the stored number: nothing counts as typed.
    EXPECT_TRUE(form.reread());
    // A pick from the list, as the widget hands it over.
    ASSERT_TRUE(form.setControlText(index("Supplier"), "Acme"));
    EXPECT_TRUE(form.saveCurrentRecord());
    form.newRecord();
    ASSERT_TRUE(type("Name", "Ink"));
    ASSERT_TRUE(type("Supplier", "Zoë & Co"));
    form.firstRecord();
    EXPECT_EQ(select("SELECT Name, SupplierID FROM Products"), QList<QStringList>({{"Pen", "1"}, {"Ink", "2"}}));
    EXPECT_EQ(text("Supplier"), "Acme");
    EXPECT_TRUE(messages.texts().isEmpty());
}

// A combo box whose lookup is limited to its list refuses any other value, as the datasheet does, and
// the record keeps what it held.
TEST_F(FormRecordsTest, ComboBoxOfALimitedListRefusesOtherValues)
{
    createProductsWithSupplierLookup();
    ASSERT_TRUE(FieldCatalogue(context, "Products").SaveLookup("SupplierID", 0, "Tables;Suppliers;SupplierID;Name;Yes"));
    storeForm("Stock", "Products", {control(ControlKind::ComboBox, "Supplier", "Products.SupplierID")});
    ASSERT_TRUE(openForm("Stock"));
    ASSERT_TRUE(form.setControlText(index("Supplier"), "Nobody"));
    EXPECT_FALSE(form.saveCurrentRecord());
    EXPECT_EQ(messages.texts(),
              QStringList({"SupplierID takes only the values of its list; \"Nobody\" is not one of them"}));
    EXPECT_EQ(form.focusedControl(), index("Supplier"));
    EXPECT_EQ(select("SELECT SupplierID FROM Products"), QList<QStringList>({{"2"}}));
    ASSERT_TRUE(form.setControlText(index("Supplier"), "Acme"));
    EXPECT_TRUE(form.saveCurrentRecord());
    EXPECT_EQ(select("SELECT SupplierID FROM Products"), QList<QStringList>({{"1"}}));
}

} // namespace

// A masked field shows its value through the mask and takes typing through it; the record gets the
// value as the mask stores it, an Integer as its plain number.
TEST_F(FormRecordsTest, MaskedFieldsShowAndStoreThroughTheirMasks)
{
    setFieldProperty("City", "InputMask", "LL-LL;0;_");
    setFieldProperty("Age", "InputMask", "#-#;0;_");
    ASSERT_TRUE(openForm("Shop"));
    EXPECT_EQ(text("City"), "Os-lo");
    EXPECT_EQ(text("Age"), "3-0");
    EXPECT_FALSE(type("Age", "4x2"));
    EXPECT_EQ(text("Age"), "4-2");
    EXPECT_TRUE(type("City", "berg"));
    EXPECT_EQ(text("City"), "be-rg");
    form.nextRecord();
    EXPECT_EQ(text("City"), "Ro-me");
    EXPECT_EQ(customers()[0], QStringList({"1", "Ann", "berg", "42", "1.5", "-1"}));
}

// A date field's text box shows its date in the Date Style of the options; the record keeps the date as it
// was, so moving on writes nothing.
TEST_F(FormRecordsTest, ADateShowsInTheChosenDateStyleAndStaysAsItWas)
{
    createTable("Visits", {field("Guest", kText), field("Due", kDateTime)});
    ASSERT_TRUE(run("INSERT INTO Visits (Guest, Due) VALUES ('Ann', '3/4/2026')"));
    ASSERT_TRUE(run("INSERT INTO Visits (Guest, Due) VALUES ('Bob', '12/7/2026 10:05:09 AM')"));
    storeForm("Dates", "Visits",
              {control(ControlKind::TextBox, "Guest", "Visits.Guest"), control(ControlKind::TextBox, "Due", "Visits.Due")});
    const QStringList styles = dateStyles();
    ASSERT_GT(styles.size(), 1);
    context.general.Default_Date_Style = int(styles.size()) - 1;
    ASSERT_TRUE(openForm("Dates"));
    EXPECT_EQ(text("Due"), styledDate("3/4/2026", styles.last()));
    EXPECT_NE(text("Due"), "3/4/2026");
    ASSERT_TRUE(type("Guest", "Ana"));
    form.nextRecord();
    EXPECT_EQ(text("Due"), styledDate("12/7/2026 10:05:09 AM", styles.last()));
    form.previousRecord();
    EXPECT_EQ(select("SELECT Guest, Due FROM Visits"),
              QList<QStringList>({{"Ana", "3/4/2026"}, {"Bob", "12/7/2026 10:05:09 AM"}}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

// The user's close asks about typing that is not stored yet: Yes stores it, or keeps the form open on
// the record when a check refuses it; No leaves the file as it was; Cancel keeps the form with the typing.
TEST_F(FormRecordsTest, ClosingWithTypingAsksAndKeepsTheRecordOnYes)
{
    const QString question = "Do you want to save the current record?";
    ASSERT_TRUE(type("City", "Bergen"));
    ASSERT_TRUE(form.hasUnsavedRecord());
    messages.answer(framework::Answer::Cancel);
    EXPECT_FALSE(form.closeAsking());
    EXPECT_EQ(messages.texts(), QStringList({question}));
    EXPECT_EQ(messages.messages().front().buttons, framework::Buttons::YesNoCancel);
    EXPECT_TRUE(form.isOpen());
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(text("City"), "Bergen");

    // A value its rule refuses stays on show, with the form.
    ASSERT_TRUE(type("Age", "-4"));
    messages.clear();
    messages.answer(framework::Answer::Yes);
    EXPECT_FALSE(form.closeAsking());
    EXPECT_EQ(messages.texts().value(0), question);
    EXPECT_EQ(messages.texts().size(), 2);
    EXPECT_TRUE(form.isOpen());
    EXPECT_EQ(customers()[0], QStringList({"1", "Ann", "Oslo", "30", "1.5", "-1"}));

    ASSERT_TRUE(type("Age", "44"));
    messages.clear();
    messages.answer(framework::Answer::Yes);
    EXPECT_TRUE(form.closeAsking());
    EXPECT_TRUE(view.closed);
    EXPECT_FALSE(form.isOpen());
    EXPECT_EQ(customers()[0], QStringList({"1", "Ann", "Bergen", "44", "1.5", "-1"}));
}

TEST_F(FormRecordsTest, ClosingWithoutSavingLeavesTheFileAsItWas)
{
    form.newRecord();
    ASSERT_TRUE(type("Name", "Dee"));
    EXPECT_TRUE(form.hasUnsavedRecord());
    messages.answer(framework::Answer::No);
    EXPECT_TRUE(form.closeAsking());
    EXPECT_EQ(messages.texts(), QStringList({"Do you want to save the current record?"}));
    EXPECT_TRUE(view.closed);
    EXPECT_EQ(customers().size(), 3);
}

// Nothing typed, or a new record left as it started: the form closes without a question.
TEST_F(FormRecordsTest, ClosingWithNothingTypedAsksNothing)
{
    ASSERT_TRUE(type("City", "Bergen"));
    ASSERT_TRUE(type("City", "Oslo"));
    EXPECT_FALSE(form.hasUnsavedRecord());
    form.newRecord();
    EXPECT_FALSE(form.hasUnsavedRecord());
    EXPECT_TRUE(form.closeAsking());
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('\n').toStdString();
    EXPECT_TRUE(view.closed);
    EXPECT_EQ(customers().size(), 3);
}
