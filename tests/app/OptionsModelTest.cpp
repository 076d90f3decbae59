#include "app/options/ColourOption.h"
#include "app/options/GeneralOptionsModel.h"
#include "app/options/KeyOptionsModel.h"
#include "app/options/LocaleLists.h"
#include "app/options/TableFormOptionsModel.h"
#include "data/CAppContext.h"
#include "platform/framework/Profile.h"

#include "support/MessageRecorder.h"
#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <QSet>

using framework::GetProfileInt;
using framework::GetProfileString;
using framework::WriteProfileInt;
using framework::WriteProfileString;

namespace {
QStringList actionNames()
{
    const CAppContext context;
    QStringList names;
    for (int i = 0; i < CAppContext::kKeyActionCount; ++i)
        names << context.keyActionNames.at(i);
    return names;
}

int keyOption(const char* key) { return GetProfileInt("KEY_OPTIONS", key, -1); }
QString keyText(const char* key) { return GetProfileString("KEY_OPTIONS", key, "unset"); }
} // namespace

TEST(KeyOptions, TheArrowChoicesExcludeEachOtherInTheProfile)
{
    TempRoot root;
    KeyOptionsModel page(actionNames());
    page.setArrowsToNextCharacter(true);
    EXPECT_EQ(keyText("NextCharacter"), "TRUE");
    EXPECT_EQ(keyText("OnNextField"), "FALSE");

    page.setArrowsToNextField(true);
    EXPECT_EQ(keyText("OnNextField"), "TRUE");
    EXPECT_EQ(keyText("NextCharacter"), "FALSE");
    EXPECT_TRUE(page.arrowsToNextField());
    EXPECT_FALSE(page.arrowsToNextCharacter());

    page.setArrowsToNextField(false);
    EXPECT_EQ(keyText("OnNextField"), "FALSE");
    EXPECT_FALSE(KeyOptionsModel(actionNames()).arrowsToNextField());
}

TEST(KeyOptions, MoveAfterEnterWritesTheKeyAndItsThreeFlags)
{
    TempRoot root;
    KeyOptionsModel page(actionNames());
    EXPECT_EQ(page.moveAfterEnter(), KeyOptionsModel::NoChoice);
    EXPECT_EQ(page.fieldEntry(), KeyOptionsModel::GotoEnd) << "a new user's cursor goes to the end of the field";

    page.chooseMoveAfterEnter(KeyOptionsModel::NextRecord);
    EXPECT_EQ(keyOption("OnEnterKey"), 3);
    EXPECT_EQ(keyOption("Dontmove"), 0);
    EXPECT_EQ(keyOption("Nextfield"), 0);
    EXPECT_EQ(keyOption("Nextrecord"), 1);
    page.chooseMoveAfterEnter(KeyOptionsModel::DontMove);
    EXPECT_EQ(keyOption("OnEnterKey"), 1);
    EXPECT_EQ(keyOption("Dontmove"), 1);
    EXPECT_EQ(keyOption("Nextrecord"), 0);
    page.chooseFieldEntry(KeyOptionsModel::SelectEntireField);
    EXPECT_EQ(keyOption("OnFieldEnter"), 1);

    const KeyOptionsModel reopened(actionNames());
    EXPECT_EQ(reopened.moveAfterEnter(), KeyOptionsModel::DontMove);
    EXPECT_EQ(reopened.fieldEntry(), 1);
}

TEST(KeyOptions, EachRowWritesItsKeyAndADoubleTapClearsIt)
{
    TempRoot root;
    WriteProfileInt("KEY_OPTIONS", "UpButton", 99);
    KeyOptionsModel page(actionNames());
    ASSERT_EQ(page.rows().size(), 10);
    EXPECT_EQ(page.rows().at(7).hotKey, "Top");
    EXPECT_EQ(page.actionText(page.rows().at(7).action), "<None>") << "an action the list lacks shows as none";

    const int action = page.rows().size() - 1;
    ASSERT_EQ(page.rows().at(action).hotKey, "Action");
    page.chooseAction(action, 4);
    EXPECT_EQ(keyOption("ActionButton"), 4);
    EXPECT_EQ(page.actionText(page.rows().at(action).action), "Next Record");
    page.clearAction(action);
    EXPECT_EQ(keyOption("ActionButton"), 0);
    EXPECT_EQ(page.actionText(page.rows().at(action).action), "<None>");

    page.chooseAction(0, 24);
    page.chooseAction(-1, 3);
    page.chooseAction(0, 25);
    EXPECT_EQ(keyOption("Button1"), 24) << "neither a missing row nor a missing action writes";
}

TEST(KeyOptions, UnmappingSetsEveryKeyToNone)
{
    TempRoot root;
    for (const char* key : {"Button1", "Button5", "LeftButton", "ActionButton"})
        WriteProfileInt("KEY_OPTIONS", key, 7);
    KeyOptionsModel page(actionNames());
    page.unmapAll();
    for (const char* key : {"Button1", "Button2", "Button3", "Button4", "Button5", "LeftButton", "RightButton",
                            "UpButton", "DownButton", "ActionButton"})
        EXPECT_EQ(keyOption(key), 0) << key;
    for (const KeyOptionsModel::Row& row : page.rows())
        EXPECT_EQ(row.action, 0);
}

