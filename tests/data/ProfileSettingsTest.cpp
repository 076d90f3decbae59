#include "data/ProfileSettings.h"
#include "platform/framework/Profile.h"

#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <QSet>

TEST(ProfileSettings, EachSectionAndKeyStandsOnce)
{
    QSet<QString> seen;
    for (const ProfileSetting& setting : profileSettings()) {
        const QString name = (setting.section + QLatin1Char('/') + setting.key).toUpper();
        EXPECT_FALSE(seen.contains(name)) << name.toStdString();
        seen.insert(name);
        if (setting.type == ProfileType::Integer) {
            bool number = false;
            setting.defaultValue.toInt(&number);
            EXPECT_TRUE(number) << name.toStdString() << " has a default that is not a number";
        }
    }
}

TEST(ProfileSettings, KeysAreFoundIgnoringCaseAndOnlyInTheirOwnSection)
{
    const auto background = findProfileSetting("tableform_options", "background");
    ASSERT_TRUE(background);
    EXPECT_EQ(background->defaultValue.toInt(), 0xCDFFCD);
    EXPECT_EQ(background->type, ProfileType::Integer);

    EXPECT_FALSE(findProfileSetting("KEY_OPTIONS", "Font")) << "the key options have no font";
    EXPECT_FALSE(findProfileSetting("FORM_OPTIONS", "FontSize")) << "the form's font dialog keeps only its flags";
    EXPECT_FALSE(findProfileSetting("GENERAL_OPTIONS", "Nothing"));
    EXPECT_FALSE(findProfileSetting("NO_SECTION", "Font"));

    const auto delimiter = findProfileSetting("COMBOBOX_DELIMITER_LIST", "Delimit12");
    ASSERT_TRUE(delimiter);
    EXPECT_EQ(delimiter->key, "Delimit12");
    EXPECT_EQ(delimiter->type, ProfileType::Text);
    EXPECT_FALSE(findProfileSetting("COMBOBOX_DELIMITER_LIST", "Delimit")) << "an entry carries its number";
    EXPECT_FALSE(findProfileSetting("COMBOBOX_DELIMITER_LIST", "Delimit4x"));
    EXPECT_EQ(findProfileSetting("COMBOBOX_DELIMITER_LIST", "DelimiterCount")->defaultValue, "3");
}

TEST(ProfileSettings, ReadsGiveTheStoredValueElseTheTablesDefault)
{
    TempRoot root;
    EXPECT_EQ(profileInt("KEY_OPTIONS", "OnFieldEnter"), 3);
    EXPECT_EQ(profileInt("TABLEFORM_OPTIONS", "OnSelectionColor"), 0xF647B4);
    EXPECT_EQ(profileText("KEY_OPTIONS", "NextCharacter"), "FALSE");
    EXPECT_EQ(profileText("TABLEFORM_OPTIONS", "AutoAddCaption"), "FALSE");
    EXPECT_EQ(profileText("GENERAL_OPTIONS", "DefaultDatabase"), "\\My Document");

    framework::WriteProfileInt("KEY_OPTIONS", "OnFieldEnter", 1);
    framework::WriteProfileString("GENERAL_OPTIONS", "DefaultDatabase", "");
    EXPECT_EQ(profileInt("KEY_OPTIONS", "OnFieldEnter"), 1);
    EXPECT_EQ(profileText("GENERAL_OPTIONS", "DefaultDatabase"), "") << "an emptied text is a value, not a gap";
}
