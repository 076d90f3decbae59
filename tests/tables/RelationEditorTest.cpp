// The relations page's logic over the real engine: what it stores, what it refuses and what it says.
#include "TableFixture.h"
#include "tables/FieldCatalogue.h"
#include "tables/RelationEditor.h"

#include <tuple>

using namespace fieldtypes;
using framework::Answer;

namespace {

// A field of the type with Required, Unique and AllowZeroLength set as the letters say ("RUZ", "RU", "").
FieldDefinition field(const QString& name, const QString& type, const QString& flags = QString())
{
    FieldDefinition definition{name, type, propertyTemplate(type)};
    for (PropertyRow& row : definition.properties) {
        if (row.name == "Required")
            row.value = flags.contains('R') ? "Yes" : "No";
        else if (row.name == "Unique")
            row.value = flags.contains('U') ? "Yes" : "No";
        else if (row.name == "AllowZeroLength")
            row.value = flags.contains('Z') ? "Yes" : "No";
    }
    return definition;
}

class RelationEditorTest : public TableFixture {
protected:
    RelationEditorTest()
    {
        create("Customers", {field("Number", kInteger, "RU"), field("Name", kText, "RU"), field("Code", kText, "RUZ")});
        create("Orders", {field("Customer", kInteger), field("Item", kText), field("Ref", kText, "RUZ")});
        messages.clear();
    }
    void create(const QString& table, const QList<FieldDefinition>& fields)
    {
        EXPECT_TRUE(FieldCatalogue(context, table).CreateTableFromFields(fields, {}));
    }
    void choose(const QString& leftField, const QString& rightField, int type = 0, QString left = "Customers",
                QString right = "Orders")
    {
        editor.choice().leftTable = left;
        editor.choice().rightTable = right;
        editor.choice().leftField = leftField;
        editor.choice().rightField = rightField;
        editor.choice().type = type;
    }
    QList<QStringList> stored()
    {
        return select("SELECT LeftTable,RightTable,LeftField,RightField,RelationType,RelationFlags FROM XNSysRelations");
    }

