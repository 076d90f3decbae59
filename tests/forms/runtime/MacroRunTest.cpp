// Macros run over an open form: each action through the form's operations, the questions that end a
// run, the If blocks, the stored arguments of Move to, Find Record and Apply Filter, and the messages
// of a run that cannot go on.
#include "FormFixture.h"

#include "logic/MacroText.h"
#include "logic/RunMacro.h"

namespace {

using framework::Answer;

class MacroRunTest : public ShopFormFixture {
protected:
    void SetUp() override
    {
        ShopFormFixture::SetUp();
        ASSERT_TRUE(openForm("Shop"));
    }
    void addMacro(const QString& name, const QList<MacroRow>& rows)
    {
        CDbRecordset macros(context.connection, context.databasePath());
        ASSERT_TRUE(macros.Open("XNSysMacros", 2, 3));
        ASSERT_TRUE(macros.AddNew());
        macros.SetFieldString(1, name);
        macros.SetFieldString(2, MacroEventText(rows));
        macros.SetFieldString(3, MacroArgumentsText(rows));
        macros.SetFieldBool(4, true);
        ASSERT_TRUE(macros.Update());
    }
    void addModule(const QString& name, const QString& source)
    {
        ASSERT_TRUE(run("INSERT INTO XNSysModules (ModuleName, Source) VALUES (" + sqlQuoted(name) + ", " +
                        sqlQuoted(source) + ")"));
    }
    void addQuery(const QString& name, const QString& statement)
    {
        ASSERT_TRUE(run("INSERT INTO XNSysQueries (QueryName, QueryType, QueryStmt) VALUES (" + sqlQuoted(name) +
                        ", 1, " + sqlQuoted(statement) + ")"));
    }
    void runMacro(const QString& name, int control = -1)
    {
        messages.clear();
        RunMacro(context, form, name, control);
    }
    QString stopText(const QString& macro, int row, const QString& action, const QString& reason)
    {
        return MacroStopText(macro, row, action, reason);
    }
};

TEST_F(MacroRunTest, AQuestionAnsweredNoEndsTheRun)
{
    addMacro("Leave", {{"Close Form", {"Yes"}}, {"Message", {"after"}}});
    messages.answer(Answer::No);
    runMacro("Leave");
    EXPECT_EQ(messages.texts(), QStringList{"Do you want to close the current form ?"});
    EXPECT_EQ(messages.messages()[0].caption, framework::applicationCaption());
    EXPECT_EQ(messages.messages()[0].icon, framework::Icon::Information);
    EXPECT_TRUE(form.isOpen());

    runMacro("Leave");
    EXPECT_EQ(messages.texts(), (QStringList{"Do you want to close the current form ?", "after"}));
    EXPECT_FALSE(form.isOpen());
    EXPECT_TRUE(view.closed);

    addMacro("Drop", {{"Delete Record", {"Yes"}}, {"Message", {"after"}}});
    ASSERT_TRUE(openForm("Shop"));
    messages.answer(Answer::No);
    runMacro("Drop");
    EXPECT_EQ(messages.texts(), QStringList{"Do you want to delete this record?"});
    EXPECT_EQ(customers().size(), 3);
    runMacro("Drop");
    EXPECT_EQ(customers().size(), 2);
}

TEST_F(MacroRunTest, FindNextSaysSoAndTheRunGoesOn)
{
    addMacro("Onward", {{"Find Next", {}}, {"Next Record", {}}, {"Unknown Action", {}}, {"Next Record", {}}});
    runMacro("Onward");
    EXPECT_EQ(messages.texts(), QStringList{"Not Implemented yet"});
    EXPECT_EQ(form.positionText(), "3/3");
}

TEST_F(MacroRunTest, SetFieldValueWritesTheResultIntoATextBoxByItsExactName)
{
    addMacro("Stamp", {{"Set Field Value", {"Note", "Customers.Age * 2"}},
                       {"Set Field Value", {"City", "\"Zoë\""}},
                       {"Save Record", {"No"}}});
    runMacro("Stamp");
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(text("Note"), "60");
    EXPECT_EQ(customers()[0][2], "Zoë");

    addMacro("Nobody", {{"Set Field Value", {"note", "1"}}, {"Message", {"after"}}});
    runMacro("Nobody");
    EXPECT_EQ(messages.texts(), QStringList{"Invalid Name specified in the macro"});
    EXPECT_EQ(messages.messages()[0].icon, framework::Icon::Information);
    addMacro("Focus", {{"Set Focus", {"Missing"}}, {"Message", {"after"}}});
    runMacro("Focus");
    EXPECT_EQ(messages.texts(), QStringList{"Invalid Name specified in the macro"});
    addMacro("Refresh", {{"Refresh List", {"Missing"}}, {"Message", {"after"}}});
    runMacro("Refresh");
    EXPECT_EQ(messages.texts(), QStringList{"Invalid name specified in the macro"});
}

TEST_F(MacroRunTest, ARefusedSaveStopsTheRunAndNamesTheRow)
{
    addMacro("Dup", {{"Add Record", {"Yes"}}, {"Set Field Value", {"Name", "\"Ann\""}}, {"Next Record", {}},
                     {"Message", {"after"}}});
    runMacro("Dup");
    EXPECT_EQ(messages.texts(),
              (QStringList{"Do you want to add a record?", "Unique property violation : Name",
                           stopText("Dup", 3, "Next Record", "the current record could not be saved")}));
    EXPECT_TRUE(form.isAdding());
    EXPECT_EQ(customers().size(), 3);
}

TEST_F(MacroRunTest, IfElseEndIfRunOneBranchAndTheRunContinues)
{
    addMacro("Check", {{"If", {"Customers.Age > 35 AND Customers.Age < 100"}}, {"Message", {"old"}},
                       {"Else", {}}, {"Message", {"young"}}, {"EndIf", {}}, {"Message", {"end"}}});
    runMacro("Check");
    EXPECT_EQ(messages.texts(), (QStringList{"young", "end"}));
    form.nextRecord();
    runMacro("Check");
    EXPECT_EQ(messages.texts(), (QStringList{"old", "end"}));
    EXPECT_FALSE(form.macroIfState().open);
}

TEST_F(MacroRunTest, IfBlocksDoNotNestAndElseNeedsAnIf)
{
    addMacro("Nested", {{"If", {"1 = 1"}}, {"If", {"1 = 1"}}, {"Message", {"inner"}}, {"EndIf", {}}, {"EndIf", {}}});
    runMacro("Nested");
    EXPECT_EQ(messages.texts(),
              QStringList{stopText("Nested", 2, "If", "an If block is already open, and If blocks do not nest")});
    EXPECT_FALSE(form.macroIfState().open);

    addMacro("Stray", {{"Message", {"one"}}, {"Else", {}}, {"Message", {"two"}}});
    runMacro("Stray");
    EXPECT_EQ(messages.texts(),
              (QStringList{"one", stopText("Stray", 2, "Else", "there is no If block for it to continue")}));

    // A block left open ends with its macro; the next run starts outside any block.
    addMacro("Open", {{"If", {"1 = 2"}}, {"Message", {"skipped"}}});
    addMacro("Plain", {{"Message", {"shown"}}});
    runMacro("Open");
    runMacro("Plain");
    EXPECT_EQ(messages.texts(), QStringList{"shown"});
}

TEST_F(MacroRunTest, MoveToTakesTheStoredRecordNumber)
{
    addMacro("Third", {{"Move to", {"3"}}});
    runMacro("Third");
    EXPECT_EQ(form.positionText(), "3/3");
    addMacro("Far", {{"First Record", {}}, {"Move to", {"9"}}, {"Message", {"after"}}});
    runMacro("Far");
    EXPECT_EQ(messages.texts(), QStringList{stopText("Far", 2, "Move to", "there is no record 9")});
    EXPECT_EQ(form.positionText(), "1/3");
}

TEST_F(MacroRunTest, OpenFormReplacesTheFormOrStopsWhenThereIsNone)
{
    storeForm("Other", "Customers", {control(ControlKind::TextBox, "City", "Customers.City")});
    addMacro("Switch", {{"Open Form", {"Other", "ReadWrite"}}, {"Last Record", {}}});
    runMacro("Switch");
    EXPECT_EQ(form.formName(), "Other");
    EXPECT_EQ(text("City"), "Lima");

    addMacro("Lost", {{"Open Form", {"Nowhere", "ReadOnly"}}, {"Message", {"after"}}});
    runMacro("Lost");
    EXPECT_EQ(messages.texts(), QStringList{stopText("Lost", 1, "Open Form", "there is no form named Nowhere")});
    EXPECT_EQ(form.formName(), "Other");
}

TEST_F(MacroRunTest, ApplyFilterTakesACheckedConditionOrASelectQuery)
{
    addMacro("South", {{"Apply Filter", {"", "City = 'Rome' OR City = 'Lima'"}}});
    runMacro("South");
    EXPECT_EQ(form.recordCount(), 2);
    addMacro("Unfilter", {{"Remove All Filters", {}}});
    runMacro("Unfilter");
    EXPECT_EQ(form.recordCount(), 3);

    addMacro("Sneak", {{"Apply Filter", {"", "1 = 1) OR (1 = 1"}}, {"Message", {"after"}}});
    runMacro("Sneak");
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith("The macro Sneak stopped at row 1, Apply Filter: "));
    EXPECT_EQ(form.recordCount(), 3);

