// The field operations over the real engine: what the engine's table and the field catalogue hold after
// each, and the messages they show.
#include "TableFixture.h"
#include "tables/FieldCatalogue.h"

using namespace fieldtypes;

namespace {
FieldDefinition field(const QString& name, const QString& type)
{
    return {name, type, propertyTemplate(type)};
}

class FieldCatalogueTest : public TableFixture {
protected:
    // Creates table People (Name Text 30, Age Integer, Born Date/Time) with a few records.
    FieldCatalogue people()
    {
        FieldCatalogue catalogue(context, "People");
        FieldDefinition name = field("Name", kText);
        name.properties[0].value = "30";
        EXPECT_TRUE(catalogue.CreateTableFromFields({name, field("Age", kInteger), field("Born", kDateTime)},
                                                    [this](const QString& table, const QString& id) {
                                                        listed << table << id;
                                                    }));
        for (const char* values : {"('12', 12, '1/2/2000')", "('Bob', 7, null)", "('Cy', 40, null)"})
            EXPECT_TRUE(run(QStringLiteral("INSERT INTO People (Name, Age, Born) VALUES ") + values));
        messages.clear();
        return catalogue;
    }
    QStringList listed;
};
} // namespace

TEST_F(FieldCatalogueTest, CreatesTableRowsAndListEntry)
{
    FieldCatalogue catalogue = people();
    ASSERT_FALSE(catalogue.tableId().isEmpty());
    EXPECT_EQ(listed, QStringList({"People", catalogue.tableId()}));
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "FieldName"), QStringList({"Name", "Age", "Born"}));
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "FieldID"), QStringList({"1", "2", "3"}));
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "Len"), QStringList({"30", "4", "0"}));
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "DefValue"), QStringList({"", "0", ""}));
    EXPECT_EQ(select("SELECT Name FROM People").size(), 3);
}

TEST_F(FieldCatalogueTest, CreationMessagesAndRefusal)
{
    FieldCatalogue catalogue(context, "Things");
    ASSERT_TRUE(catalogue.CreateTableFromFields({field("A", kText)}, {}));
    EXPECT_EQ(messages.texts(), QStringList({"Table  created successfully"}));
    EXPECT_EQ(messages.messages()[0].caption, "Varnel Desk 5.0");
    messages.clear();
    FieldCatalogue again(context, "Things");
    EXPECT_FALSE(again.CreateTableFromFields({field("A", kText)}, {}));
    EXPECT_EQ(messages.texts(), QStringList({"Table creation failed"}));
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "FieldName"), QStringList({"A"}));
}

TEST_F(FieldCatalogueTest, QuotedValuesAreStoredExactly)
{
    FieldCatalogue catalogue(context, "Notes");
    FieldDefinition text = field("Text", kText);
    text.properties[3].value = "O'Brien";
    text.properties[5].value = "it's '' wrong'); DELETE XNSysFields --";
    ASSERT_TRUE(catalogue.CreateTableFromFields({text}, {}));
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "DefValue"), QStringList({"O'Brien"}));
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "ValdnText"), QStringList({"it's '' wrong'); DELETE XNSysFields --"}));
}

