// Each control kind shows its PropertySet: alignment, limits, the character filter, pages, colours
// and fonts, and reports its events by their property names.
#include "forms/controls/CFormButton.h"
#include "forms/controls/CFormComboBox.h"
#include "forms/controls/CFormDateTime.h"
#include "forms/controls/CFormEdit.h"
#include "forms/controls/CFormGridCtrl.h"
#include "forms/controls/CFormGroupBox.h"
#include "forms/controls/CFormList.h"
#include "forms/controls/CFormListCtrl.h"
#include "forms/controls/CFormStatic.h"
#include "forms/controls/CFormTabCtrl.h"
#include "forms/controls/CharacterFilter.h"
#include "widgets/CGridCtrl.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// Types each character as the keyboard would, accented letters included.
void type(QWidget* target, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c.unicode() < 128 ? QChar(c).toUpper().unicode() : 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
    }
}

class ControlsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "forms_controls_widget_tests";
        static char* argv[] = {name, nullptr};
        if (!qApp)
            new QApplication(argc, argv);
    }

    static PropertySet set(int kind, std::initializer_list<std::pair<const char*, const char*>> values,
                           ControlRect rect = {10, 20, 110, 40})
    {
        PropertySet properties = BuildPropertySet(kind);
        for (const auto& [name, value] : values)
            EXPECT_TRUE(SetProperty(properties, name, value)) << name;
        SetLocation(properties, rect.left, rect.top, rect.right, rect.bottom);
        return properties;
    }

    QWidget form;
};

TEST_F(ControlsTest, TextBoxesAlignByTheirStoredTextInAnyCase)
{
    for (const char* centre : {"Centre", "CENTRE", "center"}) {
        CFormEdit edit(set(ControlKind::TextBox, {{"Text Alignment", centre}}), 0, &form);
        EXPECT_TRUE(edit.lineEdit()->alignment() & Qt::AlignHCenter) << centre;
    }
    CFormEdit right(set(ControlKind::TextBox, {{"Text Alignment", "Right"}, {"MultiLine", "Yes"}}), 0, &form);
    ASSERT_TRUE(right.isMultiLine());
    EXPECT_EQ(right.linesEdit()->document()->defaultTextOption().alignment(), Qt::AlignRight);
}

TEST_F(ControlsTest, TextBoxesSitAtTheirRectangleWithTheirIdFontAndColours)
{
    CFormEdit edit(set(ControlKind::TextBox, {{"Name", "City"}, {"Bkgnd Color", "255"},
                                              {"Font Info", "Courier-14-TRUE-FALSE-FALSE-FALSE"}}),
                   3, &form);
    EXPECT_EQ(edit.geometry(), QRect(10, 20, 100, 20));
    EXPECT_EQ(edit.controlId(), 7003);
    EXPECT_EQ(edit.objectName(), "City");
    EXPECT_EQ(edit.font().pixelSize(), 14);
    EXPECT_TRUE(edit.font().bold());
    EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(edit.palette().color(QPalette::Text), QColor(Qt::black));
    edit.setStoredColours(false);
    EXPECT_EQ(edit.palette().color(QPalette::Base), QPalette().color(QPalette::Base));
}

TEST_F(ControlsTest, TextBoxesTakeWhatTheirFieldAndMaxLengthAllow)
{
    CFormEdit five(set(ControlKind::TextBox, {{"Max Length", "5"}}), 0, &form);
    type(five.lineEdit(), "Ann O'Brien");
    EXPECT_EQ(five.text(), "Ann O");

    CFormEdit integer(set(ControlKind::TextBox, {}), 0, &form);
    integer.setCharacterClass(CharacterClass::Integer);
    type(integer.lineEdit(), "-x7-");
    EXPECT_EQ(integer.text(), "-7");

    CFormEdit notes(set(ControlKind::TextBox, {{"MultiLine", "Yes"}, {"Max Length", "4"}}), 0, &form);
    type(notes.linesEdit(), "José!!");
    EXPECT_EQ(notes.text(), "José");

    CFormEdit date(set(ControlKind::TextBox, {}), 0, &form);
    date.setText("12/7/2026");
    date.setCharacterClass(CharacterClass::None);
    QTest::keyClick(date.lineEdit(), Qt::Key_Backspace);
    type(date.lineEdit(), "1");
    EXPECT_EQ(date.text(), "12/7/2026");
}