    addQuery("Older", "SELECT * FROM Customers WHERE Age > 35");
    addMacro("ByQuery", {{"Apply Filter", {"Older", ""}}});
    runMacro("ByQuery");
    EXPECT_EQ(form.recordCount(), 2);
    EXPECT_EQ(text("Name"), "Bob");

    addQuery("Purge", "DELETE FROM Customers");
    addMacro("Purge", {{"Apply Filter", {"Purge", ""}}});
    runMacro("Purge");
    EXPECT_EQ(messages.texts(),
              QStringList{stopText("Purge", 1, "Apply Filter", "the query Purge does not give the form's fields")});
    EXPECT_EQ(customers().size(), 3);
}

TEST_F(MacroRunTest, FindRecordSearchesTheNamedField)
{
    addMacro("Lima", {{"Find Record", {"lima", "Whole Field", "No", "All", "City", "First"}}});
    runMacro("Lima");
    EXPECT_EQ(form.positionText(), "3/3");
    addMacro("Exact", {{"Find Record", {"lima", "Whole Field", "Yes", "All", "City", "First"}}});
    runMacro("Exact");
    EXPECT_EQ(messages.texts(), QStringList{"No Match is Found"});
    addMacro("NoField", {{"Find Record", {"x", "Any Part", "No", "All", "Colour", "First"}}});
    runMacro("NoField");
    EXPECT_EQ(messages.texts(),
              QStringList{stopText("NoField", 1, "Find Record", "the form's records have no field Colour")});
}

