#include "forms/format/FontInfo.h"
#include "forms/format/PropertySet.h"

#include <gtest/gtest.h>

namespace {

struct CatalogueShape {
    int kind;
    const char* typeName;
    int count;
};

const CatalogueShape kShapes[] = {
    {ControlKind::TextBox, "TextBox", 26},         {ControlKind::Label, "Label", 19},
    {ControlKind::CommandButton, "CommandButton", 21}, {ControlKind::CheckBox, "CheckBox", 21},
    {ControlKind::RadioButton, "RadioButton", 21}, {ControlKind::ComboBox, "ComboBox", 25},
    {ControlKind::ListBox, "ListBox", 25},         {ControlKind::ListView, "ListView", 21},
    {ControlKind::GridControl, "GridControl", 40}, {ControlKind::TabControl, "TabControl", 21},
    {ControlKind::DateTime, "DateTime", 18},       {ControlKind::PictureBox, "PictureBox", 44},
    {ControlKind::Shape, "Shape", 17},             {ControlKind::Line, "Line", 10},
    {ControlKind::ListControl, "ListControl", 27}, {ControlKind::GroupBox, "GroupBox", 20},
};

TEST(ControlCatalogue, EveryKindHasItsStoredNameCountAndPositionLast)
{
    for (const CatalogueShape& shape : kShapes) {
        const PropertySet set = BuildPropertySet(shape.kind);
        EXPECT_EQ(set.kind, shape.kind);
        EXPECT_EQ(set.count(), shape.count) << shape.typeName;
        EXPECT_EQ(set.names.size(), set.values.size());
        EXPECT_EQ(KindName(shape.kind), shape.typeName);
        EXPECT_EQ(KindFromName(QString::fromLatin1(shape.typeName).toUpper()), shape.kind);
        if (shape.kind != ControlKind::Line) {
            EXPECT_EQ(set.names.mid(set.count() - 4), QStringList({"Top", "Left", "Bottom", "Right"})) << shape.typeName;
        }
    }
    const PropertySet form = BuildPropertySet(ControlKind::FormProps);
    EXPECT_EQ(form.count(), 14);
    EXPECT_EQ(form.names.at(12), "SQL Source");
}

TEST(ControlCatalogue, CodesWithoutACatalogueGiveNothing)
{
    for (int kind : {-1, 14, 18, 1000})
        EXPECT_TRUE(BuildPropertySet(kind).isEmpty()) << kind;
    EXPECT_EQ(KindName(14), "");
    EXPECT_EQ(KindName(ControlKind::FormProps), "");
    EXPECT_EQ(KindFromName("Button"), -1);
    EXPECT_EQ(KindFromName(""), -1);
}

TEST(ControlCatalogue, NamesAndDefaultsSitWhereTheStoredRecordsExpectThem)
{
    const PropertySet text = BuildPropertySet(ControlKind::TextBox);
    EXPECT_EQ(text.names.at(8), "Max Length");
    EXPECT_EQ(text.values.at(5), "Tahoma-11-FALSE-FALSE-FALSE-FALSE");
    EXPECT_EQ(text.values.at(15), "Left");
    EXPECT_EQ(text.values.at(17), "MainForm");

    const PropertySet grid = BuildPropertySet(ControlKind::GridControl);
    EXPECT_EQ(grid.names.at(19), "Linked Field");
    EXPECT_EQ(GetProperty(grid, "Column Width"), "50");
    EXPECT_FALSE(grid.names.contains("Subform"));

    const PropertySet picture = BuildPropertySet(ControlKind::PictureBox);
    EXPECT_EQ(picture.names.at(11), "FontInfo");
    EXPECT_EQ(GetProperty(picture, "ScrollBars"), "None");

    EXPECT_EQ(GetProperty(BuildPropertySet(ControlKind::ListControl), "View"), "Report");
    EXPECT_EQ(GetProperty(BuildPropertySet(ControlKind::ListView), "View"), "");
    EXPECT_EQ(BuildPropertySet(ControlKind::ListControl).names.at(21), "OnListItmClick");
    EXPECT_EQ(GetProperty(BuildPropertySet(ControlKind::TabControl), "TabNames"), "Tab1,Tab2");
    EXPECT_EQ(BuildPropertySet(ControlKind::GroupBox).names.at(7), "Font Info");
    EXPECT_EQ(BuildPropertySet(ControlKind::Label).names.at(11), "Word wrap");
}

TEST(PropertyAccess, PlainAccessMatchesNamesExactlyTheNamedAccessorsIgnoreCase)
{
    PropertySet set = BuildPropertySet(ControlKind::TextBox);
    EXPECT_TRUE(SetProperty(set, "Control Source", "Customers.City"));
    EXPECT_TRUE(SetProperty(set, "Name", "City"));
    EXPECT_FALSE(SetProperty(set, "control source", "x"));
    EXPECT_FALSE(SetProperty(set, "Caption", "x"));
    EXPECT_EQ(GetProperty(set, "CONTROL SOURCE"), "");
    EXPECT_EQ(ControlSource(set), "Customers.City");
    EXPECT_EQ(ControlName(set), "City");

    PropertySet renamed = set;
    renamed.names[10] = "NAME";
    EXPECT_EQ(ControlName(renamed), "City");
}

TEST(PropertyAccess, ControlSourceFieldIsWhatFollowsTheFirstDot)
{
    EXPECT_EQ(ControlSourceField("Customers.City"), "City");
    EXPECT_EQ(ControlSourceField("(Q)By date.Total.Net"), "Total.Net");
    EXPECT_EQ(ControlSourceField(""), "");
    EXPECT_EQ(ControlSourceField("Customers"), "");
}

TEST(PropertyAccess, LocationLivesInTheLastFourValues)
{
    PropertySet set = BuildPropertySet(ControlKind::Label);
    SetLocation(set, 5, 10, 80, 30);
    EXPECT_EQ(set.values.mid(15), QStringList({"10", "5", "30", "80"}));
    EXPECT_EQ(GetLocation(set), (ControlRect{5, 10, 80, 30}));
    EXPECT_EQ(GetLocation(set).width(), 75);

    set.values[15] = "12px";
    EXPECT_EQ(GetLocation(set).top, 12);
    EXPECT_EQ(GetLocation(PropertySet{}), ControlRect{});
}

TEST(StoredNumbers, StopAtTheFirstNonDigitAndNeverWrap)
{
    EXPECT_EQ(LeadingNumber("16777215"), 16777215);
    EXPECT_EQ(LeadingNumber(" 42abc"), 42);
    EXPECT_EQ(LeadingNumber("-7"), -7);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("99999999999999999999"), 2147483647);
    EXPECT_EQ(LeadingNumber("-99999999999999999999"), -2147483647 - 1);
}

