// Masked fields in the datasheet: stored values shown through their masks, and cells typed through a
// mask stored with or without its symbols, numbers as plain numbers.
#include "DatasheetFixture.h"

using namespace fieldtypes;

namespace {

class DatasheetMaskTest : public DatasheetFixture {
protected:
    void SetUp() override
    {
        createTable("Staff", {field("SSN", kText, {{"Input Mask", "##-##-######;0;_"}}),
                              field("Phone", kText, {{"Input Mask", "(###)###;;_"}}),
                              field("Ext", kInteger, {{"Input Mask", "###-###;0;_"}}),
                              field("Rate", kDouble, {{"Input Mask", "##.##;0;_"}}),
                              field("Pin", kText, {{"Input Mask", "****;0;_"}})});
        ASSERT_TRUE(run("INSERT INTO Staff VALUES ('1243124233', '(234)125', 123456, 12.5, 'pa55')"));
        ASSERT_TRUE(open("Staff"));
    }
    QStringList staff() { return select("SELECT * FROM Staff").value(0); }
};

} // namespace

TEST_F(DatasheetMaskTest, StoredValuesShowThroughTheirMasks)
{
    EXPECT_EQ(grid.text(1, 1), "12-43-124233");
    EXPECT_EQ(grid.text(1, 2), "(234)125");
    EXPECT_EQ(grid.text(1, 3), "123-456");
    EXPECT_EQ(grid.text(1, 4), "12.5_");
    EXPECT_EQ(grid.text(1, 5), "****");
    EXPECT_EQ(sheet.editorFor(1).inputMask, "##-##-######;0;_");
    // A number the mask has no room for is shown as it is.
    ASSERT_TRUE(run("DELETE FROM Staff"));
    ASSERT_TRUE(run("INSERT INTO Staff VALUES ('1', '', 1234567, 3.25, '')"));
    ASSERT_TRUE(open("Staff"));
    EXPECT_EQ(grid.text(1, 3), "1234567");
    EXPECT_EQ(grid.text(1, 4), "_3.25");
}

TEST_F(DatasheetMaskTest, TypedValuesAreStoredAsTheMaskSays)
{
    EXPECT_TRUE(edit(1, 0, "98-76-543210"));
    EXPECT_TRUE(edit(1, 1, "(555)7_1"));
    EXPECT_TRUE(edit(1, 2, "654-321"));
    EXPECT_TRUE(edit(1, 3, "03.25"));
    EXPECT_TRUE(edit(1, 4, "s3cr"));
    EXPECT_EQ(staff(), QStringList({"9876543210", "(555)7 1", "654321", "3.25", "s3cr"}));
    EXPECT_EQ(grid.text(1, 1), "98-76-543210");
    EXPECT_EQ(grid.text(1, 3), "654-321");
    EXPECT_EQ(grid.text(1, 4), "_3.25");
    EXPECT_EQ(grid.text(1, 5), "****");
    // The stars shown give back the value as it was: nothing changes.
    EXPECT_TRUE(edit(1, 4, "****"));
    EXPECT_EQ(staff().value(4), "s3cr");
    EXPECT_TRUE(messages.texts().isEmpty());
}
