// A sort or a filter over many records says that it works and may be stopped: stopped, the datasheet
// shows what it showed before, with the conditions and the sort as they were.
#include "DatasheetFixture.h"
#include "data/CDbTransaction.h"
#include "data/LongWork.h"
#include "tables/DatasheetFilter.h"

using namespace fieldtypes;

namespace {

// Stops the work the `stopAt`-th time it is asked (never with 0), and notes what it was told.
class AnsweringWork : public LongWork {
public:
    explicit AnsweringWork(int stopAt) : m_stopAt(stopAt) {}
    void begin(const QString& what) override { begun << what; }
    bool keepGoing(std::chrono::milliseconds) override { return ++asked != m_stopAt; }
    void end() override { ++ended; }

    QStringList begun;
    int asked = 0;
    int ended = 0;

private:
    int m_stopAt;
};

class DatasheetLongWorkTest : public DatasheetFixture {
protected:
    void SetUp() override
    {
        createTable("Items", {field("Name", kText), field("Qty", kInteger)});
        CDbTransaction inserts(context);
        CDbRecordset items(context.connection, context.databasePath());
        ASSERT_TRUE(items.Open("Items", 2, 3));
        for (int i = 0; i < kRecords; ++i) {
            items.AddNew();
            items.SetFieldString(0, QStringLiteral("item %1").arg(i));
            items.SetFieldLong(1, i % 7);
            ASSERT_TRUE(items.Update());
        }
        ASSERT_TRUE(inserts.commit());
        ASSERT_TRUE(open("Items"));
    }

    static constexpr int kRecords = 40000;
    DatasheetFilter filter{sheet};
};

} // namespace

TEST_F(DatasheetLongWorkTest, AStoppedSortOrFilterLeavesTheRecordsAsTheyWere)
{
    if (TestDatabase::onServer())
        GTEST_SKIP() << "the file engine's statement watch stops the sort";
    AnsweringWork stopping(1);
    filter.setLongWork(&stopping);
    grid.setCurrentCell(1, 1);
    filter.sortDescending();
    EXPECT_EQ(stopping.begun, QStringList({"Sorting the records..."}));
    EXPECT_EQ(stopping.ended, 1);
    EXPECT_EQ(sheet.currentSql(), "SELECT * FROM 'Items'");
    EXPECT_EQ(grid.row(1), QStringList({"1", "item 0", "0"}));
    EXPECT_FALSE(filter.isSorted());
    EXPECT_TRUE(messages.texts().isEmpty()) << "the user stopped it; nothing to say";

    AnsweringWork going(0);
    filter.setLongWork(&going);
    filter.sortDescending();
    EXPECT_GT(going.asked, 0);
    EXPECT_EQ(grid.row(1), QStringList({"1", "item 9999", "3"}));
    EXPECT_TRUE(filter.isSorted());

    // A filter stopped on the sorted records keeps them sorted and unfiltered.
    filter.setLongWork(&stopping);
    stopping.asked = 0;
    grid.setCurrentCell(1, 2);
    filter.filterIncluding();
    EXPECT_EQ(stopping.begun.last(), "Filtering the records...");
    EXPECT_EQ(sheet.recordCount(), kRecords);
    EXPECT_EQ(grid.row(1), QStringList({"1", "item 9999", "3"}));
    EXPECT_FALSE(filter.isFiltered());
    EXPECT_TRUE(filter.isSorted());
    EXPECT_EQ(filter.condition(1), "");
}
