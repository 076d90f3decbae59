// The macro editor's rows, the cells set by tapping, the name check, saving and closing.
#include "ModuleDatabase.h"
#include "logic/MacroEditor.h"
#include "support/MessageRecorder.h"

namespace {

using framework::Answer;

class MacroEditorTest : public ModuleDatabase {
protected:
    void SetUp() override
    {
        ModuleDatabase::SetUp();
        ASSERT_TRUE(run("CREATE TABLE 'XNSysMacros' (MacroID int,MacroName varchar(15),Event text,Arguments text,"
                        "Standalone bit)"));
    }
    // Every macro as name, Event, Arguments and Standalone, in stored order.
    QList<QStringList> macros()
    {
        QList<QStringList> rows;
        CDbRecordset recordset(context.connection, context.databasePath());
        if (!recordset.Open(QStringLiteral("SELECT * FROM XNSysMacros"), 0, 1))
            return rows;
        for (recordset.MoveFirst(); !recordset.IsEOF(); recordset.MoveNext())
            rows << QStringList{recordset.GetFieldString(1), recordset.GetFieldString(2), recordset.GetFieldString(3),
                                recordset.GetFieldString(4)};
        return rows;
    }

    MessageRecorder messages;
};

TEST_F(MacroEditorTest, ANextRecordMacroIsStoredWithItsEventAndArguments)
{
    MacroEditor editor(context);
    EXPECT_TRUE(editor.isNew());
    editor.insertRow(0);
    EXPECT_FALSE(editor.isModified()) << "a row without an action stores nothing";
    editor.setAction(0, "Next Record");
    editor.insertRow(1);
    EXPECT_FALSE(editor.save(""));
    EXPECT_TRUE(editor.save("Step"));
    EXPECT_EQ(macros(), QList<QStringList>({{"Step", "Next Record~", "Next Record~", "-1"}}));
    EXPECT_EQ(messages.texts(), QStringList({"Please give a name for the macro", "Macro is created Successfully"}));
    EXPECT_FALSE(editor.isModified());

    // Saved again, the macro is rewritten in its own row, under a new name too.
    editor.setAction(1, "Message");
    ASSERT_TRUE(editor.setValue(1, 0, "Zoë's \"last\" record"));
    EXPECT_TRUE(editor.save("Step on"));
    EXPECT_EQ(macros(), QList<QStringList>({{"Step on", "Next Record~Message~",
                                             "Next Record~~Message~Message text=Zoë's \"last\" record", "-1"}}));
}

TEST_F(MacroEditorTest, TappedCellsToggleAndTypedValuesThatWouldCorruptTheMacroAreRefused)
{
    MacroEditor editor(context);
    editor.insertRow(0);
    EXPECT_FALSE(editor.checkAction(0));
    EXPECT_FALSE(editor.setValue(0, 0, "x"));
    EXPECT_EQ(messages.texts(), QStringList({"You have to choose an action", "You have to choose an action"}));
    editor.setAction(0, "Open Form");
    EXPECT_EQ(editor.labels(0), QStringList({"FormName", "Edit mode"}));
    EXPECT_EQ(editor.tapOf(0, 0), MacroEditor::Tap::Typed);
    ASSERT_EQ(editor.tapOf(0, 1), MacroEditor::Tap::EditMode);
    EXPECT_EQ(editor.toggle(0, 1), "ReadOnly");
    EXPECT_EQ(editor.toggle(0, 1), "ReadWrite");
    EXPECT_EQ(editor.toggle(0, 1), "ReadOnly");
    editor.setAction(0, "Close Form");
    EXPECT_EQ(editor.rows()[0].values, QStringList({""})) << "the values of another action are dropped";
    EXPECT_EQ(editor.toggle(0, 0), "Yes");
    EXPECT_EQ(editor.toggle(0, 0), "No");
    editor.setAction(0, "Set Field Value");
    EXPECT_EQ(editor.tapOf(0, 1), MacroEditor::Tap::Expression);
    editor.setAction(0, "Play Sound");
    EXPECT_EQ(editor.tapOf(0, 0), MacroEditor::Tap::SoundFile);

    messages.clear();
    editor.setAction(0, "Find Record");
    EXPECT_FALSE(editor.setValue(0, 0, "a~b"));
    EXPECT_FALSE(editor.setValue(0, 0, "x=y"));
    EXPECT_TRUE(editor.setValue(0, 0, "O'Brien"));
    EXPECT_EQ(messages.texts().size(), 2);
    EXPECT_EQ(editor.rows()[0].values[0], "O'Brien");
}

TEST_F(MacroEditorTest, EmptyArgumentsAreRefusedOnSave)
{
    MacroEditor editor(context);
    editor.insertRow(0);
    editor.setAction(0, "If");
    EXPECT_FALSE(editor.save("Check"));
    editor.setValue(0, 0, "Orders.Qty > 5");
    editor.insertRow(1);
    editor.setAction(1, "Apply Filter");
    EXPECT_FALSE(editor.save("Check"));
    editor.setValue(1, 1, "Qty > 5");
    EXPECT_TRUE(editor.save("Check"));
    editor.setValue(1, 0, "Big");
    EXPECT_FALSE(editor.save("Check"));
    EXPECT_EQ(messages.texts(),
              QStringList({"Some arguments have not been specified", "Some arguments have not been specified",
                           "Macro is created Successfully",
                           "Apply Filter takes either a Query Name or an SQL Filter Condition, not both"}));
    EXPECT_EQ(macros().size(), 1);
}

TEST_F(MacroEditorTest, TheNameOfAnotherMacroAsksBeforeItIsOverwritten)
{
    ASSERT_TRUE(run("INSERT INTO XNSysMacros (MacroName, Event, Arguments, Standalone) VALUES "
                    "('Old', 'First Record~', 'First Record~', true)"));
    MacroEditor editor(context);
    editor.insertRow(0);
    editor.setAction(0, "Last Record");
    messages.answer(Answer::No);
    EXPECT_FALSE(editor.checkName("Old"));
    EXPECT_TRUE(editor.checkName("New"));
    EXPECT_TRUE(editor.save("New"));
    // Saving under the other name asks, then takes over that macro's row and drops its own.
    messages.answer(Answer::Yes);
    EXPECT_TRUE(editor.save("Old"));
    EXPECT_EQ(macros(), QList<QStringList>({{"Old", "Last Record~", "Last Record~", "-1"}}));
    EXPECT_EQ(messages.texts()[0],
              "A macro with this name already exists. Continuing will overwrite the existing macro");

    // Yes loads the macro of that name for editing.
    MacroEditor other(context);
    EXPECT_TRUE(other.checkName("Old"));
    EXPECT_FALSE(other.isNew());
    EXPECT_EQ(other.rows()[0].action, "Last Record");
}

TEST_F(MacroEditorTest, ClosingAModifiedMacroAsksToSaveIt)
{
    MacroEditor editor(context);
    EXPECT_TRUE(editor.close("Any"));
    EXPECT_TRUE(messages.texts().isEmpty());
    editor.insertRow(0);
    editor.setAction(0, "Message");
    messages.answer(Answer::Yes);
    EXPECT_FALSE(editor.close("Tell")) << "the save failed, so the editor stays open";
    messages.answer(Answer::No);
    EXPECT_TRUE(editor.close("Tell"));
    EXPECT_TRUE(macros().isEmpty());
}

} // namespace
