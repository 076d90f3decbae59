#include "ModuleDatabase.h"
#include "logic/ModuleEditor.h"
#include "logic/ModuleFunctions.h"
#include "support/MessageRecorder.h"

namespace {

using ModuleEditorTest = ModuleDatabase;

TEST_F(ModuleEditorTest, SavesANewModuleOnlyWhenChangedAndNotEmpty)
{
    MessageRecorder messages;
    ModuleEditor editor(context);
    EXPECT_TRUE(editor.isNew());
    EXPECT_TRUE(editor.save(QStringLiteral("Greet"), QStringLiteral("Message \"hi\"")));
    EXPECT_TRUE(modules().isEmpty()) << "nothing was typed, so nothing is saved";
    editor.markModified();
    EXPECT_FALSE(editor.save(QStringLiteral("Greet"), QString()));
    EXPECT_FALSE(editor.save(QString(), QStringLiteral("Message \"hi\"")));
    EXPECT_TRUE(modules().isEmpty());
    EXPECT_TRUE(editor.save(QStringLiteral("Greet"), QStringLiteral("Message \"hi\"\nNextRecord")));
    EXPECT_EQ(modules(), QStringList({"Greet=Message \"hi\"\nNextRecord"}));
    EXPECT_FALSE(editor.isNew());
    EXPECT_FALSE(editor.isModified());
    EXPECT_EQ(messages.texts(), QStringList({"The module name or source cannot be empty",
                                             "The module name or source cannot be empty",
                                             "Module was saved successfully"}));
    // Saved once, the module is rewritten in place rather than added again.
    editor.markModified();
    EXPECT_TRUE(editor.save(QStringLiteral("Greet"), QStringLiteral("FindNext")));
    EXPECT_EQ(modules(), QStringList({"Greet=FindNext"}));
}

TEST_F(ModuleEditorTest, EditingAModuleRewritesItsRowAndMayRenameIt)
{
    ASSERT_TRUE(run(QStringLiteral("INSERT INTO XNSysModules VALUES('First', 'FirstRecord')")));
    ASSERT_TRUE(run(QStringLiteral("INSERT INTO XNSysModules VALUES('O''Brien', 'LastRecord')")));
    MessageRecorder messages;
    ModuleEditor editor(context);
    ASSERT_TRUE(editor.open(QStringLiteral("O'Brien")));
    EXPECT_EQ(editor.source(), QStringLiteral("LastRecord"));
    EXPECT_FALSE(editor.isNew());
    editor.markModified();
    EXPECT_TRUE(editor.save(QStringLiteral("Last"), QStringLiteral("LastRecord\nMessage \"end\"")));
    EXPECT_EQ(modules(), QStringList({"First=FirstRecord", "Last=LastRecord\nMessage \"end\""}));
}

TEST_F(ModuleEditorTest, AModuleThatCannotBeReadIsSaidSoAndBecomesNew)
{
    MessageRecorder messages;
    ModuleEditor editor(context);
    EXPECT_FALSE(editor.open(QStringLiteral("Missing")));
    EXPECT_EQ(messages.texts(), QStringList({"Could not get source for the module"}));
    EXPECT_TRUE(editor.isNew());
    ASSERT_TRUE(run(QStringLiteral("DROP TABLE XNSysModules")));
    editor.markModified();
    EXPECT_FALSE(editor.save(QStringLiteral("Any"), QStringLiteral("FindNext")));
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Could not open XNSysModule"));
}

TEST_F(ModuleEditorTest, ANameLongerThanTheColumnIsRefusedByTheEngine)
{
    MessageRecorder messages;
    ModuleEditor editor(context);
    editor.markModified();
    EXPECT_FALSE(editor.save(QStringLiteral("A name far too long"), QStringLiteral("FindNext")));
    EXPECT_TRUE(editor.isModified());
    EXPECT_FALSE(messages.texts().contains(QStringLiteral("Module was saved successfully")));
}

TEST_F(ModuleEditorTest, ClosingAsksOnlyAboutChanges)
{
    MessageRecorder messages;
    ModuleEditor editor(context);
    EXPECT_TRUE(editor.close(QString(), QString()));
    EXPECT_TRUE(messages.texts().isEmpty());

    editor.markModified();
    messages.answer(framework::Answer::No);
    EXPECT_TRUE(editor.close(QStringLiteral("Keep"), QStringLiteral("FindNext")));
    EXPECT_TRUE(modules().isEmpty());
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, QStringLiteral("Do you wana to save this module"));
    EXPECT_EQ(messages.messages()[0].buttons, framework::Buttons::YesNo);
    EXPECT_EQ(messages.messages()[0].icon, framework::Icon::Information);

    // Yes with an empty source: the save fails, so the editor stays open.
    messages.answer(framework::Answer::Yes);
    EXPECT_FALSE(editor.close(QStringLiteral("Keep"), QString()));
    messages.answer(framework::Answer::Yes);
    EXPECT_TRUE(editor.close(QStringLiteral("Keep"), QStringLiteral("FindNext")));
    EXPECT_EQ(modules(), QStringList({"Keep=FindNext"}));
}

TEST(ModuleFunctions, ListsTheTwentyFourEntriesInOrder)
{
    const auto& functions = moduleFunctions();
    ASSERT_EQ(functions.size(), 24u);
    EXPECT_EQ(functions[0].entry, QStringLiteral("Open Form"));
    EXPECT_EQ(functions[5].description, QStringLiteral("Message(string message"));
    EXPECT_EQ(functions[10].description, QStringLiteral("MoveTo(int Recrod Number"));
    EXPECT_EQ(functions[17].entry, QStringLiteral("Find Record"));
    EXPECT_EQ(functions[23].entry, QStringLiteral("EndIf"));
}

} // namespace
