// Where the user is in the whole table: "Record N of M" and the filter's state in the status bar, the
// scroll bar over every record, the keys and the wheel that go past the page on show, and the busy box
// of a long sort.
#include "DatasheetFixture.h"
#include "data/CDbTransaction.h"
#include "support/WidgetApplication.h"
#include "tables/BusyProgress.h"
#include "tables/CViewDataGrid.h"
#include "tables/CViewTableData.h"

#include <QApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QWheelEvent>

using namespace fieldtypes;

namespace {

class DatasheetPositionTest : public DatasheetFixture {
protected:
    static void SetUpTestSuite() { ensureWidgetApplication(); }
    void SetUp() override
    {
        createTable("Items", {field("Name", kText), field("Qty", kInteger)});
        CDbTransaction inserts(context);
        for (int i = 1; i <= kRecords; ++i)
            ASSERT_TRUE(run(QStringLiteral("INSERT INTO Items (Name, Qty) VALUES ('item %1', %2)").arg(i).arg(i % 4)));
        ASSERT_TRUE(inserts.commit());
        ASSERT_TRUE(view.openTable("Items"));
        view.resize(600, 400);
        view.show();
        QApplication::setActiveWindow(&view);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
        view.setFocus();
        messages.clear();
    }
    QString position() const { return view.findChild<QLabel*>("recordPosition")->text(); }
    QString filterState() const { return view.findChild<QLabel*>("filterState")->text(); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // The record of the grid's current row, counted from 1 as the status bar counts it.
    int currentRecord() { return view.sheet().rowRecord() + 1; }

    static constexpr int kRecords = 120;
    CViewTableData view{context};
};

} // namespace

TEST_F(DatasheetPositionTest, TheStatusBarAndTheScrollBarFollowTheCursorThroughTheWholeTable)
{
    QScrollBar* bar = view.recordScrollBar();
    EXPECT_TRUE(view.grid()->hasFocus()) << "the keys are the grid's as the datasheet opens";
    EXPECT_EQ(position(), "Record 1 of 120");
    const int shown = bar->pageStep();
    EXPECT_GT(shown, 5);
    EXPECT_LT(shown, Datasheet::kPageSize);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), kRecords - shown) << "the thumb is the share of the table on show";
    EXPECT_EQ(bar->value(), 0);

    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(position(), "Record 120 of 120");
    EXPECT_EQ(bar->value(), bar->maximum()) << "the thumb is at the bottom on the last record";
    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(position(), "Record 1 of 120");

    // Down on the page's last row goes on into the next page, Up on its first row back.
    view.grid()->setCurrentCell(Datasheet::kPageSize - 1, 1);
    EXPECT_EQ(position(), "Record 50 of 120");
    EXPECT_GT(bar->value(), 0);
    EXPECT_EQ(bar->value(), view.grid()->rowAt(0)) << "the thumb stands for the first row on show, not the cursor";
    key(Qt::Key_Down);
    EXPECT_EQ(position(), "Record 51 of 120");
    EXPECT_EQ(view.sheet().firstRecord(), 50);
    EXPECT_EQ(view.grid()->text(view.grid()->currentRow(), 1), "item 51");
    key(Qt::Key_Up);
    EXPECT_EQ(position(), "Record 50 of 120");
    EXPECT_EQ(view.grid()->currentColumn(), 1) << "the field stays";

    key(Qt::Key_PageDown);
    EXPECT_GT(currentRecord(), 51);
    EXPECT_EQ(position(), QStringLiteral("Record %1 of 120").arg(currentRecord()));

    // The scroll bar, let go at a record, shows it at the top with the cursor on it; the wheel moves
    // through the records.
    bar->setValue(60);
    EXPECT_EQ(currentRecord(), 61);
    EXPECT_EQ(view.grid()->rowAt(0), view.grid()->currentRow()) << "the record comes to the top";
    EXPECT_EQ(bar->value(), 60);
    bar->setValue(99);
    EXPECT_EQ(currentRecord(), 100);
    EXPECT_EQ(view.grid()->text(view.grid()->currentRow(), 1), "item 100");
    EXPECT_EQ(position(), "Record 100 of 120");
    EXPECT_EQ(bar->value(), 99) << "the thumb stays where it was let go though the page ends below it";
    QWheelEvent down(QPointF(20, 20), view.grid()->viewport()->mapToGlobal(QPointF(20, 20)), QPoint(),
                     QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.grid()->viewport(), &down);
    EXPECT_GT(currentRecord(), 100);
    EXPECT_EQ(bar->value(), currentRecord() - 1);
}

