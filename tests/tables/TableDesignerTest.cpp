// The table designer without its window, over the real engine: rows and their states, saving a new and
// an existing table, moving, deleting, lookups, the builders and closing.
#include "FakeDesignerHost.h"
#include "TableFixture.h"
#include "platform/framework/Prompts.h"
#include "tables/FieldCatalogue.h"
#include "tables/TableDesigner.h"

using namespace fieldtypes;
using framework::Answer;

namespace {
class TableDesignerTest : public TableFixture {
protected:
    TableDesignerTest()
    {
        designer.open();
    }

    // A table Orders with Item (Text), Qty (Integer) and Due (Date/Time), saved through the designer.
    void saveOrders()
    {
        designer.setTableName("Orders");
        ASSERT_TRUE(designer.editName(0, "Item"));
        ASSERT_TRUE(designer.editName(1, "Qty"));
        ASSERT_TRUE(designer.editType(1, kInteger));
        ASSERT_TRUE(designer.editName(2, "Due"));
        ASSERT_TRUE(designer.editType(2, kDateTime));
        ASSERT_TRUE(designer.save());
        messages.clear();
    }
    QStringList engineFields(const QString& table)
    {
        QStringList names;
        for (const QStringList& row : select("SELECT FieldName FROM MSysFields WHERE TableID = " + tableId(table) +
                                             " ORDER BY FieldID"))
            names << row.value(0);
        return names;
    }
    QString tableId(const QString& table)
    {
        return select("SELECT TableID FROM MSysTables WHERE TableName = '" + table + "'").value(0).value(0);
    }
    QStringList layout(const QString& table)
    {
        return select("SELECT FieldName, Widths FROM XNSysTables WHERE TableSource = '" + table + "'").value(0);
    }

    FakeDesignerHost host;
    struct BuilderCall {
        QString text;
        int mode;
        QString table;
        QString field;
        bool operator==(const BuilderCall&) const = default;
    };
    std::optional<QString> builderAnswer;
    QList<BuilderCall> builderCalls;
    TableDesigner designer{context, host,
                           [this](const QString& text, int mode, const QString& table, const QString& field) {
                               builderCalls.append({text, mode, table, field});
                               return builderAnswer;
                           }};
};
} // namespace

TEST_F(TableDesignerTest, NewRowsStartAsTextAndTheGridHasTwentyRows)
{
    for (int row = 0; row < TableDesigner::kRows; ++row)
        EXPECT_TRUE(designer.editName(row, QStringLiteral("F%1").arg(row)));
    EXPECT_FALSE(designer.editName(TableDesigner::kRows, "F20"));
    EXPECT_EQ(designer.rowType(0), kText);
    EXPECT_EQ(designer.rowState(0), FieldRowState::Added);
    designer.selectRow(0);
    EXPECT_EQ(designer.properties(), propertyTemplate(kText));
    EXPECT_FALSE(designer.editName(1, "f0"));
    EXPECT_EQ(messages.texts(), QStringList({"Field already exists"}));
    EXPECT_EQ(designer.rowName(1), "F1");
}

TEST_F(TableDesignerTest, NewTableRefusalsComeBeforeAnySql)
{
    EXPECT_FALSE(designer.save());
    designer.setTableName("Customers");
    EXPECT_FALSE(designer.save());
    host.names << "Customers";
    designer.editName(0, "Name");
    EXPECT_FALSE(designer.save());
    EXPECT_EQ(messages.texts(),
              QStringList({"Table Name is not entered", "No fields entered", "Table already exists in the database"}));
    EXPECT_TRUE(tableId("Customers").isEmpty());
    EXPECT_EQ(host.mode, 0);
}