TEST_F(MacroRunTest, EventsRunTheirMacroOrElseTheModuleOfThatName)
{
    addMacro("NextAndTell", {{"Next Record", {}}, {"Message", {"Moved"}}});
    addModule("GoLast", "LastRecord()");
    // Two rows of one name are no macro: the module of that name runs instead.
    addMacro("Twice", {{"Message", {"macro"}}});
    addMacro("Twice", {{"Message", {"macro"}}});
    addModule("Twice", "FirstRecord()");
    storeForm("Buttons", "Customers",
              {control(ControlKind::TextBox, "Name", "Customers.Name"),
               control(ControlKind::CommandButton, "Go", {}, {{"OnClick", "NextAndTell"}}),
               control(ControlKind::CommandButton, "Mod", {}, {{"OnClick", "GoLast"}}),
               control(ControlKind::CommandButton, "Back", {}, {{"OnClick", "Twice"}})});
    ASSERT_TRUE(openForm("Buttons"));
    form.raiseEvent(index("Go"), "OnClick");
    EXPECT_EQ(messages.texts(), QStringList{"Moved"});
    EXPECT_EQ(form.positionText(), "2/3");
    // The message hands the focus back to the control that started the macro.
    EXPECT_EQ(form.focusedControl(), index("Go"));
    form.raiseEvent(index("Mod"), "OnClick");
    EXPECT_EQ(form.positionText(), "3/3");
    form.raiseEvent(index("Back"), "OnClick");
    EXPECT_EQ(form.positionText(), "1/3");
    EXPECT_EQ(messages.texts(), QStringList{"Moved"});

    // After the macro replaced the form, its message gives the focus to none of the new form's controls.
    addMacro("Reload", {{"Open Form", {"Buttons", "ReadWrite"}}, {"Message", {"Reloaded"}}});
    storeForm("Reloading", "Customers",
              {control(ControlKind::CommandButton, "Again", {}, {{"OnClick", "Reload"}}),
               control(ControlKind::TextBox, "Name", "Customers.Name")});
    ASSERT_TRUE(openForm("Reloading"));
    form.raiseEvent(index("Again"), "OnClick");
    EXPECT_EQ(form.formName(), "Buttons");
    EXPECT_EQ(form.focusedControl(), -1);
}

TEST_F(MacroRunTest, MacrosThatStartEachOtherStopAtTheChainLimit)
{
    addMacro("ToB", {{"Set Focus", {"B"}}});
    addMacro("ToA", {{"Set Focus", {"A"}}});
    storeForm("Bounce", "Customers",
              {control(ControlKind::TextBox, "A", {}, {{"OnGotFocus", "ToB"}}),
               control(ControlKind::TextBox, "B", {}, {{"OnGotFocus", "ToA"}})});
    ASSERT_TRUE(openForm("Bounce"));
    form.setFocus(index("A"));
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].contains("deeper than 16"));
}

TEST_F(MacroRunTest, QuitSavesClosesAndEndsTheRun)
{
    addMacro("Done", {{"Set Field Value", {"City", "\"Paris\""}}, {"Quit", {"No"}}, {"Message", {"after"}}});
    runMacro("Done");
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_FALSE(form.isOpen());
    EXPECT_EQ(customers()[0][2], "Paris");

    addMacro("Late", {{"Message", {"one"}}, {"Next Record", {}}});
    runMacro("Late");
    EXPECT_EQ(messages.texts(), (QStringList{"one", stopText("Late", 2, "Next Record", "no form is open")}));
}

} // namespace