    RelationEditor editor{context};
};

TEST_F(RelationEditorTest, ListsTablesFieldsAndTypes)
{
    EXPECT_EQ(editor.tables(), QStringList({"Customers", "Orders"}));
    EXPECT_EQ(editor.fieldsOf("Orders"), QStringList({"Customer", "Item", "Ref"}));
    EXPECT_TRUE(editor.fieldsOf("Nowhere").isEmpty());
    EXPECT_EQ(relationtypes::labels().size(), 3);
}

// The list says what each stored value of RelationFlags means; one no choice gives shows as stored.
TEST(RelationFlagsText, NamesEveryValueThePageStores)
{
    RelationChoice choice;
    QStringList shown;
    const std::tuple<bool, bool, bool> ticks[] = {
        {false, true, true}, {true, false, false}, {true, true, false}, {true, false, true}, {true, true, true}};
    for (const auto& [integrity, updates, deletes] : ticks) {
        choice.referentialIntegrity = integrity;
        choice.cascadingUpdates = updates;
        choice.cascadingDeletes = deletes;
        shown << relationFlagsText(choice.flags());
    }
    EXPECT_EQ(shown, QStringList({"None", "Referential Integrity", "Cascading Updates", "Cascading Deletes",
                                  "Cascading Updates and Deletes"}));
    EXPECT_EQ(relationFlagsText(3), "3");
    EXPECT_EQ(relationFlagsText(-1), "-1");
}

TEST_F(RelationEditorTest, FlagsNeedReferentialIntegrity)
{
    RelationChoice choice;
    choice.cascadingUpdates = choice.cascadingDeletes = true;
    EXPECT_EQ(choice.flags(), 0);
    choice.referentialIntegrity = true;
    EXPECT_EQ(choice.flags(), 6);
    choice.cascadingDeletes = false;
    EXPECT_EQ(choice.flags(), 2);
    // Integrity alone is kept too, so that a referenced record is guarded without a cascade.
    choice.cascadingUpdates = false;
    EXPECT_EQ(choice.flags(), 1);
    EXPECT_TRUE(RelationChoice::of(choice.relation()).referentialIntegrity);

    choose("Number", "Customer");
    editor.choice().cascadingUpdates = editor.choice().cascadingDeletes = true;
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(stored(), QList<QStringList>({{"Customers", "Orders", "Number", "Customer", "0", "0"}}));
    EXPECT_EQ(messages.texts(), QStringList({"Relation created successfully"}));
    EXPECT_EQ(messages.messages()[0].caption, "Varnel Desk 5.0");
}

// A new AutoNumber is made unique whatever its Unique row says, so a One to Many relation can start from
// it; one an older file keeps without Unique is no key.
TEST_F(RelationEditorTest, ANewAutoNumberIsUniqueAndSoAKey)
{
    create("Suppliers", {field("SupplierID", kAutoNumber), field("Name", kText)});
    create("Products", {field("ProductID", kAutoNumber, "U"), field("SupplierID", kInteger)});
    EXPECT_TRUE(editor.isKey("Suppliers", "SupplierID")) << "an AutoNumber is stored without Required yet always set";
    messages.clear();
    choose("SupplierID", "SupplierID", relationtypes::kLeftKey, "Suppliers", "Products");
    EXPECT_TRUE(editor.save());
    EXPECT_EQ(messages.texts(), QStringList({"Relation created successfully"}));

    CDbRecordset older(context.connection, context.databasePath());
    ASSERT_TRUE(older.Open("SELECT * FROM XNSysFields WHERE FieldName = 'ProductID'", 2, 3));
    ASSERT_TRUE(older.SetFieldBool("Unique", false));
    ASSERT_TRUE(older.Update());
    EXPECT_FALSE(editor.isKey("Products", "ProductID"));
}

TEST_F(RelationEditorTest, KeyConditionByType)
{
    // Integer keys need Unique and Required; Text keys also the zero-length flag.
    EXPECT_TRUE(editor.isKey("Customers", "Number"));
    EXPECT_FALSE(editor.isKey("Customers", "Name"));
    EXPECT_TRUE(editor.isKey("Customers", "Code"));
    EXPECT_FALSE(editor.isKey("Orders", "Item"));

    choose("Name", "Item", relationtypes::kLeftKey);
    EXPECT_FALSE(editor.save());
    choose("Code", "Item", relationtypes::kBothKeys);
    EXPECT_FALSE(editor.save());
    EXPECT_TRUE(stored().isEmpty());
    EXPECT_EQ(messages.texts(), QStringList(2, "The selected fields are not keys as the Relationship Type requires"));

    messages.clear();
    choose("Code", "Item", relationtypes::kLeftKey);
    EXPECT_TRUE(editor.save());
    choose("Code", "Ref", relationtypes::kBothKeys);
    EXPECT_TRUE(editor.save());
    choose("Name", "Item", relationtypes::kNoKeys);
    EXPECT_TRUE(editor.save());
    EXPECT_EQ(stored().size(), 3);
}

TEST_F(RelationEditorTest, DifferentTypesAndMissingFieldsStoreNothing)
{
    choose("Number", "Item");
    EXPECT_FALSE(editor.save());
    choose("Number", "NoSuchField");
    EXPECT_FALSE(editor.save());
    choose("Number", "");
    EXPECT_FALSE(editor.save());
    EXPECT_EQ(messages.texts(), QStringList({"Cannot create relation on a different types of fields",
                                             "Cannot create relation on a different types of fields",
                                             "Please select a field in both tables"}));
    EXPECT_TRUE(stored().isEmpty());
}

TEST_F(RelationEditorTest, DuplicateWarnsOnceThenUpdates)
{
    choose("Number", "Customer");
    ASSERT_TRUE(editor.save());
    editor.newRelation();
    EXPECT_TRUE(editor.isNew());
    editor.choice().referentialIntegrity = editor.choice().cascadingDeletes = true;
    EXPECT_FALSE(editor.save());
    EXPECT_EQ(stored().value(0).value(5), "0");
    EXPECT_TRUE(editor.save());
    EXPECT_EQ(stored(), QList<QStringList>({{"Customers", "Orders", "Number", "Customer", "0", "4"}}));
    EXPECT_EQ(messages.texts(), QStringList({"Relation created successfully",
                                             "One Relation already exists. Cannot create another relation for this set of values",
                                             "Relation updated successfully"}));

    // A relation picked from the list is updated at once; another pair of the same tables is new.
    messages.clear();
    editor.select(editor.relations().value(0));
    editor.choice().cascadingUpdates = true;
    EXPECT_TRUE(editor.save());
    choose("Name", "Item");
    EXPECT_TRUE(editor.save());
    EXPECT_EQ(messages.texts(), QStringList({"Relation updated successfully", "Relation created successfully"}));
    EXPECT_EQ(stored().value(0).value(5), "6");
    EXPECT_EQ(stored().size(), 2);
}

TEST_F(RelationEditorTest, SelectingShowsTheStoredChoices)
{
    choose("Number", "Customer", relationtypes::kLeftKey);
    editor.choice().referentialIntegrity = editor.choice().cascadingUpdates = true;
    ASSERT_TRUE(editor.save());
    editor.newRelation();
    EXPECT_FALSE(editor.choice().referentialIntegrity);
    EXPECT_EQ(editor.choice().type, 0);

    const QList<StoredRelation> relations = editor.relations();
    ASSERT_EQ(relations.size(), 1);
    editor.select(relations[0]);
    const RelationChoice& shown = editor.choice();
    EXPECT_EQ(shown.leftField, "Number");
    EXPECT_EQ(shown.rightTable, "Orders");
    EXPECT_TRUE(shown.referentialIntegrity);
    EXPECT_TRUE(shown.cascadingUpdates);
    EXPECT_FALSE(shown.cascadingDeletes);
    EXPECT_EQ(shown.type, relationtypes::kLeftKey);
}

TEST_F(RelationEditorTest, SavingFlagsOfTheSelectedRelation)
{
    EXPECT_FALSE(editor.saveFlags());
    choose("Number", "Customer");
    ASSERT_TRUE(editor.save());
    messages.clear();
    editor.choice().referentialIntegrity = editor.choice().cascadingDeletes = true;
    editor.choice().type = relationtypes::kBothKeys;
    EXPECT_FALSE(editor.saveFlags()); // Orders.Customer is no key
    editor.choice().type = relationtypes::kLeftKey;
    EXPECT_TRUE(editor.saveFlags());
    editor.newRelation();
    EXPECT_FALSE(editor.saveFlags());
    EXPECT_EQ(stored(), QList<QStringList>({{"Customers", "Orders", "Number", "Customer", "2", "4"}}));
    EXPECT_EQ(messages.texts(), QStringList({"The selected fields are not keys as the Relationship Type requires",
                                             "Relation updated successfully",
                                             "This Operation cannot be handled in this mode"}));
}

TEST_F(RelationEditorTest, DeletingAsksAndNeedsASelection)
{
    EXPECT_FALSE(editor.remove());
    choose("Number", "Customer");
    ASSERT_TRUE(editor.save());
    choose("Name", "Item");
    ASSERT_TRUE(editor.save());
    messages.clear();

    editor.select(editor.relations().value(0));
    messages.answer(Answer::No);
    EXPECT_FALSE(editor.remove());
    EXPECT_EQ(stored().size(), 2);
    EXPECT_TRUE(editor.remove());
    EXPECT_EQ(stored(), QList<QStringList>({{"Customers", "Orders", "Name", "Item", "0", "0"}}));
    EXPECT_FALSE(editor.remove());
    // A relation deleted behind the page's back is no longer the selected one once the list is read.
    editor.select(editor.relations().value(0));
    EXPECT_TRUE(run("DELETE FROM XNSysRelations"));
    editor.relations();
    EXPECT_FALSE(editor.remove());
    editor.newRelation();
    EXPECT_FALSE(editor.remove());
    EXPECT_EQ(messages.texts(), QStringList({"Do you want to delete the selected Relation?",
                                             "Do you want to delete the selected Relation?",
                                             "Failed to delete the relation or No relation selected",
                                             "Failed to delete the relation or No relation selected",
                                             "This Operation cannot be handled in this mode"}));
    EXPECT_EQ(messages.messages()[0].buttons, framework::Buttons::YesNo);
    EXPECT_EQ(messages.messages()[0].icon, framework::Icon::Information);
}

TEST_F(RelationEditorTest, NamesWithQuotes)
{
    create("O'Brien's", {field("It's", kInteger)});
    choose("Number", "It's", 0, "Customers", "O'Brien's");
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(editor.fieldsOf("O'Brien's"), QStringList({"It's"}));
    editor.select(editor.relations().value(0));
    EXPECT_EQ(editor.choice().rightField, "It's");
    EXPECT_TRUE(editor.remove());
    EXPECT_TRUE(stored().isEmpty());
}

} // namespace