TEST_F(TableDesignerTest, SavingANewTableSwitchesToEditing)
{
    saveOrders();
    EXPECT_EQ(host.mode, 1);
    EXPECT_EQ(host.names, QStringList({"Orders"}));
    EXPECT_EQ(host.ids, QStringList({tableId("Orders")}));
    EXPECT_EQ(host.selected, "Orders");
    EXPECT_EQ(engineFields("Orders"), QStringList({"Item", "Qty", "Due"}));
    EXPECT_EQ(layout("Orders"), QStringList({"Item;Qty;Due;", ";;;"}));
    EXPECT_EQ(designer.rowState(0), FieldRowState::None);
    designer.selectRow(1);
    const QList<PropertyRow> loaded = designer.properties();
    EXPECT_EQ(loaded[1].name, "InputMask");
    EXPECT_EQ(loaded[3].name, "ValdnRule");
    EXPECT_EQ(loaded[4].name, "ValdnText");
    EXPECT_EQ(loaded[2].value, "0");
    EXPECT_EQ(loaded[5].value, "No");
}

TEST_F(TableDesignerTest, EditingRenamesAddsRetypesAndDeletes)
{
    saveOrders();
    ASSERT_TRUE(run("INSERT INTO Orders (Item, Qty) VALUES ('Pen', 5)"));
    ASSERT_TRUE(run("INSERT INTO Orders (Item, Qty) VALUES ('Ink', 12)"));
    TableDesigner reopened(context, host, {});
    reopened.open();
    EXPECT_EQ(reopened.rowName(2), "Due");

    EXPECT_TRUE(reopened.editName(0, "Article"));
    EXPECT_EQ(reopened.rowState(0), FieldRowState::NameChanged);
    EXPECT_TRUE(reopened.editType(1, kText));
    EXPECT_EQ(reopened.rowState(1), FieldRowState::TypeChanged);
    EXPECT_TRUE(reopened.editName(3, "Price"));
    EXPECT_TRUE(reopened.editType(3, kDouble));
    EXPECT_EQ(reopened.rowState(3), FieldRowState::Added);
    reopened.selectRow(2);
    messages.answer(Answer::Ok);
    reopened.deleteField();
    EXPECT_EQ(reopened.rowName(2), "Price");
    messages.answer(Answer::Yes); // convert Qty's data
    EXPECT_TRUE(reopened.save());

    EXPECT_EQ(messages.texts().mid(0, 1), QStringList({"Delete field Due ?"}));
    EXPECT_TRUE(messages.texts().contains("Field name changed successfully : Article"));
    EXPECT_TRUE(messages.texts().contains("Field data type changed successfully : Qty"));
    EXPECT_TRUE(messages.texts().contains("Field added successfully : Price"));
    EXPECT_EQ(engineFields("Orders"), QStringList({"Article", "Qty", "Price"}));
    EXPECT_EQ(catalogueColumn(tableId("Orders"), "FieldName"), QStringList({"Article", "Qty", "Price"}));
    EXPECT_EQ(catalogueColumn(tableId("Orders"), "ODBCType"), QStringList({"12", "12", "8"}));
    EXPECT_EQ(catalogueColumn(tableId("Orders"), "FieldID"), QStringList({"1", "2", "3"}));
    EXPECT_EQ(select("SELECT Article, Qty FROM Orders"), (QList<QStringList>{{"Pen", "5"}, {"Ink", "12"}}));
    EXPECT_EQ(layout("Orders"), QStringList({"Article;Qty;Price;", ";;;"}));
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(reopened.rowState(row), FieldRowState::None);
}

TEST_F(TableDesignerTest, LayoutThatCannotBeStoredIsReported)
{
    ASSERT_TRUE(run("DROP TABLE XNSysTables"));
    designer.setTableName("Orders");
    ASSERT_TRUE(designer.editName(0, "Item"));
    ASSERT_TRUE(designer.save());
    EXPECT_TRUE(messages.texts().contains("Error while storing the column widths of Orders"))
        << messages.texts().join(" / ").toStdString();
    EXPECT_FALSE(tableId("Orders").isEmpty()) << "the table itself is made";
}