TEST_F(ControlsTest, AMaskedTextBoxTypesThroughItsMask)
{
    CFormEdit masked(set(ControlKind::TextBox, {}), 0, &form);
    masked.setCharacterClass(CharacterClass::Text);
    masked.setInputMask("(###)##;0;_");
    QSignalSpy edits(&masked, &CFormControl::edited);
    type(masked.lineEdit(), "12x345");
    EXPECT_EQ(masked.text(), "(123)45");
    EXPECT_GT(edits.count(), 0);
    masked.setText("(987)6_");
    EXPECT_EQ(masked.text(), "(987)6_");
    masked.setInputMask(QString());
    type(masked.lineEdit(), "z");
    EXPECT_EQ(masked.text(), "(987)6_z");
}

TEST_F(ControlsTest, AMaskedComboBoxTypesThroughItsMaskAndShowsAPickedItemThroughIt)
{
    CFormComboBox phone(set(ControlKind::ComboBox, {}), 0, &form);
    phone.setItems({"0871234567", "0701112233"});
    phone.setInputMask("##-##-######;0;_");
    QSignalSpy edits(&phone, &CFormControl::edited);
    type(phone.comboBox()->lineEdit(), "12a3456789");
    EXPECT_EQ(phone.text(), "12-34-56789_") << "the letter is refused at a digit position";
    EXPECT_GT(edits.count(), 0);
    phone.comboBox()->setCurrentIndex(1);
    emit phone.comboBox()->activated(1);
    EXPECT_EQ(phone.text(), "07-01-112233");
    phone.setText("08-71-234567");
    EXPECT_EQ(phone.comboBox()->lineEdit()->text(), "08-71-234567");
}

TEST_F(ControlsTest, OnlyTypingRaisesOnChange)
{
    CFormEdit edit(set(ControlKind::TextBox, {{"OnChange", "Recalc"}}), 0, &form);
    QSignalSpy events(&edit, &CFormControl::eventRaised);
    QSignalSpy edits(&edit, &CFormControl::edited);
    edit.setText("shown by the form");
    EXPECT_EQ(events.count(), 0);
    type(edit.lineEdit(), "a");
    ASSERT_EQ(events.count(), 1);
    EXPECT_EQ(events.first().first().toString(), "OnChange");
    EXPECT_EQ(edits.count(), 1);
}

TEST_F(ControlsTest, VisibleEnabledAndTabStopFollowTheirTexts)
{
    form.show();
    CFormEdit hidden(set(ControlKind::TextBox, {{"Visible", "no"}, {"Enabled", "NO"}}), 0, &form);
    EXPECT_TRUE(hidden.isHidden());
    EXPECT_FALSE(hidden.isEnabled());
    EXPECT_EQ(hidden.lineEdit()->focusPolicy(), Qt::ClickFocus);
    CFormEdit shown(set(ControlKind::TextBox, {{"Tab Stop", "Yes"}}), 0, &form);
    EXPECT_FALSE(shown.isHidden());
    EXPECT_EQ(shown.lineEdit()->focusPolicy(), Qt::StrongFocus);
    form.hide();
}

TEST_F(ControlsTest, LabelsShowTheirCaptionAlignedAndWrappedAsStored)
{
    CFormStatic label(set(ControlKind::Label, {{"Caption", "Name:"}, {"Alignment", "Center"}}), 0, &form);
    EXPECT_EQ(label.text(), "Name:");
    EXPECT_TRUE(label.label()->alignment() & Qt::AlignHCenter);
    EXPECT_FALSE(label.label()->wordWrap());
    EXPECT_EQ(label.label()->frameShape(), QFrame::Box);

    CFormStatic wrapped(set(ControlKind::Label, {{"Word wrap", "Yes"}, {"Border Style", "No"}}), 0, &form);
    EXPECT_TRUE(wrapped.label()->wordWrap());
    EXPECT_EQ(wrapped.label()->frameShape(), QFrame::NoFrame);
}

