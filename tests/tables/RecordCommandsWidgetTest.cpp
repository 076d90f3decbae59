#include "tables/RecordCommands.h"

#include "data/KeyAction.h"
#include "support/MenuText.h"
#include "support/WidgetApplication.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTableWidget>

namespace {

enum Own { Add = 1, Remove, Begin, Forward, Search, Shut, Extra, Flip };

using R = RecordCommand;
const RecordCommandEntry kEntries[] = {
    {.command = Add, .menu = "&Records", .shared = R::Add, .text = "New Record", .onStrip = true},
    {.command = Remove, .menu = "&Records", .shared = R::Delete},
    {.command = Begin, .menu = "&Records", .shared = R::First, .onStrip = true, .separated = true},
    {.command = Forward, .menu = "&Records", .shared = R::Next, .onStrip = true},
    {.command = Search, .menu = "&Tools", .shared = R::Find},
    {.command = Extra, .menu = "&Tools", .text = "Hide Column", .keyAction = keyaction::HideColumn},
    {.command = Shut, .menu = "&Records", .shared = R::Close, .text = "Close Table", .separated = true,
     .keyAction = keyaction::CloseTable},
    {.command = Flip, .menu = nullptr, .text = "Record View", .separated = true},
};

class RecordCommandsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureWidgetApplication(); }
    void SetUp() override
    {
        actions = buildRecordCommands(view, menus, strip, kEntries, [this](int command) { ran << command; });
    }
    QWidget view;
    QMenuBar menus{&view};
    QToolBar strip{&view};
    QHash<int, QAction*> actions;
    QList<int> ran;
};

} // namespace

// The menus come in the order the view first names them, the view's texts win over the shared ones, and
// a command only on the strip stays out of the menus.
TEST_F(RecordCommandsTest, MenusAndStripFollowTheViewsEntries)
{
    EXPECT_EQ(menuText(menus),
              QStringList({"&Records: New Record, Delete Record, -, First Record, Next Record, -, Close Table",
                           "&Tools: Find, Hide Column"}));
    EXPECT_EQ(stripText(strip), QStringList({"New", "|<", ">", "-", "Record View"}));
    EXPECT_EQ(actions.size(), 8);
    actions.value(Forward)->trigger();
    actions.value(Flip)->trigger();
    EXPECT_EQ(ran, QList<int>({Forward, Flip}));
}

TEST_F(RecordCommandsTest, SharedCommandsCarryTheirKeysAndOwnOnesNone)
{
    EXPECT_EQ(actions.value(Add)->shortcuts().value(0), QKeySequence(Qt::CTRL | Qt::Key_Plus));
    EXPECT_TRUE(actions.value(Add)->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Equal)));
    EXPECT_EQ(actions.value(Remove)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Minus));
    EXPECT_EQ(actions.value(Search)->shortcut(), QKeySequence(QKeySequence::Find));
    EXPECT_EQ(actions.value(Shut)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
    EXPECT_TRUE(actions.value(Begin)->shortcuts().isEmpty());
    EXPECT_TRUE(actions.value(Extra)->shortcuts().isEmpty());
}

// A key options' action runs the view's command that is that shared command, or that names the action
// itself; the close the view does not name, and actions no entry takes, run nothing.
TEST(RecordCommandKeys, EachActionFindsTheViewsCommand)
{
    EXPECT_EQ(commandOfKeyAction(kEntries, keyaction::AddRecord), Add);
    EXPECT_EQ(commandOfKeyAction(kEntries, keyaction::NextRecord), Forward);
    EXPECT_EQ(commandOfKeyAction(kEntries, keyaction::HideColumn), Extra);
    EXPECT_EQ(commandOfKeyAction(kEntries, keyaction::CloseTable), Shut);
    EXPECT_EQ(commandOfKeyAction(kEntries, keyaction::CloseForm), 0);
    EXPECT_EQ(commandOfKeyAction(kEntries, keyaction::LastRecord), 0) << "the view has no Last";
    EXPECT_EQ(commandOfKeyAction(kEntries, keyaction::None), 0);
}

TEST(RecordCommandKeys, ScrollActionsMoveTheAreaOneStep)
{
    ensureWidgetApplication();
    QTableWidget area(100, 100);
    area.resize(200, 200);
    EXPECT_TRUE(scrollForKeyAction(area, keyaction::ScrollDown));
    EXPECT_TRUE(scrollForKeyAction(area, keyaction::ScrollRight));
    EXPECT_EQ(area.verticalScrollBar()->value(), area.verticalScrollBar()->singleStep());
    EXPECT_EQ(area.horizontalScrollBar()->value(), area.horizontalScrollBar()->singleStep());
    EXPECT_TRUE(scrollForKeyAction(area, keyaction::ScrollUp));
    EXPECT_EQ(area.verticalScrollBar()->value(), 0);
    EXPECT_FALSE(scrollForKeyAction(area, keyaction::NextField));
    EXPECT_EQ(area.horizontalScrollBar()->value(), area.horizontalScrollBar()->singleStep());
}