TEST(FontInfoText, GivesFaceSizeAndFlagsInAnyCase)
{
    const FontInfo font = ParseFontInfo("Courier New-14-true-FALSE-True-false");
    EXPECT_EQ(font.face, "Courier New");
    EXPECT_EQ(font.size, 14);
    EXPECT_TRUE(font.bold);
    EXPECT_EQ(font.weight(), 700);
    EXPECT_FALSE(font.italic);
    EXPECT_TRUE(font.underline);
    EXPECT_FALSE(font.strikeOut);

    const FontInfo plain = ParseFontInfo("Tahoma-11-FALSE-FALSE-FALSE-FALSE");
    EXPECT_EQ(plain.weight(), 400);
    const FontInfo shortText = ParseFontInfo("Tahoma");
    EXPECT_EQ(shortText.face, "Tahoma");
    EXPECT_EQ(shortText.size, 0);
    EXPECT_FALSE(shortText.bold);
}

} // namespace

#include "forms/format/Containers.h"

namespace {

TEST(Containers, ParentIdsNameTabPagesAndGroupBoxes)
{
    EXPECT_EQ(ParseParentId("T10"), (ParentRef{ParentRef::TabPage, 1, 0}));
    EXPECT_EQ(ParseParentId("T23"), (ParentRef{ParentRef::TabPage, 2, 3}));
    EXPECT_EQ(ParseParentId("t21"), (ParentRef{ParentRef::TabPage, 2, 1}));
    EXPECT_EQ(ParseParentId("G1"), (ParentRef{ParentRef::GroupBox, 1, 0}));
    for (const char* surface : {"", "G", "T5", "Tx", "G0", "X12", "G-1"})
        EXPECT_EQ(ParseParentId(surface), ParentRef{}) << surface;
}

TEST(Containers, TabControlsAndGroupBoxesAreCountedInControlOrder)
{
    const QList<int> kinds = {ControlKind::TabControl, ControlKind::TextBox, ControlKind::GroupBox,
                              ControlKind::TabControl, ControlKind::GroupBox};
    EXPECT_EQ(ContainerIndex(kinds, ParseParentId("T23")), 3);
    EXPECT_EQ(ContainerIndex(kinds, ParseParentId("T10")), 0);
    EXPECT_EQ(ContainerIndex(kinds, ParseParentId("G1")), 2);
    EXPECT_EQ(ContainerIndex(kinds, ParseParentId("G2")), 4);
    EXPECT_EQ(ContainerIndex(kinds, ParseParentId("G3")), -1);
    EXPECT_EQ(ContainerIndex(kinds, ParseParentId("T31")), -1);
    EXPECT_EQ(ContainerIndex(kinds, ParseParentId("")), -1);
}

TEST(Containers, EmptyTabNamesBecomeTab1OrTab2)
{
    EXPECT_EQ(TabPageCaptions("Customers,,Notes"), QStringList({"Customers", "Tab2", "Notes"}));
    EXPECT_EQ(TabPageCaptions(",Orders"), QStringList({"Tab1", "Orders"}));
    EXPECT_EQ(TabPageCaptions(""), QStringList({"Tab1"}));
    EXPECT_EQ(TabPageCaptions("Tab1,Tab2"), QStringList({"Tab1", "Tab2"}));
}

} // namespace