TEST_F(TableDesignerTest, NamesWithAStoredSeparatorAreRefused)
{
    const QString refused = "Table and field names cannot contain ~ or |";
    EXPECT_FALSE(designer.editName(0, "a~b"));
    EXPECT_FALSE(designer.editName(0, "a|b"));
    EXPECT_EQ(messages.texts(), QStringList({refused, refused}));
    ASSERT_TRUE(designer.editName(0, "Item"));
    for (const QString table : {"Old~Orders", "Old|Orders"}) {
        designer.setTableName(table);
        messages.clear();
        EXPECT_FALSE(designer.save());
        EXPECT_EQ(messages.texts(), QStringList({refused}));
        EXPECT_TRUE(tableId(table).isEmpty());
    }
}

TEST_F(TableDesignerTest, PropertyEditsAreSavedByPosition)
{
    saveOrders();
    designer.selectRow(1);
    designer.editProperty(2, "7");
    EXPECT_EQ(designer.rowState(1), FieldRowState::PropertiesChanged);
    designer.save();
    EXPECT_EQ(catalogueColumn(tableId("Orders"), "DefValue"), QStringList({"", "7", ""}));
    EXPECT_EQ(designer.rowState(1), FieldRowState::None);
}

TEST_F(TableDesignerTest, DefaultsAndRulesMustSuitTheFieldsType)
{
    saveOrders();
    const auto edit = [&](int row, const QString& property, const QString& value) {
        designer.selectRow(row);
        const QList<PropertyRow> rows = designer.properties();
        for (int index = 0; index < rows.size(); ++index)
            if (rows[index].name == property)
                return designer.editProperty(index, value);
        ADD_FAILURE() << property.toStdString();
        return false;
    };
    EXPECT_TRUE(edit(2, "DefValue", "1/15/2027"));
    EXPECT_TRUE(edit(1, "DefValue", "2.5 * 2"));
    EXPECT_TRUE(edit(2, "ValdnRule", "> #1/1/2026#"));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(" / ").toStdString();

    EXPECT_FALSE(edit(1, "DefValue", "\"abc\""));
    EXPECT_FALSE(edit(2, "DefValue", "\"soon\""));
    EXPECT_FALSE(edit(0, "DefValue", "LEN("));
    EXPECT_FALSE(edit(1, "ValdnRule", "> \"a\" +"));
    EXPECT_EQ(messages.texts(), QStringList({"The Default Value gives \"abc\", which a field of type Integer cannot hold",
                                             "The Default Value gives \"soon\", which a field of type Date/Time cannot hold",
                                             "The Default Value cannot be computed",
                                             "The Validation Rule cannot be tested on a value of a field of type Integer"}));
    designer.save();
    EXPECT_EQ(catalogueColumn(tableId("Orders"), "DefValue"), QStringList({"", "2.5 * 2", "#1/15/2027#"}))
        << "a date default is kept as a date literal; refused values are not kept";
}

// An AutoNumber hands out each number once: it is unique, and its Unique row offers nothing else.
TEST_F(TableDesignerTest, AnAutoNumberIsUnique)
{
    designer.setTableName("Suppliers");
    ASSERT_TRUE(designer.editName(0, "SupplierID"));
    ASSERT_TRUE(designer.editType(0, kAutoNumber));
    designer.selectRow(0);
    ASSERT_EQ(designer.properties().size(), 3);
    EXPECT_EQ(designer.properties()[2].value, "Yes");
    EXPECT_EQ(designer.propertyCell(2).choices, QStringList({"Yes"}));
    ASSERT_TRUE(designer.save());
    EXPECT_EQ(catalogueColumn(tableId("Suppliers"), "Unique"), QStringList({"-1"}));
}

TEST_F(TableDesignerTest, MovingChangesTheStoredOrderOnly)
{
    saveOrders();
    designer.moveUp();
    EXPECT_EQ(messages.texts(), QStringList({"Please select a single field to move up"}));
    designer.selectRow(2);
    designer.moveUp();
    EXPECT_EQ(designer.selectedRow(), 1);
    EXPECT_EQ(designer.rowName(1), "Due");
    designer.save();
    EXPECT_EQ(layout("Orders"), QStringList({"Item;Due;Qty;", ";;;"}));
    EXPECT_EQ(engineFields("Orders"), QStringList({"Item", "Qty", "Due"}));
    designer.selectRow(1);
    designer.editProperty(0, "LongDate"); // Due, whose engine position is 2
    designer.save();
    EXPECT_EQ(catalogueColumn(tableId("Orders"), "Format"), QStringList({"", "", "LongDate"}));
}