TEST_F(ControlsTest, ButtonsAreMadeByKindAndCheckBoxesStandWhereTheirAlignmentSays)
{
    CFormButton push(set(ControlKind::CommandButton, {{"Caption", "Save"}, {"Default Button", "Yes"}}), 0, &form);
    EXPECT_TRUE(push.button()->inherits("QPushButton"));
    EXPECT_TRUE(push.button()->property("default").toBool());
    EXPECT_EQ(push.text(), "Save");

    CFormButton radio(set(ControlKind::RadioButton, {}), 0, &form);
    EXPECT_TRUE(radio.button()->inherits("QRadioButton"));

    CFormButton check(set(ControlKind::CheckBox, {{"Caption", "Paid"}, {"Alignment", "Centre"}, {"OnClick", "Paid"}},
                          {0, 0, 200, 20}),
                      0, &form);
    ASSERT_TRUE(check.button()->inherits("QCheckBox"));
    check.show();
    QApplication::processEvents();
    EXPECT_NEAR(check.button()->geometry().center().x(), 100, 2);

    QSignalSpy events(&check, &CFormControl::eventRaised);
    check.button()->click();
    EXPECT_TRUE(check.isTicked());
    ASSERT_EQ(events.count(), 1);
    EXPECT_EQ(events.first().first().toString(), "OnClick");
}

TEST_F(ControlsTest, ListBoxesAreAlwaysSortedAndComboBoxesWhenAsked)
{
    CFormList list(set(ControlKind::ListBox, {{"Sorted", "No"}}), 0, &form);
    list.setItems({"pear", "apple", "fig"});
    EXPECT_EQ(list.list()->item(0)->text(), "apple");
    EXPECT_EQ(list.list()->item(2)->text(), "pear");
    EXPECT_EQ(list.list()->selectionMode(), QAbstractItemView::SingleSelection);
    CFormList multi(set(ControlKind::ListBox, {{"Multi Select", "Yes"}}), 0, &form);
    EXPECT_EQ(multi.list()->selectionMode(), QAbstractItemView::ExtendedSelection);

    CFormComboBox sorted(set(ControlKind::ComboBox, {{"Sorted", "Yes"}}), 0, &form);
    sorted.setItems({"Paris", "Oslo"});
    EXPECT_EQ(sorted.comboBox()->itemText(0), "Oslo");
    sorted.setText("Rome");
    EXPECT_EQ(sorted.text(), "Rome");
    CFormComboBox unsorted(set(ControlKind::ComboBox, {}), 0, &form);
    unsorted.setItems({"Paris", "Oslo"});
    EXPECT_EQ(unsorted.comboBox()->itemText(0), "Paris");
}

TEST_F(ControlsTest, TabControlsHaveAPagePerNameInsideTheirFrame)
{
    CFormTabCtrl tabs(set(ControlKind::TabControl, {{"TabNames", "Customers,,Notes"}}, {0, 0, 200, 150}), 0, &form);
    ASSERT_EQ(tabs.pages().size(), 3);
    EXPECT_EQ(tabs.tabBar()->tabText(0), "Customers");
    EXPECT_EQ(tabs.tabBar()->tabText(1), "Tab2");
    EXPECT_EQ(tabs.tabBar()->tabText(2), "Notes");
    EXPECT_EQ(tabs.page(1)->geometry(), QRect(5, 25, 190, 120));
    EXPECT_EQ(tabs.page(3), nullptr);

    tabs.tabBar()->setCurrentIndex(2);
    EXPECT_TRUE(tabs.page(0)->isHidden());
    EXPECT_FALSE(tabs.page(2)->isHidden());

    PropertySet fewer = tabs.properties();
    SetProperty(fewer, "TabNames", ",Orders");
    tabs.setProperties(fewer);
    ASSERT_EQ(tabs.pages().size(), 2);
    EXPECT_EQ(tabs.tabBar()->tabText(0), "Tab1");
}

// A value longer than its box reads from its start, not from its end, until the user goes into it.
TEST_F(ControlsTest, LongValuesShowTheirStart)
{
    const QString value = "Flour, strong white 16kg from the mill by the river";
    CFormEdit edit(set(ControlKind::TextBox, {}, {0, 0, 60, 20}), 0, &form);
    edit.setText(value);
    EXPECT_EQ(edit.lineEdit()->cursorPosition(), 0);
    CFormComboBox combo(set(ControlKind::ComboBox, {}, {0, 0, 60, 20}), 0, &form);
    combo.setText(value);
    ASSERT_TRUE(combo.comboBox()->lineEdit());
    EXPECT_EQ(combo.comboBox()->lineEdit()->cursorPosition(), 0);
}