TEST_F(DatasheetPositionTest, TheStatusBarTellsOfFiltersSortsAndTheRecordBeingAdded)
{
    EXPECT_EQ(filterState(), "");
    view.grid()->setCurrentCell(0, 2); // Qty 1
    view.run(CViewTableData::FilterIncluding);
    EXPECT_EQ(position(), "Record 1 of 30");
    EXPECT_EQ(filterState(), "Filtered");
    view.grid()->setCurrentCell(0, 1);
    view.run(CViewTableData::SortDescending);
    EXPECT_EQ(filterState(), "Filtered, Sorted");
    EXPECT_EQ(view.grid()->text(0, 1), "item 97");
    view.run(CViewTableData::RemoveFilter);
    EXPECT_EQ(filterState(), "Sorted");
    EXPECT_EQ(position(), "Record 1 of 120");
    EXPECT_EQ(view.grid()->text(0, 1), "item 99") << "the sort stays when the filter goes";

    view.run(CViewTableData::AddRecord);
    EXPECT_EQ(position(), "New record");
    const int added = view.grid()->currentRow();
    ASSERT_TRUE(view.grid()->prepareEdit(added + 1, 1));
    view.grid()->commitEdit(added, 1, "item new");
    EXPECT_EQ(position(), "Record 121 of 121") << messages.texts().join('|').toStdString();
}

// With every record on show the bar goes, as a desktop's does, instead of standing there without a
// thumb; it is back, its thumb the share on show, once the window is too low for them all.
TEST_F(DatasheetPositionTest, WithEveryRecordOnShowTheBarGoes)
{
    QScrollBar* bar = view.recordScrollBar();
    EXPECT_TRUE(bar->isVisible()) << "120 records do not fit";
    createTable("Few", {field("Name", kText)});
    for (int i = 1; i <= 5; ++i)
        ASSERT_TRUE(run(QStringLiteral("INSERT INTO Few (Name) VALUES ('few %1')").arg(i)));
    ASSERT_TRUE(view.openTable("Few"));
    QApplication::processEvents();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(bar->maximum(), 0);
    view.grid()->setCurrentCell(4, 1);
    EXPECT_EQ(position(), "Record 5 of 5");
    EXPECT_FALSE(bar->isVisible());

    const int rowHeight = view.grid()->rowHeight(0);
    view.resize(600, view.height() - view.grid()->viewport()->height() + 3 * rowHeight);
    QApplication::processEvents();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->pageStep(), 3);
    EXPECT_EQ(bar->maximum(), 2);

    view.resize(600, 400);
    QApplication::processEvents();
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(DatasheetPositionTest, AnEmptyTableSaysSo)
{
    createTable("Nothing", {field("Name", kText)});
    ASSERT_TRUE(view.openTable("Nothing"));
    EXPECT_EQ(position(), "No records");
    EXPECT_FALSE(view.recordScrollBar()->isEnabled());
}

// The busy box comes only when the work outlasts half a second, and its Cancel stops the work.
TEST(BusyProgressTest, ACursorThenABoxWithCancel)
{
    ensureWidgetApplication();
    QWidget window;
    window.show();
    BusyProgress busy(&window);
    busy.begin("Sorting the records...");
    EXPECT_TRUE(busy.keepGoing(std::chrono::milliseconds(50)));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(busy.keepGoing(std::chrono::milliseconds(200)));
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
    EXPECT_EQ(busy.box(), nullptr);

    EXPECT_TRUE(busy.keepGoing(std::chrono::milliseconds(600)));
    ASSERT_NE(busy.box(), nullptr);
    EXPECT_TRUE(busy.box()->isVisible());
    EXPECT_EQ(busy.box()->labelText(), "Sorting the records...");
    EXPECT_TRUE(busy.box()->isModal());
    QPushButton* cancel = busy.box()->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), "Cancel");
    cancel->click();
    EXPECT_FALSE(busy.keepGoing(std::chrono::milliseconds(700)));

    busy.end();
    EXPECT_EQ(busy.box(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
