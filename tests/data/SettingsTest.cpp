#include "data/Settings.h"
#include "platform/framework/Profile.h"

#include "support/TempRoot.h"

#include <gtest/gtest.h>

using framework::WriteProfileInt;
using framework::WriteProfileString;

TEST(Settings, AFirstReadOnANewDeviceGivesTheDefaults)
{
    TempRoot root;
    const GeneralOptions general = loadGeneralOptions();
    EXPECT_EQ(general.Font, "Tahoma");
    EXPECT_EQ(general.FontSize, "14");
    EXPECT_EQ(general.DefaultDatabase, "\\My Document");
    EXPECT_EQ(general.PassWord, "");
    EXPECT_EQ(general.BackGroundColor, 0xFFFFFF);
    EXPECT_EQ(general.ListColor, 0xFFFFFF);
    for (int value : {general.FontColor, general.Default_Date_Style, general.Default_Language, general.OpenMostRecentDB,
                      general.PassWordReq, general.Bold, general.Italic, general.Underline, general.Strikethrough})
        EXPECT_EQ(value, 0);

    const TableFormOptions table = loadTableFormOptions();
    EXPECT_EQ(table.Font, "Tahoma");
    EXPECT_EQ(table.FontSize, "14");
    EXPECT_EQ(table.BackGround, 0xCDFFCD);
    EXPECT_EQ(table.OnSelectionColor, 0xF647B4);
    EXPECT_EQ(table.CellColor, 0xFFFFFF);
    EXPECT_EQ(table.ColumnSize, "50");
    for (int value : {table.FontColor, table.GridLineColor, table.SortByFieldOrder, table.Bold, table.Italic,
                      table.Strikethrough, table.Underline, table.ConfirmOnAdding, table.ConfirmOnDeleting})
        EXPECT_EQ(value, 0);
}

TEST(Settings, StoredValuesReachTheContextFromTheirOwnSection)
{
    TempRoot root;
    WriteProfileString("GENERAL_OPTIONS", "Font", "Courier New");
    WriteProfileString("GENERAL_OPTIONS", "PassWord", "Secret");
    WriteProfileInt("GENERAL_OPTIONS", "PassWordReq", 1);
    WriteProfileInt("GENERAL_OPTIONS", "OpenMostRecentDB", 1);
    WriteProfileInt("GENERAL_OPTIONS", "BackGroundColor", 0x0000FF);
    WriteProfileInt("TABLEFORM_OPTIONS", "Bold", 1);
    WriteProfileInt("TABLEFORM_OPTIONS", "ConfirmOnDeleting", 1);
    WriteProfileString("TABLEFORM_OPTIONS", "ColumnSize", "80");

    const GeneralOptions general = loadGeneralOptions();
    EXPECT_EQ(general.Font, "Courier New");
    EXPECT_EQ(general.PassWord, "Secret");
    EXPECT_EQ(general.PassWordReq, 1);
    EXPECT_EQ(general.OpenMostRecentDB, 1);
    EXPECT_EQ(general.BackGroundColor, 0x0000FF);
    EXPECT_EQ(general.Bold, 0) << "the table/form section's Bold is not the general one";

    const TableFormOptions table = loadTableFormOptions();
    EXPECT_EQ(table.Font, "Tahoma");
    EXPECT_EQ(table.Bold, 1);
    EXPECT_EQ(table.ConfirmOnDeleting, 1);
    EXPECT_EQ(table.ColumnSize, "80");
}
