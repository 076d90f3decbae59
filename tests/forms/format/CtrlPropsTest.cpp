#include "forms/format/CtrlProps.h"

#include <gtest/gtest.h>

namespace {

const QString kOrdersLine = QStringLiteral(
    "Yes~Yes~Yes~Yes~16777215~Orders~Yes~Yes~Yes~Yes~No~Yes~Orders~|1|18|Label~Left~16777215~Yes~Name:~~Yes~"
    "Tahoma-11-FALSE-FALSE-FALSE-FALSE~~Label1~~Yes~No~MainForm~~~10~5~30~80|");

PropertySet ordersForm()
{
    PropertySet form = BuildPropertySet(ControlKind::FormProps);
    SetProperty(form, "Caption", "Orders");
    SetProperty(form, "SQL Source", "Orders");
    return form;
}

PropertySet nameLabel()
{
    PropertySet label = BuildPropertySet(ControlKind::Label);
    SetProperty(label, "Caption", "Name:");
    SetProperty(label, "Name", "Label1");
    SetLocation(label, 5, 10, 80, 30);
    return label;
}

TEST(CtrlProps, TheOrdersFormIsStoredAsItsOneLineAndReadBack)
{
    EXPECT_EQ(SerialiseForm(ordersForm(), {nameLabel()}), kOrdersLine);

    const ParsedForm parsed = ParseForm(kOrdersLine);
    EXPECT_EQ(parsed.form.values, ordersForm().values);
    ASSERT_EQ(parsed.controls.size(), 1);
    EXPECT_EQ(parsed.controls.first().kind, ControlKind::Label);
    EXPECT_EQ(parsed.controls.first().values, nameLabel().values);
}

TEST(CtrlProps, EmptyAndControlFreeForms)
{
    const PropertySet defaults = BuildPropertySet(ControlKind::FormProps);
    EXPECT_EQ(SerialiseForm(defaults, {}), defaults.values.join('~') + "|0|");

    const ParsedForm empty = ParseForm("");
    EXPECT_EQ(empty.form.values, defaults.values);
    EXPECT_TRUE(empty.controls.isEmpty());
    EXPECT_TRUE(ParseForm(*SerialiseForm(defaults, {})).controls.isEmpty());
}

TEST(CtrlProps, ShortRecordsKeepDefaultsAndSurplusFieldsAreDropped)
{
    // A text box written before its last properties existed, and a label with two extra fields.
    const ParsedForm parsed = ParseForm("Yes~No|2|3|TextBox~255~No~Customers.City|20|Label~Center~0~No~Hi~~Yes~"
                                        "F-8-TRUE-FALSE-FALSE-FALSE~~L~~Yes~Yes~MainForm~T10~Go~1~2~3~4~extra~more|");
    EXPECT_EQ(parsed.form.values.at(0), "Yes");
    EXPECT_EQ(parsed.form.values.at(1), "No");
    EXPECT_EQ(parsed.form.values.at(4), "16777215");
    ASSERT_EQ(parsed.controls.size(), 2);

    const PropertySet& text = parsed.controls.at(0);
    EXPECT_EQ(text.count(), 26);
    EXPECT_EQ(GetProperty(text, "Bkgnd Color"), "255");
    EXPECT_EQ(GetProperty(text, "Border Style"), "No");
    EXPECT_EQ(ControlSource(text), "Customers.City");
    EXPECT_EQ(GetProperty(text, "Subform"), "MainForm");
    EXPECT_EQ(GetProperty(text, "Font Info"), "Tahoma-11-FALSE-FALSE-FALSE-FALSE");

    const PropertySet& label = parsed.controls.at(1);
    EXPECT_EQ(label.count(), 19);
    EXPECT_EQ(GetProperty(label, "ParentId"), "T10");
    EXPECT_EQ(GetLocation(label), (ControlRect{2, 1, 4, 3}));
}

TEST(CtrlProps, LinesListViewsAndUnknownRecordsAreReadInTheirPlace)
{
    const ParsedForm parsed =
        ParseForm("|4|9|Line~0~Yes~1~Line1|20|ListView~|3|Gadget~a~b|18|Label~Right|");
    ASSERT_EQ(parsed.controls.size(), 4);
    EXPECT_EQ(parsed.controls.at(0).kind, ControlKind::Line);
    EXPECT_EQ(ControlName(parsed.controls.at(0)), "Line1");
    EXPECT_EQ(parsed.controls.at(1).kind, ControlKind::ListView);
    EXPECT_TRUE(parsed.controls.at(2).isEmpty());
    EXPECT_EQ(parsed.controls.at(3).kind, ControlKind::Label);
    EXPECT_EQ(GetProperty(parsed.controls.at(3), "Alignment"), "Right");
}

TEST(CtrlProps, ATextThatEndsEarlyGivesTheControlsItHolds)
{
    EXPECT_EQ(ParseForm("Yes|5|18|Label~Left|").controls.size(), 1);
    EXPECT_EQ(ParseForm("Yes|99999999|").controls.size(), 0);
    EXPECT_EQ(ParseForm("Yes|x|18|Label~Left|").controls.size(), 0);
    const ParsedForm cut = ParseForm("Yes|2|18|Label~Left~255");
    ASSERT_EQ(cut.controls.size(), 1);
    EXPECT_EQ(GetProperty(cut.controls.first(), "Bkgnd Color"), "255");
}

TEST(CtrlProps, ValuesHoldingASeparatorAreNeverWritten)
{
    PropertySet caption = nameLabel();
    SetProperty(caption, "Caption", "A~B");
    EXPECT_FALSE(SerialiseForm(ordersForm(), {caption}));
    SetProperty(caption, "Caption", "A|B");
    EXPECT_FALSE(SerialiseForm(ordersForm(), {caption}));

    PropertySet form = ordersForm();
    SetProperty(form, "Caption", "Orders|2");
    EXPECT_FALSE(SerialiseForm(form, {}));
    EXPECT_TRUE(IsStorableValue("Ann O'Brien, \"José\" 100%"));
}

TEST(CtrlProps, ALongFormIsStoredWholeAndControlsWithoutAStoredNameAreLeftOut)
{
    QList<PropertySet> controls;
    for (int i = 0; i < 60; ++i) {
        PropertySet label = nameLabel();
        SetProperty(label, "Name", QStringLiteral("Label%1").arg(i));
        controls << label;
    }
    controls.insert(3, PropertySet{});
    const QString text = *SerialiseForm(ordersForm(), controls);
    EXPECT_GT(text.size(), 3999);
    EXPECT_TRUE(text.endsWith("Label59~~Yes~No~MainForm~~~10~5~30~80|"));
    const ParsedForm parsed = ParseForm(text);
    ASSERT_EQ(parsed.controls.size(), 60);
    EXPECT_EQ(ControlName(parsed.controls.last()), "Label59");
}

TEST(CtrlProps, GetFieldCountsTildes)
{
    EXPECT_EQ(GetField("a~b~~d", 0), "a");
    EXPECT_EQ(GetField("a~b~~d", 2), "");
    EXPECT_EQ(GetField("a~b~~d", 3), "d");
    EXPECT_EQ(GetField("a~b~~d", 4), "");
    EXPECT_EQ(GetField("", 0), "");
}

TEST(ObjectNames, BlanksAndTheReservedPunctuationAreRefused)
{
    EXPECT_TRUE(ValidateObjectName("OrderForm2"));
    EXPECT_TRUE(ValidateObjectName("Bestellübersicht"));
    EXPECT_TRUE(ValidateObjectName("Price[€]"));
    EXPECT_FALSE(ValidateObjectName(""));
    EXPECT_FALSE(ValidateObjectName("Order_Form"));
    EXPECT_FALSE(ValidateObjectName("Order Form"));
    for (const QChar c : QStringLiteral(" `@\"~!#$%^&*()_+=-|/\\?><,.;':"))
        EXPECT_FALSE(ValidateObjectName(QStringLiteral("A") + c + "B")) << QString(c).toStdString();
}

} // namespace