TEST_F(TableDesignerTest, DeletingNeedsAFilledSelectedRowAndOk)
{
    designer.deleteField();
    designer.selectRow(4);
    designer.deleteField();
    designer.editName(4, "X");
    messages.answer(Answer::Cancel);
    designer.deleteField();
    EXPECT_EQ(messages.texts(), QStringList({"Please select a single field to delete", "Only Non Empty Rows Can be deleted",
                                             "Delete field X ?"}));
    for (const auto& message : messages.messages())
        EXPECT_EQ(message.caption, "Message");
    EXPECT_EQ(designer.rowName(4), "X");
}

TEST_F(TableDesignerTest, LookupValueListAndTablesRules)
{
    EXPECT_FALSE(designer.openLookup());
    EXPECT_EQ(messages.texts(), QStringList({"Save The Table To Lookup"}));
    saveOrders();
    EXPECT_FALSE(designer.openLookup());
    EXPECT_EQ(messages.texts(), QStringList({"Select a Field to Lookup"}));
    messages.clear();

    designer.selectRow(0);
    ASSERT_TRUE(designer.openLookup());
    LookupEditor& lookup = *designer.lookup();
    lookup.edit(LookupEditor::RowSourceType, "Tables");
    lookup.addItem();
    EXPECT_FALSE(lookup.autoLoad("Orders", "Item"));
    EXPECT_EQ(messages.texts(), QStringList(2, "Can not Add or Remove from Lookup List"));
    lookup.edit(LookupEditor::RowSourceType, "Value List");
    EXPECT_TRUE(lookup.isLocked(LookupEditor::BoundColumn));
    EXPECT_EQ(lookup.value(LookupEditor::LimitToList), "Yes");
    QList<framework::PromptRequest> prompts;
    auto previous = framework::setPromptResponder([&](const framework::PromptRequest& request) {
        prompts << request;
        return std::optional<QString>(prompts.size() == 1 ? "Red" : prompts.size() == 2 ? "Blue" : "Dark;Green");
    });
    lookup.addItem();
    lookup.addItem();
    messages.clear();
    lookup.addItem();
    framework::setPromptResponder(previous);
    EXPECT_EQ(messages.texts(), QStringList({"A list item cannot contain \";\""})) << "it would come back as two";
    EXPECT_EQ(lookup.items(), QStringList({"Red", "Blue"}));
    EXPECT_EQ(prompts[0].title, "Enter Data");
    EXPECT_EQ(lookup.moveItem(1, -1), 0);
    EXPECT_EQ(lookup.value(LookupEditor::RowSource), "Blue;Red");
    designer.save();
    EXPECT_EQ(select("SELECT Combo, ComboFlags, ComboData FROM XNSysFields WHERE FieldName = 'Item'"),
              (QList<QStringList>{{"1", "Value List", "Blue;Red"}}));

    designer.selectRow(1);
    ASSERT_TRUE(designer.openLookup());
    designer.lookup()->edit(LookupEditor::RowSourceType, "Tables");
    designer.lookup()->edit(LookupEditor::RowSource, "Orders");
    EXPECT_EQ(designer.lookup()->choices(LookupEditor::BoundColumn), QStringList({"Item", "Qty", "Due"}));
    messages.clear();
    designer.save();
    EXPECT_EQ(messages.texts(), QStringList({" Select Bound Column "}));
    designer.lookup()->edit(LookupEditor::BoundColumn, "Qty");
    designer.lookup()->edit(LookupEditor::VisibleColumn, "Item");
    designer.lookup()->edit(LookupEditor::LimitToList, "No");
    designer.save();
    EXPECT_EQ(select("SELECT ComboFlags FROM XNSysFields WHERE FieldName = 'Qty'"),
              (QList<QStringList>{{"Tables;Orders;Qty;Item;No"}}));
}