TEST_F(FieldCatalogueTest, AddedFieldsGetTheirRow)
{
    FieldCatalogue catalogue = people();
    FieldDefinition when = field("Seen", kDateTime);
    when.properties[4].value = "Can't be empty";
    EXPECT_TRUE(catalogue.AddFieldToTable(when));
    EXPECT_TRUE(catalogue.AddFieldToTable({"Code", "", propertyTemplate(kText)}, kAutoNumber));
    EXPECT_TRUE(catalogue.AddFieldToTable({"Memo1", "", {{"Field Size", "12"}}}));
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "FieldName"), QStringList({"Name", "Age", "Born", "Seen", "Code", "Memo1"}));
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "Len"), QStringList({"30", "4", "0", "8", "4", "12"}));
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "ValdnText")[3], "Can't be empty");
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "ODBCType").mid(4), QStringList({"4", "12"}));
    EXPECT_FALSE(catalogue.AddFieldToTable(field("Name", kText)));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(FieldCatalogueTest, RenameAndPropertiesByPosition)
{
    FieldCatalogue catalogue = people();
    EXPECT_TRUE(catalogue.RenameField(1, "Years"));
    EXPECT_EQ(messages.texts(), QStringList({"Field name changed successfully : Years"}));
    EXPECT_EQ(select("SELECT Years FROM People").size(), 3);

    QList<LoadedField> loaded = catalogue.LoadFields();
    ASSERT_EQ(loaded.size(), 3);
    FieldDefinition years = loaded[1].definition;
    EXPECT_EQ(years.properties[1], (PropertyRow{"InputMask", ""}));
    EXPECT_EQ(years.properties[5], (PropertyRow{"Required", "No"}));
    years.properties[2].value = "18";
    years.properties[5].value = "Yes";
    EXPECT_TRUE(catalogue.UpdateFieldProperties(1, years));
    EXPECT_FALSE(catalogue.UpdateFieldProperties(2, years)); // position 2 is Born
    loaded = catalogue.LoadFields();
    EXPECT_EQ(loaded[1].definition.properties[2], (PropertyRow{"DefValue", "18"}));
    EXPECT_EQ(loaded[1].definition.properties[5], (PropertyRow{"Required", "Yes"}));
    EXPECT_EQ(loaded[0].definition.properties[0], (PropertyRow{"Field Size", "30"}));
}

TEST_F(FieldCatalogueTest, TypeChangeAsksAndCarriesConvertibleValues)
{
    FieldCatalogue catalogue = people();
    messages.answer(framework::Answer::Yes);
    EXPECT_TRUE(catalogue.ChangeFieldType(0, field("Name", kInteger)));
    ASSERT_EQ(messages.messages().size(), 2u);
    EXPECT_EQ(messages.messages()[0].buttons, framework::Buttons::YesNo);
    EXPECT_EQ(messages.messages()[0].caption, "Varnel Desk 5.0");
    EXPECT_TRUE(messages.texts()[0].contains("Values that do not fit the new type will be lost"));
    EXPECT_EQ(messages.texts()[1], "Field data type changed successfully : Name");

    EXPECT_EQ(select("SELECT Age, Name FROM People"),
              (QList<QStringList>{{"12", "12"}, {"7", ""}, {"40", ""}}));
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "FieldName"), QStringList({"Age", "Born", "Name"}));
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "FieldID"), QStringList({"1", "2", "3"}));
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "ODBCType"), QStringList({"4", "11", "4"}));

    messages.clear();
    messages.answer(framework::Answer::Yes);
    EXPECT_TRUE(catalogue.ChangeFieldType(0, field("Age", kText)));
    EXPECT_EQ(select("SELECT Age FROM People"), (QList<QStringList>{{"12"}, {"7"}, {"40"}}));
}

TEST_F(FieldCatalogueTest, TypeChangeRefusedKeepsEverything)
{
    FieldCatalogue catalogue = people();
    messages.answer(framework::Answer::No);
    EXPECT_FALSE(catalogue.ChangeFieldType(1, field("Age", kText)));
    EXPECT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(select("SELECT Age FROM People").value(2), QStringList({"40"}));
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "ODBCType"), QStringList({"12", "4", "11"}));
}

TEST_F(FieldCatalogueTest, TheOnlyFieldKeepsItsTypeAndItsRow)
{
    FieldCatalogue catalogue(context, "Single");
    ASSERT_TRUE(catalogue.CreateTableFromFields({field("Only", kText)}, {}));
    messages.clear();
    EXPECT_FALSE(catalogue.ChangeFieldType(0, field("Only", kInteger)));
    EXPECT_EQ(messages.texts().size(), 1);
    EXPECT_FALSE(catalogue.DeleteField("Only"));
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "FieldName"), QStringList({"Only"}));
}

