// The designer over a database: the record sources it offers, automatic forms, binding checks, the
// Max Length cap, every branch of saving, and a designed form opened by the form runtime.
#include "forms/runtime/FormFixture.h"

#include "forms/designer/FormDesign.h"
#include "forms/designer/PropertyRules.h"
#include "tables/FieldCatalogue.h"

using namespace fieldtypes;
using framework::Answer;

namespace {

class DesignDatabaseTest : public FormFixture {
protected:
    void SetUp() override
    {
        createTable("Customers", {field("ID", kAutoNumber), field("Name", kText, {{"Field Size", "50"}}),
                                  field("Joined", kDateTime), field("Active", kBoolean), field("Size", kText),
                                  field("Photo", kOleObject)});
        FieldCatalogue(context, "Customers").SaveLookup("Size", 1, "S;M;L");
        ASSERT_TRUE(run("INSERT INTO Customers (ID, Name, Active) VALUES (1, 'Zoë O''Neil', true)"));
        ASSERT_TRUE(run("INSERT INTO XNSysQueries (QueryName, QueryStmt) VALUES ('Active ones', "
                        "'SELECT Name, Active FROM Customers WHERE Active = true')"));
        ASSERT_TRUE(run("INSERT INTO XNSysMacros (MacroName, Event, Arguments) VALUES ('Greet', 'Message~', "
                        "'Message~Message text=Hi')"));
        ASSERT_TRUE(run("INSERT INTO XNSysModules (ModuleName, Source) VALUES ('Tidy', 'Sub Main\nEnd Sub')"));
        messages.clear();
    }
    int place(int kind, int top = 10)
    {
        return design.place(kind, {10, top, 110, top + 20});
    }
    QString value(int index, const char* name) const
    {
        return GetProperty(design.controls().at(index), QLatin1String(name));
    }
    std::optional<FormRow> row(const QString& name) { return store.findForm(name); }

