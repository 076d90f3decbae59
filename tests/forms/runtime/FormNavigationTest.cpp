// Moving between records, Go To, filters and sorts on the focused control, and the hardware keys.
#include "FormFixture.h"

#include "data/KeyAction.h"
#include "tables/FindReplace.h"

namespace {

class FormNavigationTest : public ShopFormFixture {
protected:
    void SetUp() override
    {
        ShopFormFixture::SetUp();
        ASSERT_TRUE(openForm("Shop"));
    }
    QStringList namesShown()
    {
        QStringList names;
        form.firstRecord();
        for (int i = 0; i < form.recordCount(); ++i) {
            names << text("Name");
            form.nextRecord();
        }
        return names;
    }
};

TEST_F(FormNavigationTest, MovesStopAtBothEnds)
{
    form.nextRecord();
    EXPECT_EQ(form.positionText(), "2/3");
    EXPECT_EQ(text("Name"), "Bob");
    form.lastRecord();
    form.nextRecord();
    EXPECT_EQ(form.positionText(), "3/3");
    EXPECT_EQ(text("Name"), "Cy");
    form.previousRecord();
    form.previousRecord();
    form.previousRecord();
    EXPECT_EQ(form.positionText(), "1/3");
    EXPECT_EQ(text("Name"), "Ann");
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(FormNavigationTest, EmptySourceShowsAnEmptyFormThatCannotMove)
{
    ASSERT_TRUE(run("DELETE FROM Customers"));
    ASSERT_TRUE(openForm("Shop"));
    EXPECT_EQ(form.positionText(), "0/0");
    EXPECT_EQ(text("Name"), "");
    form.nextRecord();
    form.lastRecord();
    EXPECT_EQ(form.positionText(), "0/0");
    form.deleteCurrentRecord();
    EXPECT_EQ(messages.texts(), QStringList({"No records to delete"}));
    form.newRecord();
    ASSERT_TRUE(type("Name", "Hal"));
    ASSERT_TRUE(type("Age", "3"));
    form.firstRecord();
    EXPECT_EQ(form.positionText(), "1/1");
}

TEST_F(FormNavigationTest, GoToTakesANumberWithinTheRecords)
{
    answerPrompts(" 3 ");
    form.moveToRecord();
    EXPECT_EQ(form.positionText(), "3/3");
    EXPECT_EQ(text("Name"), "Cy");
    for (const char* wrong : {"0", "4", "two"}) {
        answerPrompts(QString::fromLatin1(wrong));
        form.moveToRecord();
    }
    EXPECT_EQ(messages.texts(), QStringList({"Invalid Record number", "Invalid Record number", "Invalid Record number"}));
    EXPECT_EQ(form.positionText(), "3/3");
}

TEST_F(FormNavigationTest, FilterOnTheFocusedControlTakesTheExpressionAsAValue)
{
    // Without a focused bound control there is nothing to filter on.
    form.filterOn(true, "B*");
    EXPECT_EQ(form.positionText(), "1/3");
    form.setFocus(index("Name"));
    answerPrompts("B*");
    form.filterIncluding();
    EXPECT_EQ(form.positionText(), "1/1");
    EXPECT_EQ(text("Name"), "Bob");
    form.filterOn(false, "B*");
    EXPECT_EQ(namesShown(), QStringList({"Ann", "Cy"}));
    form.filterOn(true, "' OR 1=1 --");
    EXPECT_EQ(form.positionText(), "0/0");
    EXPECT_TRUE(messages.texts().isEmpty());
    form.removeFilter();
    EXPECT_EQ(form.positionText(), "1/3");
}

TEST_F(FormNavigationTest, SortKeepsTheFilterAndNeedsAFieldAndTwoRecords)
{
    form.sortAscending();
    EXPECT_EQ(messages.texts(), QStringList({"Select A Field to Sort"}));
    form.setFocus(index("Age"));
    form.sortDescending();
    EXPECT_EQ(namesShown(), QStringList({"Cy", "Bob", "Ann"}));
    form.setFocus(index("Name"));
    form.filterOn(false, "Bob");
    form.setFocus(index("Age"));
    form.sortDescending();
    EXPECT_EQ(namesShown(), QStringList({"Cy", "Ann"}));
    form.setFocus(index("Name"));
    form.filterOn(true, "Bob");
    messages.clear();
    form.sortAscending();
    EXPECT_EQ(messages.texts(), QStringList({"No enough data to sort"}));
    EXPECT_EQ(messages.messages()[0].icon, framework::Icon::Information);
}

TEST_F(FormNavigationTest, FiltersWaitForAnInvalidRecordToBeMended)
{
    form.setFocus(index("Name"));
    ASSERT_TRUE(form.setControlText(index("Name"), "Bob"));
    form.filterOn(true, "C*");
    EXPECT_EQ(messages.texts(), QStringList({"Unique property violation : Name"}));
    EXPECT_EQ(form.positionText(), "1/3");
}

TEST_F(FormNavigationTest, FormWithoutFiltersOrChangesRefusesThem)
{
    storeForm("Fixed", "Customers", {control(ControlKind::TextBox, "Name", "Customers.Name")},
              {{"Allow Filters", "No"}, {"Allow Additions", "No"}, {"Allow Deletions", "No"}});
    ASSERT_TRUE(openForm("Fixed"));
    form.setFocus(index("Name"));
    form.filterOn(true, "B*");
    form.sortDescending();
    form.newRecord();
    form.deleteCurrentRecord();
    EXPECT_EQ(form.positionText(), "1/3");
    EXPECT_EQ(text("Name"), "Ann");
    EXPECT_TRUE(messages.texts().isEmpty());
}

// The find window walks the form's records through the session and shows each hit on the form.
TEST_F(FormNavigationTest, FindShowsTheRecordAndControlOfEachHit)
{
    FindReplace finder(form);
    FindReplace::Request request;
    request.search.text = "o";
    request.field = form.fieldIndexOf("City");
    request.direction = FindReplace::Direction::Down;
    form.lastRecord();
    form.firstRecord();
    EXPECT_TRUE(finder.findNext(request));
    EXPECT_EQ(form.positionText(), "1/3");
    EXPECT_EQ(form.focusedControl(), index("City"));
    EXPECT_TRUE(finder.findNext(request));
    EXPECT_EQ(form.positionText(), "2/3");
    EXPECT_EQ(text("City"), "Rome");
    request.replacement = "0";
    EXPECT_EQ(finder.replaceAll(request), 2);
    EXPECT_EQ(text("City"), "R0me");
    // What the form shows is what it saves: the replaced value stays.
    form.nextRecord();
    EXPECT_EQ(column("SELECT City FROM Customers"), QStringList({"0sl0", "R0me", "Lima"}));
}

TEST_F(FormNavigationTest, HardwareKeysPerformTheirFormActions)
{
    EXPECT_TRUE(form.performKeyAction(keyaction::LastRecord));
    EXPECT_EQ(form.positionText(), "3/3");
    EXPECT_TRUE(form.performKeyAction(keyaction::FirstRecord));
    form.setFocus(index("Name"));
    EXPECT_TRUE(form.performKeyAction(keyaction::NextField));
    EXPECT_EQ(form.focusedControl(), index("City"));
    EXPECT_TRUE(form.performKeyAction(keyaction::PreviousField));
    EXPECT_TRUE(form.performKeyAction(keyaction::PreviousField));
    // The AutoNumber box and the caption label take no focus.
    EXPECT_EQ(form.focusedControl(), index("Note"));
    EXPECT_FALSE(form.performKeyAction(keyaction::ScrollUp));
    EXPECT_FALSE(form.performKeyAction(keyaction::NextChar));
    EXPECT_TRUE(form.performKeyAction(keyaction::CloseForm));
    EXPECT_TRUE(view.closed);
    EXPECT_FALSE(form.isOpen());
}

} // namespace