// Items given to a field without a lookup make it a value list, from the item editor or from a table.
TEST_F(TableDesignerTest, ItemsMakeAFieldWithoutLookupAValueList)
{
    saveOrders();
    ASSERT_TRUE(run("INSERT INTO Orders (Item, Qty) VALUES ('Crème', 5)"));
    designer.selectRow(0);
    ASSERT_TRUE(designer.openLookup());
    EXPECT_TRUE(designer.lookup()->autoLoad("Orders", "Item"));
    EXPECT_TRUE(designer.lookup()->isValueList());
    auto previous = framework::setPromptResponder(
        [](const framework::PromptRequest&) { return std::optional<QString>("Bleu clair"); });
    designer.lookup()->addItem();
    framework::setPromptResponder(previous);
    EXPECT_EQ(designer.lookup()->items(), QStringList({"Crème", "Bleu clair"}));
    EXPECT_TRUE(designer.save());
    EXPECT_EQ(select("SELECT Combo, ComboFlags, ComboData FROM XNSysFields WHERE FieldName = 'Item'"),
              (QList<QStringList>{{"1", "Value List", "Crème;Bleu clair"}}));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
}

TEST_F(TableDesignerTest, AutoLoadNeedsTheSameType)
{
    saveOrders();
    ASSERT_TRUE(run("INSERT INTO Orders (Item, Qty) VALUES ('Pen', 5)"));
    ASSERT_TRUE(run("INSERT INTO Orders (Item, Qty) VALUES ('Pen', 6)"));
    designer.selectRow(0);
    ASSERT_TRUE(designer.openLookup());
    designer.lookup()->edit(LookupEditor::RowSourceType, "Value List");
    EXPECT_FALSE(designer.lookup()->autoLoad("Orders", "Qty"));
    EXPECT_EQ(messages.texts(), QStringList({"Selected Field type does't match"}));
    EXPECT_TRUE(designer.lookup()->autoLoad("Orders", "Item"));
    EXPECT_EQ(designer.lookup()->items(), QStringList({"Pen"}));

    ASSERT_TRUE(run("INSERT INTO Orders (Item, Qty) VALUES ('Ink;blue', 7)"));
    messages.clear();
    EXPECT_TRUE(designer.lookup()->autoLoad("Orders", "Item"));
    EXPECT_EQ(designer.lookup()->items(), QStringList({"Pen"}));
    EXPECT_EQ(messages.texts(), QStringList({"A list item cannot contain \";\""}));
}

// An AutoNumber key and an Integer field are one stored type: the key's numbers load into the list.
TEST_F(TableDesignerTest, AutoLoadTakesAnAutoNumberForAnInteger)
{
    saveOrders();
    ASSERT_TRUE(FieldCatalogue(context, "Suppliers")
                    .CreateTableFromFields({{"SupplierID", kAutoNumber, propertyTemplate(kAutoNumber)},
                                            {"Name", kText, propertyTemplate(kText)}},
                                           [](const QString&, const QString&) {}));
    ASSERT_TRUE(run("INSERT INTO Suppliers (SupplierID, Name) VALUES (1, 'Acme')"));
    ASSERT_TRUE(run("INSERT INTO Suppliers (SupplierID, Name) VALUES (2, 'Brio')"));
    messages.clear();
    designer.selectRow(1);
    ASSERT_TRUE(designer.openLookup());
    designer.lookup()->edit(LookupEditor::RowSourceType, "Value List");
    EXPECT_TRUE(designer.lookup()->autoLoad("Suppliers", "SupplierID"));
    EXPECT_EQ(designer.lookup()->items(), QStringList({"1", "2"}));
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_FALSE(designer.lookup()->autoLoad("Suppliers", "Name"));
    EXPECT_EQ(messages.texts(), QStringList({"Selected Field type does't match"}));
}