// Tabs of one width are as wide as the longest caption needs with the style's room beside it.
TEST_F(ControlsTest, FixedWidthTabsShowTheirLongestCaptionWhole)
{
    CFormTabCtrl tabs(set(ControlKind::TabControl, {{"TabNames", "Product,Notes"}, {"Tab Fixed Width", "Yes"}},
                          {0, 0, 235, 150}),
                      0, &form);
    QTabBar natural;
    natural.setFont(tabs.tabBar()->font());
    natural.addTab("Product");
    EXPECT_GE(tabs.tabBar()->tabRect(0).width(), natural.sizeHint().width());
    EXPECT_EQ(tabs.tabBar()->tabRect(1).width(), tabs.tabBar()->tabRect(0).width());
}

TEST_F(ControlsTest, DateTimeControlsShowThePartTheirStyleNames)
{
    CFormDateTime time(set(ControlKind::DateTime, {{"Style", "Time"}}), 0, &form);
    EXPECT_FALSE(time.displayFormat().contains('y'));
    EXPECT_TRUE(time.displayFormat().contains('h'));
    time.setText("12/7/2026 10:30:00 PM");
    EXPECT_EQ(time.text(), "12/7/2026 10:30:00 PM");

    CFormDateTime date(set(ControlKind::DateTime, {}), 0, &form);
    EXPECT_EQ(date.displayFormat(), "M/d/yyyy");
    EXPECT_EQ(date.text(), "");
    date.setText("2026-03-01");
    EXPECT_EQ(date.text(), "3/1/2026");
    EXPECT_EQ(date.lineEdit()->text(), "3/1/2026");
}

// What the user types is the value, whatever the control showed before; a control without a value shows
// nothing and gives nothing until a date is typed or picked.
TEST_F(ControlsTest, DateControlsKeepWhatIsTypedAndShowNoValueAsEmpty)
{
    CFormDateTime date(set(ControlKind::DateTime, {}), 0, &form);
    auto* shown = date.findChild<QLineEdit*>();
    ASSERT_NE(shown, nullptr);
    date.setText("");
    EXPECT_EQ(shown->text(), "");
    EXPECT_EQ(date.text(), "");

    date.setText("1/1/2000");
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QSignalSpy edited(&date, &CFormControl::edited);
    // A click in the box, on its first digit, and the date typed over what it showed.
    QTest::mouseClick(shown, Qt::LeftButton, {}, QPoint(3, shown->height() / 2));
    QApplication::processEvents();
    QTest::keyClicks(date.focusTarget(), "3/14/2025");
    EXPECT_EQ(date.text(), "3/14/2025");
    EXPECT_GT(edited.count(), 0);

    // A value shown again is shown as stored, and clearing it leaves the field without one.
    date.setText("");
    EXPECT_EQ(shown->text(), "");
    EXPECT_EQ(date.text(), "");

    CFormDateTime time(set(ControlKind::DateTime, {{"Style", "Time"}}), 0, &form);
    time.setText("12/7/2026 10:30:00 PM");
    time.findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(time.focusTarget(), "11:15:00 PM");
    // The day the field held stays with the time typed.
    EXPECT_EQ(time.text(), "12/7/2026 11:15:00 PM");
}

TEST_F(ControlsTest, GridsListViewsAndGroupBoxesTakeTheirLayout)
{
    CFormGridCtrl grid(set(ControlKind::GridControl, {{"Columns", "3"}, {"Column Width", "40"}, {"Grid Lines", "Yes"},
                                                      {"Back Color", "65280"}}),
                       0, &form);
    EXPECT_EQ(grid.grid()->columnCount(), 3);
    EXPECT_EQ(grid.grid()->columnWidth(2), 40);
    EXPECT_TRUE(grid.grid()->showGrid());
    EXPECT_EQ(grid.palette().color(QPalette::Window), QColor(0, 255, 0));

    CFormListCtrl report(set(ControlKind::ListControl, {{"Sort Order", "Descending"}}), 0, &form);
    report.setItems({"a", "c", "b"});
    EXPECT_FALSE(report.tree()->isHeaderHidden());
    EXPECT_EQ(report.tree()->topLevelItem(0)->text(0), "c");
    CFormListCtrl plain(set(ControlKind::ListControl, {{"View", "list"}, {"MultiSelect", "Yes"}}), 0, &form);
    EXPECT_TRUE(plain.tree()->isHeaderHidden());
    EXPECT_EQ(plain.tree()->selectionMode(), QAbstractItemView::ExtendedSelection);

    CFormGroupBox group(set(ControlKind::GroupBox, {{"Caption", "Address"}}), 0, &form);
    EXPECT_EQ(group.container()->title(), "Address");
}

} // namespace