    DesignCatalogue catalogue{context};
    FormDesign design{&catalogue};
    DatabaseFormStore store{context};
};

TEST_F(DesignDatabaseTest, TheCatalogueOffersTablesThenQueriesFieldsMacrosAndModules)
{
    EXPECT_EQ(catalogue.sources(), (QStringList{"Customers", "(Q)Active ones"}));
    QStringList entries;
    for (const SourceField& field : catalogue.fields("Customers"))
        entries << field.entry();
    EXPECT_EQ(entries, (QStringList{"ID - Integer", "Name - Text", "Joined - DateTime", "Active - Boolean",
                                    "Size - Text", "Photo - OLE Obj"}));
    EXPECT_EQ(catalogue.fields("Customers").at(1).length, 50);
    QStringList queryEntries;
    for (const SourceField& field : catalogue.fields("(Q)Active ones"))
        queryEntries << field.entry();
    EXPECT_EQ(queryEntries, (QStringList{"Name - Text", "Active - Boolean"}));
    EXPECT_EQ(catalogue.macros(), QStringList{"Greet"});
    EXPECT_EQ(catalogue.modules(), QStringList{"Tidy"});
}

// Each box comes with a label that names its field, directly above it; a check box names it itself. A date
// gets a date control, which the text box's character filter would leave untypable.
TEST_F(DesignDatabaseTest, AnAutoFormBindsOneControlPerFieldOfTheRightKindEachNamed)
{
    design.startNew("Customers", true);
    QStringList made;
    for (int i = 0; i < design.controls().size(); ++i)
        made << KindName(design.controls().at(i).kind) + ":" + value(i, "Control Source") + ":" + value(i, "Caption");
    EXPECT_EQ(made, (QStringList{"TextBox:Customers.ID:", "Label::ID", "TextBox:Customers.Name:", "Label::Name",
                                 "DateTime:Customers.Joined:", "Label::Joined", "CheckBox:Customers.Active:Active",
                                 "ComboBox:Customers.Size:", "Label::Size", "TextBox:Customers.Photo:", "Label::Photo"}));
    // The controls stand as on the automatic form the runtime shows, one row down for the labels.
    EXPECT_EQ(design.rectOf(2), (ControlRect{10, 65, 210, 82}));
    EXPECT_EQ(design.rectOf(3), (ControlRect{10, 50, 210, 65}));
    EXPECT_EQ(design.rectOf(0), (ControlRect{10, 25, 210, 42}));
    EXPECT_EQ(design.rectOf(1), (ControlRect{10, 10, 210, 25}));
    EXPECT_EQ(value(1, "Name"), "Label1");
    EXPECT_EQ(value(10, "Name"), "Label10");
}

TEST_F(DesignDatabaseTest, BindingChecksTheControlKindAgainstTheFieldType)
{
    design.startNew("Customers", false);
    const int box = place(ControlKind::TextBox);
    const int check = place(ControlKind::CheckBox, 40);
    const int date = place(ControlKind::DateTime, 70);
    EXPECT_EQ(design.fieldEntries(box).at(2), "Joined - DateTime");

    // A date/time control bound to a text field is refused.
    EXPECT_FALSE(design.setProperty(date, "Control Source", "Name - Text"));
    EXPECT_EQ(messages.texts(), QStringList{"Control type & data type mismatch"});
    EXPECT_EQ(value(date, "Control Source"), "");
    EXPECT_TRUE(design.setProperty(date, "Control Source", "Joined - DateTime"));
    EXPECT_EQ(value(date, "Control Source"), "Customers.Joined");

    // A check box on a text field asks; No leaves it unbound.
    messages.clear();
    messages.answer(Answer::No);
    EXPECT_FALSE(design.setProperty(check, "Control Source", "Name - Text"));
    EXPECT_EQ(messages.texts(), QStringList{"Control type & data type mismatch, continue?"});
    EXPECT_EQ(value(check, "Control Source"), "");
    messages.answer(Answer::Yes);
    EXPECT_TRUE(design.setProperty(check, "Control Source", "Name - Text"));
    EXPECT_EQ(value(check, "Control Source"), "Customers.Name");
    messages.clear();
    EXPECT_TRUE(design.setProperty(check, "Control Source", "Active - Boolean"));
    EXPECT_TRUE(messages.texts().isEmpty());

    // A text box asks for Boolean, date and picture fields.
    messages.answer(Answer::No);
    EXPECT_FALSE(design.setProperty(box, "Control Source", "Photo - OLE Obj"));
    EXPECT_TRUE(design.setProperty(box, "Control Source", "name"));
    EXPECT_EQ(value(box, "Control Source"), "Customers.Name");
    messages.clear();
    EXPECT_FALSE(design.setProperty(box, "Control Source", "Missing"));
    EXPECT_EQ(messages.texts().last(), "The field is not in the form's record source : Missing");
    EXPECT_TRUE(design.setProperty(box, "Control Source", ""));
    EXPECT_EQ(value(box, "Control Source"), "");
}

TEST_F(DesignDatabaseTest, MaxLengthCannotExceedTheBoundFieldsLength)
{
    design.startNew("Customers", false);
    const int box = place(ControlKind::TextBox);
    EXPECT_TRUE(design.setProperty(box, "Control Source", "Name - Text"));
    EXPECT_TRUE(design.setProperty(box, "Max Length", "80"));
    EXPECT_EQ(messages.texts(), QStringList{"Length cannot exceed Max Length"});
    EXPECT_EQ(value(box, "Max Length"), "50");
    messages.clear();
    EXPECT_TRUE(design.setProperty(box, "Max Length", "20"));
    EXPECT_EQ(value(box, "Max Length"), "20");
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(DesignDatabaseTest, SavingANewFormUnderATakenNameChangesNeitherForm)
{
    storeForm("Orders", "Customers", {control(ControlKind::Label, "Title")});
    const FormRow before = *row("Orders");
    design.startNew("Customers", false);
    place(ControlKind::TextBox);
    EXPECT_FALSE(design.save(store, ""));
    EXPECT_FALSE(design.save(store, "Order Form"));
    EXPECT_FALSE(design.save(store, "orders"));
    EXPECT_EQ(messages.texts(), (QStringList{"Enter the name", "Invalid Form Name : Order Form", "Already exists"}));
    EXPECT_TRUE(design.isNew());
    EXPECT_EQ(row("Orders")->ctrlProps, before.ctrlProps);
    EXPECT_EQ(select("SELECT FormName FROM XNSysForms").size(), 1);
}

TEST_F(DesignDatabaseTest, SavingCreatesThenUpdatesThenRenamesTheRow)
{
    design.startNew("Customers", false);
    const int box = place(ControlKind::TextBox);
    ASSERT_TRUE(design.save(store, QStringLiteral("Kundenübersicht")));
    EXPECT_EQ(messages.texts().last(), "Form created successfully");
    EXPECT_FALSE(design.isNew());
    EXPECT_FALSE(design.isChanged());
    const FormRow created = *row(QStringLiteral("Kundenübersicht"));
    EXPECT_EQ(created.tableSource, "Customers");
    EXPECT_EQ(created.ctrlProps, design.storedText());

    design.setProperty(box, "Tag", "it's \"quoted\"");
    ASSERT_TRUE(design.save(store, QStringLiteral("Kundenübersicht")));
    EXPECT_EQ(messages.texts().last(), "Form saved successfully");
    EXPECT_EQ(GetProperty(ParseForm(row(QStringLiteral("Kundenübersicht"))->ctrlProps).controls.at(0), "Tag"),
              "it's \"quoted\"");

    // A new name asks; No leaves the row as it was.
    const FormRow saved = *row(QStringLiteral("Kundenübersicht"));
    messages.answer(Answer::No);
    EXPECT_FALSE(design.save(store, "Renamed"));
    EXPECT_EQ(messages.texts().last(), "Rename the form?");
    EXPECT_EQ(row(QStringLiteral("Kundenübersicht"))->ctrlProps, saved.ctrlProps);
    EXPECT_FALSE(row("Renamed"));

    // Renaming onto another form's name is refused; onto a free name moves the row.
    storeForm("Other", "", {});
    messages.answer(Answer::Yes);
    EXPECT_FALSE(design.save(store, "other"));
    EXPECT_EQ(messages.texts().last(), "Already exists");
    messages.answer(Answer::Yes);
    ASSERT_TRUE(design.save(store, "Renamed"));
    EXPECT_EQ(design.formName(), "Renamed");
    EXPECT_FALSE(row(QStringLiteral("Kundenübersicht")));
    EXPECT_EQ(row("Renamed")->ctrlProps, saved.ctrlProps);
    EXPECT_EQ(select("SELECT FormName FROM XNSysForms").size(), 2);
}

TEST_F(DesignDatabaseTest, ADesignedFormOpensInTheRuntimeAndSavesBackUnchanged)
{
    design.startNew("Customers", false);
    const int name = place(ControlKind::TextBox);
    design.setProperty(name, "Name", "CustomerName");
    design.setProperty(name, "Control Source", "Name - Text");
    const int tabs = design.place(ControlKind::TabControl, {0, 40, 230, 200});
    const int active = design.place(ControlKind::CheckBox, {5, 5, 100, 25}, {tabs, 1});
    design.setProperty(active, "Control Source", "Active - Boolean");
    design.setProperty(active, "Caption", QStringLiteral("Actif « oui »"));
    const int button = design.place(ControlKind::CommandButton, {10, 210, 90, 230});
    design.setProperty(button, "OnClick", "Greet");
    ASSERT_TRUE(design.save(store, "Designed"));

    ASSERT_TRUE(openForm("Designed"));
    EXPECT_EQ(text("CustomerName"), QStringLiteral("Zoë O'Neil"));
    EXPECT_TRUE(form.controls().at(index("CheckBox2")).ticked);
    EXPECT_EQ(form.controls().at(index("CommandButton3")).handler("OnClick"), "Greet");
    EXPECT_EQ(GetProperty(form.controls().at(index("CheckBox2")).properties, "ParentId"), "T11");

    FormDesign reopened(&catalogue);
    const FormRow stored = *row("Designed");
    reopened.load(stored.name, stored.tableSource, stored.ctrlProps);
    messages.clear();
    ASSERT_TRUE(reopened.save(store, "Designed"));
    EXPECT_EQ(row("Designed")->ctrlProps, stored.ctrlProps);
    EXPECT_EQ(row("Designed")->tableSource, "Customers");
}

TEST(PropertyRulesTest, EnumerationsFlagsAndColoursAreOfferedByKind)
{
    EXPECT_EQ(PropertyChoices(ControlKind::Label, "Alignment"), (QStringList{"Left", "Center", "Right"}));
    EXPECT_EQ(PropertyChoices(ControlKind::CheckBox, "Alignment"), (QStringList{"Left", "Centre", "Right"}));
    EXPECT_EQ(PropertyChoices(ControlKind::DateTime, "Style"), (QStringList{"ShortDate", "LongDate", "Time"}));
    EXPECT_EQ(PropertyChoices(ControlKind::TabControl, "Style"), (QStringList{"TabButtons", "TabTabs"}));
    EXPECT_EQ(PropertyChoices(ControlKind::TextBox, "Visible"), (QStringList{"Yes", "No"}));
    EXPECT_EQ(PropertyChoices(ControlKind::TextBox, "Locked"), (QStringList{"Yes", "No"}));
    EXPECT_TRUE(PropertyChoices(ControlKind::TextBox, "Caption").isEmpty());
    EXPECT_TRUE(IsColourProperty("Back Color Selection"));
    EXPECT_FALSE(IsColourProperty("Font Info"));
    // Only the type part of an entry decides.
    EXPECT_EQ(CheckBinding(ControlKind::DateTime, "DateTimeNote - Text"), BindingCheck::Refused);
    EXPECT_EQ(CheckBinding(ControlKind::GridControl, "Photo - OLE Obj"), BindingCheck::Binds);
}

} // namespace