TEST_F(FieldCatalogueTest, DeleteKeepsFieldIdsEqualToTheEngine)
{
    FieldCatalogue catalogue = people();
    EXPECT_TRUE(catalogue.DeleteField("Name"));
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "FieldName"), QStringList({"Age", "Born"}));
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "FieldID"), QStringList({"1", "2"}));
    EXPECT_EQ(select("SELECT FieldName, FieldID FROM MSysFields WHERE TableID = " + catalogue.tableId() +
                     " ORDER BY FieldID"),
              (QList<QStringList>{{"Age", "1"}, {"Born", "2"}}));
    EXPECT_FALSE(catalogue.DeleteField("Nobody"));
}

// Each change of a field is one unit: a step that fails after others have run leaves the table, its
// data and the catalogue as they were.
namespace {
class FieldChangeFailureTest : public FieldCatalogueTest {
protected:
    void SetUp() override { catalogue.emplace(people()); }
    void expectPeopleUnchanged()
    {
        EXPECT_EQ(select("SELECT * FROM People"),
                  (QList<QStringList>{{"12", "12", "1/2/2000"}, {"Bob", "7", ""}, {"Cy", "40", ""}}));
        EXPECT_EQ(catalogueColumn(catalogue->tableId(), "FieldName"), QStringList({"Name", "Age", "Born"}));
        EXPECT_EQ(catalogueColumn(catalogue->tableId(), "ODBCType"), QStringList({"12", "4", "11"}));
        EXPECT_EQ(select("SELECT FieldName FROM MSysFields WHERE TableID = " + catalogue->tableId()).size(), 3);
    }
    std::optional<FieldCatalogue> catalogue;
};
} // namespace

TEST_F(FieldChangeFailureTest, TypeChangeWhoseNewColumnIsRefusedKeepsTheOldOne)
{
    FieldDefinition tooLong = field("Age", kText);
    tooLong.properties[0].value = "5000"; // beyond what the engine's text columns take
    messages.answer(framework::Answer::Yes);
    EXPECT_FALSE(catalogue->ChangeFieldType(1, tooLong));
    expectPeopleUnchanged();
}

TEST_F(FieldChangeFailureTest, AddedFieldWhoseCatalogueRowIsRefusedIsNotAdded)
{
    // The catalogue keeps at most 64 characters of a name; the engine's column would take more.
    const QString longName(70, u'n');
    EXPECT_FALSE(catalogue->AddFieldToTable(field(longName, kInteger)));
    EXPECT_EQ(messages.texts().last(), "Field not added, Error while setting Properties for new field");
    expectPeopleUnchanged();
    messages.answer(framework::Answer::Yes);
    EXPECT_FALSE(catalogue->ChangeFieldType(1, field(longName, kText)));
    expectPeopleUnchanged();
}

TEST_F(FieldChangeFailureTest, DeletedFieldWhoseCatalogueRowCannotGoStays)
{
    ASSERT_TRUE(run("DROP TABLE XNSysFields"));
    EXPECT_FALSE(catalogue->DeleteField("Age"));
    EXPECT_EQ(select("SELECT Age FROM People").size(), 3);
}

TEST_F(FieldCatalogueTest, LookupsAndCalculations)
{
    FieldCatalogue catalogue = people();
    EXPECT_TRUE(catalogue.SaveLookup("Name", 0, "Tables;Customers;CustID;Name;Yes"));
    EXPECT_TRUE(catalogue.SaveLookup("Age", 1, "1;2;3"));
    EXPECT_TRUE(catalogue.SaveCalculation(2, "People.Age*2"));
    QList<LoadedField> loaded = catalogue.LoadFields();
    EXPECT_EQ(loaded[0].lookup.comboFlags(), "Tables;Customers;CustID;Name;Yes");
    EXPECT_EQ(loaded[1].lookup.values, QStringList({"1", "2", "3"}));
    EXPECT_EQ(loaded[2].calculation, "People.Age*2");
    EXPECT_TRUE(catalogue.SaveLookup("Name", 2, ""));
    EXPECT_TRUE(catalogue.LoadFields()[0].lookup.isNone());
    EXPECT_EQ(catalogueColumn(catalogue.tableId(), "ComboFlags")[0], "Tables;Customers;CustID;Name;Yes");
    EXPECT_FALSE(catalogue.SaveLookup("Nobody", 2, ""));
}
