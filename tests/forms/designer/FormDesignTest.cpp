// The designer's document without a database: placing, selecting, arranging, containers, deleting,
// the clipboard and the undo history.
#include "forms/designer/FormDesign.h"
#include "forms/format/CtrlProps.h"
#include "support/MessageRecorder.h"

#include <gtest/gtest.h>

namespace {

using framework::Answer;

class FormDesignTest : public ::testing::Test {
protected:
    int place(int kind, int left, int top, int right, int bottom, ContainerLink in = {})
    {
        return design.place(kind, {left, top, right, bottom}, in);
    }
    QString value(int index, const char* name) const
    {
        return GetProperty(design.controls().at(index), QLatin1String(name));
    }
    QStringList names() const
    {
        QStringList all;
        for (const PropertySet& control : design.controls())
            all << ControlName(control);
        return all;
    }

    MessageRecorder messages;
    FormDesign design;
};

TEST_F(FormDesignTest, PlacedControlsTakeTheirDefaultsANameAndTheirRectangle)
{
    design.startNew(QStringLiteral("Customers"), false);
    EXPECT_TRUE(design.isNew());
    EXPECT_EQ(GetProperty(design.formProperties(), "SQL Source"), "Customers");
    const QList<int> kinds = {ControlKind::TextBox,   ControlKind::Label,       ControlKind::CommandButton,
                              ControlKind::CheckBox,  ControlKind::RadioButton, ControlKind::ComboBox,
                              ControlKind::ListBox,   ControlKind::GridControl, ControlKind::TabControl,
                              ControlKind::DateTime,  ControlKind::PictureBox,  ControlKind::Shape,
                              ControlKind::ListControl, ControlKind::GroupBox};
    for (int kind : kinds)
        place(kind, 10, 20, 110, 40);
    ASSERT_EQ(design.controls().size(), kinds.size());
    for (int i = 0; i < kinds.size(); ++i) {
        const PropertySet& control = design.controls().at(i);
        EXPECT_EQ(control.kind, kinds[i]);
        EXPECT_EQ(control.count(), BuildPropertySet(kinds[i]).count());
        EXPECT_EQ(ControlName(control), KindName(kinds[i]) + QString::number(i));
        EXPECT_EQ(GetLocation(control), (ControlRect{10, 20, 110, 40}));
    }
    EXPECT_EQ(value(0, "Font Info"), "Tahoma-11-FALSE-FALSE-FALSE-FALSE");
    EXPECT_EQ(value(0, "Subform"), "MainForm");
    EXPECT_EQ(design.selection(), QList<int>{int(kinds.size() - 1)});
    // A line has no rectangle of its own: its ends are stored.
    const int line = design.placeLine(5, 6, 100, 6);
    EXPECT_EQ(value(line, "X2"), "100");
    EXPECT_FALSE(design.hasRect(line));
    EXPECT_EQ(design.rectOf(line), (ControlRect{5, 6, 100, 6}));
    EXPECT_TRUE(design.isChanged());
}

TEST_F(FormDesignTest, AProposedNameIsNeverOneTheFormHasAlready)
{
    place(ControlKind::TextBox, 0, 0, 10, 10);
    place(ControlKind::TextBox, 0, 0, 10, 10);
    design.select(0);
    messages.answer(Answer::Yes);
    design.deleteSelection();
    // One control is left, named TextBox1; the next would be TextBox1 again by the count alone.
    EXPECT_EQ(place(ControlKind::TextBox, 0, 0, 10, 10), 1);
    EXPECT_EQ(names(), (QStringList{"TextBox1", "TextBox2"}));
}

TEST_F(FormDesignTest, AutoCaptionsNameButtonsAndLabelOtherControlsWhileTheFormIsNew)
{
    design.startNew({}, false);
    const int button = design.place(ControlKind::CommandButton, {10, 50, 90, 70}, {}, true);
    EXPECT_EQ(value(button, "Caption"), "CommandButton0");
    const int box = design.place(ControlKind::TextBox, {10, 100, 110, 120}, {}, true);
    ASSERT_EQ(design.controls().size(), 3);
    EXPECT_EQ(design.controls().at(2).kind, ControlKind::Label);
    EXPECT_EQ(value(2, "Caption"), value(box, "Name"));
    EXPECT_EQ(GetLocation(design.controls().at(2)), (ControlRect{10, 85, 110, 100}));
    design.place(ControlKind::GroupBox, {10, 150, 110, 200}, {}, true);
    EXPECT_EQ(design.controls().size(), 4);
    // Without the option nothing is added.
    design.place(ControlKind::TextBox, {10, 250, 110, 270});
    EXPECT_EQ(design.controls().size(), 5);
}

TEST_F(FormDesignTest, ControlsOnTabPagesAndInGroupBoxesNameTheirContainer)
{
    const int firstTabs = place(ControlKind::TabControl, 0, 0, 200, 150);
    const int group = place(ControlKind::GroupBox, 0, 160, 200, 250);
    const int secondTabs = place(ControlKind::TabControl, 0, 260, 200, 310);
    const int onPage2 = place(ControlKind::TextBox, 5, 5, 50, 20, {secondTabs, 1});
    const int inGroup = place(ControlKind::CheckBox, 5, 15, 50, 30, {group, 0});
    const int onPage1 = place(ControlKind::Label, 5, 5, 50, 20, {firstTabs, 0});
    EXPECT_EQ(value(onPage2, "ParentId"), "T21");
    EXPECT_EQ(value(inGroup, "ParentId"), "G1");
    EXPECT_EQ(value(onPage1, "ParentId"), "T10");
    EXPECT_EQ(design.containerOf(onPage2), (ContainerLink{secondTabs, 1}));
    // A page's inside is the tab control less its margins and the row of tabs.
    EXPECT_EQ(design.containerSize({firstTabs, 0}), QSize(190, 120));
    EXPECT_EQ(design.containerSize({}), QSize(240, 320));

    // Deleting the first tab control takes its page's label and renumbers the second tab control.
    design.select(firstTabs);
    messages.answer(Answer::Yes);
    design.deleteSelection();
    EXPECT_EQ(messages.texts(), QStringList{"Do you want to delete the Selected Control"});
    EXPECT_EQ(messages.messages().front().buttons, framework::Buttons::YesNo);
    EXPECT_EQ(names(), (QStringList{"GroupBox1", "TabControl2", "TextBox3", "CheckBox4"}));
    EXPECT_EQ(value(2, "ParentId"), "T11");
    EXPECT_EQ(value(3, "ParentId"), "G1");
}

TEST_F(FormDesignTest, DeletingATabControlDeletesTheControlsOnAllItsPagesAndInItsGroupBoxes)
{
    const int tabs = place(ControlKind::TabControl, 0, 0, 200, 200);
    place(ControlKind::TextBox, 5, 5, 50, 20, {tabs, 0});
    const int group = place(ControlKind::GroupBox, 5, 30, 150, 150, {tabs, 1});
    place(ControlKind::CheckBox, 5, 15, 50, 30, {group, 0});
    place(ControlKind::Label, 0, 210, 50, 230);
    design.select(tabs);
    messages.answer(Answer::No);
    design.deleteSelection();
    EXPECT_EQ(design.controls().size(), 5);
    messages.answer(Answer::Yes);
    design.deleteSelection();
    EXPECT_EQ(names(), QStringList{"Label4"});
    // Undo brings them all back where they were.
    design.undo();
    EXPECT_EQ(design.controls().size(), 5);
    EXPECT_EQ(value(3, "ParentId"), "G1");
    messages.answer(Answer::Yes);
    design.deleteAll();
    EXPECT_EQ(messages.texts().last(), "Do you want to delete All Controls");
    EXPECT_TRUE(design.controls().isEmpty());
}

TEST_F(FormDesignTest, AligningAndSizingFollowTheLastSelectedControl)
{
    place(ControlKind::TextBox, 30, 10, 80, 30);
    place(ControlKind::TextBox, 50, 50, 120, 60);
    place(ControlKind::TextBox, 10, 100, 60, 130);
    design.select(0);
    design.select(1, true);
    design.select(2, true);
    EXPECT_EQ(design.reference(), 2);
    design.align(FormDesign::Align::Lefts);
    EXPECT_EQ(design.rectOf(0), (ControlRect{10, 10, 60, 30}));
    EXPECT_EQ(design.rectOf(1), (ControlRect{10, 50, 80, 60}));
    EXPECT_EQ(design.rectOf(2), (ControlRect{10, 100, 60, 130}));
    design.align(FormDesign::Align::Rights);
    EXPECT_EQ(design.rectOf(1), (ControlRect{-10, 50, 60, 60}));
    design.align(FormDesign::Align::Middles);
    EXPECT_EQ(design.rectOf(0), (ControlRect{10, 105, 60, 125}));
    design.makeSameSize(FormDesign::Size::Both);
    EXPECT_EQ(design.rectOf(1), (ControlRect{-10, 110, 40, 140}));
    EXPECT_EQ(value(1, "Left"), "-10");
    // Selecting a selected control again makes it the reference.
    design.select(0, true);
    EXPECT_EQ(design.selection(), (QList<int>{1, 2, 0}));
}

TEST_F(FormDesignTest, NudgeMovesEverySelectedControlByFivePixelsAndUndoRedoWalkTheSteps)
{
    place(ControlKind::TextBox, 10, 10, 60, 30);
    place(ControlKind::Label, 100, 10, 160, 30);
    design.select(0);
    design.select(1, true);
    design.nudge(FormDesign::Direction::Right);
    EXPECT_EQ(design.rectOf(0), (ControlRect{15, 10, 65, 30}));
    EXPECT_EQ(design.rectOf(1), (ControlRect{105, 10, 165, 30}));
    design.nudge(FormDesign::Direction::Up);
    EXPECT_EQ(design.rectOf(0).top, 5);
    design.undo();
    design.undo();
    EXPECT_EQ(design.rectOf(1), (ControlRect{100, 10, 160, 30}));
    design.redo();
    EXPECT_EQ(design.rectOf(1), (ControlRect{105, 10, 165, 30}));
    // A new action ends what could be redone.
    design.centreInForm(FormDesign::Centre::Horizontally);
    EXPECT_FALSE(design.canRedo());
    EXPECT_EQ(design.rectOf(0), (ControlRect{95, 10, 145, 30}));
    while (design.canUndo())
        design.undo();
    EXPECT_TRUE(design.controls().isEmpty());
}

TEST_F(FormDesignTest, ReorderingKeepsEveryControlInItsContainer)
{
    place(ControlKind::Label, 0, 0, 10, 10);
    const int group = place(ControlKind::GroupBox, 0, 20, 100, 100);
    place(ControlKind::TextBox, 5, 15, 50, 30, {group, 0});
    design.select(group);
    design.reorder(FormDesign::Order::BringToFront);
    EXPECT_EQ(names(), (QStringList{"Label0", "TextBox2", "GroupBox1"}));
    EXPECT_EQ(design.selection(), QList<int>{2});
    EXPECT_EQ(design.containerOf(1).container, 2);
    design.reorder(FormDesign::Order::SendBack);
    EXPECT_EQ(names(), (QStringList{"Label0", "GroupBox1", "TextBox2"}));
    design.reorder(FormDesign::Order::SendToBack);
    EXPECT_EQ(names(), (QStringList{"GroupBox1", "Label0", "TextBox2"}));
    EXPECT_EQ(value(2, "ParentId"), "G1");
}

TEST_F(FormDesignTest, PastedControlsGetFreshNamesAndLieBesideTheirOriginals)
{
    const int tabs = place(ControlKind::TabControl, 0, 0, 200, 200);
    place(ControlKind::TextBox, 5, 5, 50, 20, {tabs, 1});
    design.select(1);
    design.copy();
    design.paste();
    EXPECT_EQ(names(), (QStringList{"TabControl0", "TextBox1", "TextBox2"}));
    EXPECT_EQ(design.rectOf(2), (ControlRect{15, 15, 60, 30}));
    EXPECT_EQ(value(2, "ParentId"), "T11");
    EXPECT_EQ(design.selection(), QList<int>{2});
    // Cut and paste after its container has gone: the copy lands on the form.
    design.select(0);
    design.cut();
    design.paste();
    design.select(0);
    design.cut();
    design.paste();
    EXPECT_EQ(value(design.controls().size() - 1, "Name"), "TextBox3");
    EXPECT_EQ(value(design.controls().size() - 1, "ParentId"), "");
}

TEST_F(FormDesignTest, PropertyEditsAreCheckedAndNeverLetASeparatorIntoTheStoredText)
{
    const int box = place(ControlKind::TextBox, 0, 0, 10, 10);
    EXPECT_FALSE(design.setProperty(box, "Name", "Order Total"));
    EXPECT_EQ(messages.texts().last(), "Invalid Control Name : Order Total");
    EXPECT_EQ(value(box, "Name"), "TextBox0");
    EXPECT_TRUE(design.setProperty(box, "Name", QStringLiteral("Prénom")));
    EXPECT_FALSE(design.setProperty(box, "Default Value", "a~b"));
    EXPECT_FALSE(design.setProperty(FormDesign::kFormTarget, "Caption", "Orders|2"));
    EXPECT_EQ(messages.texts().last(), "A property value cannot contain ~ or |");
    EXPECT_TRUE(design.setProperty(FormDesign::kFormTarget, "Caption", "Kunden \"A\" & 'B'"));
    EXPECT_FALSE(design.setProperty(box, "No Such Property", "1"));
    EXPECT_TRUE(design.setProperty(FormDesign::kFormTarget, "SQL Source", "(Q)Late orders"));
    EXPECT_EQ(design.tableSource(), "(Q)Late orders");
    const ParsedForm stored = ParseForm(design.storedText());
    EXPECT_EQ(GetProperty(stored.form, "Caption"), "Kunden \"A\" & 'B'");
    EXPECT_EQ(ControlName(stored.controls.at(0)), QStringLiteral("Prénom"));
    design.undo();
    EXPECT_EQ(design.tableSource(), "");
}

TEST_F(FormDesignTest, FontsAndColoursGoToEverySelectedControlThatCarriesThem)
{
    place(ControlKind::TextBox, 0, 0, 10, 10);
    place(ControlKind::DateTime, 0, 20, 10, 30);
    design.select(0);
    design.select(1, true);
    EXPECT_TRUE(design.setSelectionProperty("Font Info", "Courier New-14-TRUE-FALSE-FALSE-FALSE-FALSE"));
    EXPECT_TRUE(design.setSelectionProperty("Bkgnd Color", "65280"));
    EXPECT_EQ(value(0, "Font Info"), "Courier New-14-TRUE-FALSE-FALSE-FALSE-FALSE");
    EXPECT_EQ(value(0, "Bkgnd Color"), "65280");
    EXPECT_EQ(design.controls().at(1).count(), BuildPropertySet(ControlKind::DateTime).count());
    // Nothing to change, nothing to undo: a cancelled chooser gives back the current colour.
    const qsizetype steps = [&] { qsizetype n = 0; while (design.canUndo()) { design.undo(); ++n; } return n; }();
    EXPECT_EQ(steps, 4);
    design.redo();
    design.redo();
    design.redo();
    design.redo();
    design.select(0);
    design.select(1, true);
    EXPECT_EQ(value(0, "Bkgnd Color"), "65280");
    EXPECT_FALSE(design.setSelectionProperty("Bkgnd Color", "65280"));
    EXPECT_FALSE(design.setSelectionProperty("Text Color", "255"));
    EXPECT_FALSE(design.setSelectionProperty("Font Info", "A~B-11"));
}

TEST_F(FormDesignTest, ALoadedFormIsStoredAgainByteForByte)
{
    const QString text = QStringLiteral(
        "Yes~Yes~Yes~Yes~16777215~Orders~Yes~Yes~Yes~Yes~No~Yes~Orders~|2|18|Label~Left~16777215~Yes~Name:~~Yes~"
        "Tahoma-11-FALSE-FALSE-FALSE-FALSE~~Label1~~Yes~No~MainForm~~~10~5~30~80|19|GroupBox~16777215~Yes~~~Ca"
        "~Yes~~Tahoma-11-FALSE-FALSE-FALSE-FALSE~GroupBox1~~Yes~Sub~~~~~40~5~90~200|");
    design.load("Orders", "Orders", text);
    EXPECT_FALSE(design.isNew());
    EXPECT_FALSE(design.isChanged());
    EXPECT_EQ(design.storedText(), text);
    EXPECT_EQ(design.subforms().keys(), QStringList{"Sub"});
}

} // namespace
