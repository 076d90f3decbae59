#include "data/FontOptions.h"
#include "platform/framework/Profile.h"

#include "support/TempRoot.h"

#include <gtest/gtest.h>

using framework::GetProfileInt;
using framework::GetProfileString;
using framework::WriteProfileInt;

TEST(FontOptions, TheDialogOpensOnTheSectionsFontAndFlags)
{
    TempRoot root;
    EXPECT_EQ(loadFontChoice("GENERAL_OPTIONS"), (FontChoice{"Tahoma", "14"}));
    EXPECT_EQ(loadFontChoice("FORM_OPTIONS"), (FontChoice{"Tahoma", "11"})) << "the stored forms' default font";

    WriteProfileInt("TABLEFORM_OPTIONS", "Italic", 1);
    WriteProfileInt("TABLEFORM_OPTIONS", "Highlight", 1);
    WriteProfileInt("TABLEFORM_OPTIONS", "Bold", 2);
    WriteProfileInt("FORM_OPTIONS", "Underline", 1);
    const FontChoice table = loadFontChoice("TABLEFORM_OPTIONS");
    EXPECT_TRUE(table.italic);
    EXPECT_TRUE(table.highlight);
    EXPECT_FALSE(table.bold) << "a box is checked by 1 only";
    EXPECT_FALSE(loadFontChoice("GENERAL_OPTIONS").italic) << "each section keeps its own flags";
    EXPECT_TRUE(loadFontChoice("FORM_OPTIONS").underline);
}

TEST(FontOptions, OkWritesTheOptionSectionsButNeverTheFormDesigners)
{
    TempRoot root;
    const FontChoice chosen{"Courier New", "12", true, false, true, false, true};
    storeFontChoice("GENERAL_OPTIONS", chosen);
    EXPECT_EQ(GetProfileString("GENERAL_OPTIONS", "Font", ""), "Courier New");
    EXPECT_EQ(GetProfileString("GENERAL_OPTIONS", "FontSize", ""), "12") << "the size is kept as text";
    EXPECT_EQ(GetProfileInt("GENERAL_OPTIONS", "Bold", -1), 1);
    EXPECT_EQ(GetProfileInt("GENERAL_OPTIONS", "Italic", -1), 0);
    EXPECT_EQ(GetProfileInt("GENERAL_OPTIONS", "Underline", -1), 1);
    EXPECT_EQ(GetProfileInt("GENERAL_OPTIONS", "Strikethrough", -1), 0);
    EXPECT_EQ(GetProfileInt("GENERAL_OPTIONS", "Highlight", -1), 1);
    EXPECT_EQ(loadFontChoice("GENERAL_OPTIONS"), chosen);

    storeFontChoice("FORM_OPTIONS", chosen);
    EXPECT_EQ(GetProfileInt("FORM_OPTIONS", "Bold", -1), -1);
    EXPECT_EQ(GetProfileString("FORM_OPTIONS", "Font", "none"), "none");
}

TEST(FontOptions, TheFormDesignerGetsFaceSizeAndFiveFlags)
{
    EXPECT_EQ(fontInfoText({"Courier New", "12", true, false, false, true, false}),
              "Courier New-12-TRUE-FALSE-FALSE-TRUE-FALSE");
    EXPECT_EQ(fontInfoText({"Tahoma", "11"}), "Tahoma-11-FALSE-FALSE-FALSE-FALSE-FALSE");
}