TEST_F(TableDesignerTest, BuildersAndCalculation)
{
    designer.editName(0, "Item");
    designer.selectRow(0);
    EXPECT_FALSE(designer.runPropertyBuilder(3));
    designer.openCalculation();
    EXPECT_EQ(messages.texts(), QStringList({"Save Table to Continue", "Save the Table"}));
    EXPECT_TRUE(builderCalls.isEmpty());
    saveOrders();

    designer.selectRow(1);
    EXPECT_FALSE(designer.propertyCell(1).builderEnabled); // Input Mask
    EXPECT_EQ(designer.propertyCell(5).choices, QStringList({"Yes", "No"}));
    builderAnswer = "> 0";
    EXPECT_TRUE(designer.runPropertyBuilder(3));
    builderAnswer = "7";
    EXPECT_TRUE(designer.runPropertyBuilder(2));
    EXPECT_EQ(builderCalls, (QList<BuilderCall>{{"", 0, "Orders", "Qty"}, {"0", 1, "Orders", "Qty"}}));
    EXPECT_EQ(designer.properties()[3].value, "> 0");
    EXPECT_EQ(designer.properties()[2].value, "7");
    EXPECT_EQ(designer.rowState(1), FieldRowState::PropertiesChanged);
    designer.save();
    EXPECT_EQ(catalogueColumn(tableId("Orders"), "ValdnRule"), QStringList({"", "> 0", ""}));
    EXPECT_EQ(catalogueColumn(tableId("Orders"), "DefValue"), QStringList({"", "7", ""}));

    builderAnswer = "Orders.Qty*2";
    messages.answer(Answer::Yes);
    designer.openCalculation();
    EXPECT_EQ(builderCalls.last(), (BuilderCall{"", 4, "Orders", "Qty"}));
    EXPECT_EQ(messages.texts().last(), "Save the Calculation ?");
    EXPECT_EQ(catalogueColumn(tableId("Orders"), "Calculation"), QStringList({"", "Orders.Qty*2", ""}));
    EXPECT_EQ(designer.calculation(), "Orders.Qty*2");
}

// The Input Mask row's "..." opens the mask dialog, on a new field too; its text is the field's property.
TEST_F(TableDesignerTest, MaskBuilderSetsTheInputMask)
{
    QStringList asked;
    std::optional<QString> chosen = "##-##;0;_";
    designer.setMaskBuilder([&](const QString& property) {
        asked << property;
        return chosen;
    });
    designer.setTableName("Codes");
    ASSERT_TRUE(designer.editName(0, "Code"));
    designer.selectRow(0);
    EXPECT_TRUE(designer.propertyCell(2).builderEnabled); // Input Mask
    EXPECT_TRUE(designer.runPropertyBuilder(2));
    EXPECT_EQ(designer.properties()[2].value, "##-##;0;_");
    ASSERT_TRUE(designer.save());
    EXPECT_EQ(catalogueColumn(tableId("Codes"), "InputMask"), QStringList({"##-##;0;_"}));

    designer.selectRow(0);
    chosen = std::nullopt;
    EXPECT_FALSE(designer.runPropertyBuilder(2));
    EXPECT_EQ(asked, QStringList({"", "##-##;0;_"}));
    EXPECT_EQ(designer.rowState(0), FieldRowState::None);
    EXPECT_TRUE(builderCalls.isEmpty());
}