TEST(GeneralOptions, ClearingRequirePasswordKeepsThePassword)
{
    TempRoot root;
    WriteProfileInt("GENERAL_OPTIONS", "PassWordReq", 1);
    WriteProfileString("GENERAL_OPTIONS", "PassWord", "Geheim");
    GeneralOptionsModel page({});
    page.requirePasswordToggled(false);
    EXPECT_EQ(GetProfileInt("GENERAL_OPTIONS", "PassWordReq", -1), 0);
    EXPECT_EQ(GetProfileString("GENERAL_OPTIONS", "PassWord", ""), "Geheim");
}

TEST(GeneralOptions, ChangePasswordNeedsTwoEqualEntriesEmptyOnesIncluded)
{
    TempRoot root;
    MessageRecorder messages;
    WriteProfileString("GENERAL_OPTIONS", "PassWord", "old");
    EXPECT_FALSE(GeneralOptionsModel::changePassword("new", "New"));
    EXPECT_EQ(GetProfileString("GENERAL_OPTIONS", "PassWord", ""), "old");
    EXPECT_TRUE(GeneralOptionsModel::changePassword("", ""));
    EXPECT_EQ(GetProfileString("GENERAL_OPTIONS", "PassWord", "unset"), "");
    EXPECT_EQ(messages.texts(), QStringList({"Passwords don't match. Please verify", "Password Changed."}));
    for (const auto& message : messages.messages())
        EXPECT_EQ(message.caption, framework::applicationCaption());
}

TEST(GeneralOptions, ReassociateSaysWhetherTheAssociationWasWritten)
{
    TempRoot root;
    MessageRecorder messages;
    GeneralOptionsModel([] { return true; }).reassociate();
    GeneralOptionsModel([] { return false; }).reassociate();
    EXPECT_EQ(messages.texts(), QStringList({"All .CDB Files Are Reassociated", "Write Registry failed"}));
}

TEST(GeneralOptions, OkStoresThePasswordBoxAndReloadsTheContext)
{
    TempRoot root;
    CAppContext context;
    GeneralOptionsModel page({});
    page.folderChanged("\\My Documents\\Stock");
    page.openMostRecentToggled(true);
    writeColour(GeneralOptionsModel::colours().at(0), 0x0000FF);
    EXPECT_EQ(context.general.OpenMostRecentDB, 0) << "the context waits for OK";

    GeneralOptionsModel::sheetAccepted("s3cr'et", context);
    EXPECT_EQ(context.general.PassWord, "s3cr'et");
    EXPECT_EQ(context.general.DefaultDatabase, "\\My Documents\\Stock");
    EXPECT_EQ(context.general.OpenMostRecentDB, 1);
    EXPECT_EQ(context.general.BackGroundColor, 0x0000FF);
    EXPECT_EQ(context.tableForm.BackGround, 0xCDFFCD);
}

TEST(TableFormOptions, ThePageOpensOnTheProfileAndWritesAsItChanges)
{
    TempRoot root;
    TableFormOptionsModel::Shown shown = TableFormOptionsModel::shown();
    EXPECT_EQ(shown.columnSize, "50");
    EXPECT_FALSE(shown.autoAddCaption);

    TableFormOptionsModel::autoAddCaptionToggled(true);
    EXPECT_EQ(GetProfileString("TABLEFORM_OPTIONS", "AutoAddCaption", ""), "TRUE");
    TableFormOptionsModel::columnSizeLeft("1440");
    TableFormOptionsModel::confirmOnDeletingToggled(true);
    shown = TableFormOptionsModel::shown();
    EXPECT_TRUE(shown.autoAddCaption);
    EXPECT_EQ(shown.columnSize, "1440");
    EXPECT_TRUE(shown.confirmOnDeleting);
    EXPECT_FALSE(shown.confirmOnAdding);
    TableFormOptionsModel::autoAddCaptionToggled(false);
    EXPECT_EQ(GetProfileString("TABLEFORM_OPTIONS", "AutoAddCaption", ""), "FALSE");

    QSet<QString> keys;
    for (const ColourOption& colour : TableFormOptionsModel::colours()) {
        EXPECT_EQ(colour.section, "TABLEFORM_OPTIONS");
        keys.insert(colour.key);
    }
    EXPECT_EQ(keys, QSet<QString>({"BackGround", "FontColor", "GridLineColor", "OnSelectionColor", "CellColor"}));
    EXPECT_EQ(storedColour(TableFormOptionsModel::colours().at(3)), 0xF647B4u);
}

TEST(LocaleLists, EachLanguageStandsOnce)
{
    const QStringList languages = languageNames();
    EXPECT_EQ(languages.size(), QSet<QString>(languages.begin(), languages.end()).size());
    ASSERT_FALSE(languages.isEmpty());
    EXPECT_EQ(languages.first(), "English") << "the stored default, position 0, is the texts' language";
    EXPECT_TRUE(languages.contains("German"));
    EXPECT_FALSE(languages.contains("C"));
}