// A builder the user cancels, or a calculation the user does not want stored, leaves the field as it was.
TEST_F(TableDesignerTest, BuildersLeaveTheFieldAsItWasUnlessKept)
{
    saveOrders();
    designer.selectRow(0);
    builderAnswer = std::nullopt;
    EXPECT_FALSE(designer.runPropertyBuilder(3));
    EXPECT_EQ(designer.properties()[3].value, "");
    EXPECT_EQ(designer.rowState(0), FieldRowState::None);
    designer.openCalculation();
    EXPECT_TRUE(messages.texts().isEmpty());

    builderAnswer = "Orders.Item";
    messages.answer(Answer::No);
    designer.openCalculation();
    EXPECT_EQ(messages.texts(), QStringList({"Save the Calculation ?"}));
    EXPECT_EQ(designer.calculation(), "");
    EXPECT_EQ(catalogueColumn(tableId("Orders"), "Calculation"), QStringList({"", "", ""}));

    // A field renamed but not yet saved goes to the builder under the name the grid shows.
    ASSERT_TRUE(designer.editName(0, "Article"));
    designer.openCalculation();
    EXPECT_EQ(builderCalls.last(), (BuilderCall{"", 4, "Orders", "Article"}));

    // A field added but not yet saved has nowhere to keep a calculation: the user is told to save first.
    const qsizetype calls = builderCalls.size();
    messages.clear();
    ASSERT_TRUE(designer.editName(3, "Note"));
    designer.selectRow(3);
    designer.openCalculation();
    EXPECT_EQ(builderCalls.size(), calls);
    EXPECT_EQ(messages.texts(), QStringList({"Save the Table"}));
}

TEST_F(TableDesignerTest, ClosingAfterASuccessfulSaveAsksNothing)
{
    saveOrders();
    EXPECT_FALSE(designer.hasUnsavedChanges());
    EXPECT_TRUE(designer.close());
    EXPECT_TRUE(messages.texts().isEmpty());

    designer.open();
    designer.selectRow(1);
    designer.editProperty(1, "#");
    EXPECT_TRUE(designer.hasUnsavedChanges());
    EXPECT_TRUE(designer.save());
    EXPECT_FALSE(designer.hasUnsavedChanges());

    // A lookup chosen but not saved still asks; once saved it does not.
    ASSERT_TRUE(designer.openLookup());
    EXPECT_FALSE(designer.hasUnsavedChanges());
    designer.lookup()->edit(LookupEditor::RowSourceType, lookup::kValueList);
    EXPECT_TRUE(designer.hasUnsavedChanges());
    messages.clear();
    messages.answer(Answer::Cancel);
    EXPECT_FALSE(designer.close());
    EXPECT_EQ(messages.texts(), QStringList({"Do you want to save the changes?"}));
    EXPECT_TRUE(designer.save());
    EXPECT_FALSE(designer.hasUnsavedChanges());
}

// The close question's Yes saves, a new table as an existing one; a save that fails keeps the window
// open with everything typed.
TEST_F(TableDesignerTest, ClosingAsksAndAYesSavesOrKeepsTheWindow)
{
    designer.editName(0, "A");
    messages.answer(Answer::Cancel);
    EXPECT_FALSE(designer.close());
    messages.answer(Answer::Yes);
    EXPECT_FALSE(designer.close()) << "no name, no table: the window stays";
    EXPECT_EQ(messages.texts(), QStringList({"Do you want to save the changes?", "Do you want to save the changes?",
                                             "Table Name is not entered"}));
    EXPECT_EQ(messages.messages().front().buttons, framework::Buttons::YesNoCancel);
    EXPECT_EQ(designer.rowName(0), "A");
    designer.setTableName("Draft");
    EXPECT_TRUE(designer.close());
    EXPECT_FALSE(tableId("Draft").isEmpty());

    host.mode = 0;
    designer.open();
    saveOrders();
    designer.selectRow(0);
    designer.editProperty(1, "@");
    messages.answer(Answer::Yes);
    EXPECT_TRUE(designer.close());
    EXPECT_EQ(catalogueColumn(tableId("Orders"), "Format"), QStringList({"@", "", ""}));

    // A lookup missing its Row Source refuses the save and keeps the window, the lookup as chosen.
    designer.open();
    designer.selectRow(1);
    ASSERT_TRUE(designer.openLookup());
    designer.lookup()->edit(LookupEditor::RowSourceType, lookup::kTables);
    messages.clear();
    EXPECT_FALSE(designer.close());
    EXPECT_EQ(messages.texts(), QStringList({"Do you want to save the changes?", " Select Row Source "}));
    EXPECT_EQ(designer.lookup()->value(LookupEditor::RowSourceType), lookup::kTables);
    EXPECT_EQ(designer.rowName(1), "Qty");
}
