// Moving through results and editing records by position.
#include "EngineFixture.h"
#include "platform/cedb/StatementWatch.h"

namespace {

class PagingTest : public BothEngines {
protected:
    void SetUp() override
    {
        BothEngines::SetUp();
        ASSERT_EQ(run("CREATE TABLE N (V int)"), S_OK);
        insertMany(records, [](int i) { return QStringLiteral("INSERT INTO N VALUES(%1)").arg(i); });
    }

    static int value(const std::shared_ptr<cedb::Recordset>& recordset) { return field(recordset, 0).toInt(); }

    static bool bof(const std::shared_ptr<cedb::Recordset>& recordset)
    {
        VARIANT_BOOL flag = VARIANT_FALSE;
        recordset->get_BOF(flag);
        return flag == VARIANT_TRUE;
    }

    static constexpr int records = 1000;
};
VARNEL_ON_BOTH_ENGINES(PagingTest);

TEST_P(PagingTest, WalksForwardAndBackAcrossWindows)
{
    auto recordset = open("N");
    std::int32_t count = 0;
    ASSERT_EQ(recordset->get_RecordCount(count), S_OK);
    EXPECT_EQ(count, records);
    int seen = 0;
    for (; !eof(recordset); recordset->MoveNext())
        ASSERT_EQ(value(recordset), seen++);
    EXPECT_EQ(seen, records);
    EXPECT_NE(recordset->MoveNext(), S_OK) << "no step past the end";
    ASSERT_EQ(recordset->MoveLast(), S_OK);
    for (int expected = records - 1; !bof(recordset); recordset->MovePrevious())
        ASSERT_EQ(value(recordset), expected--);
}

TEST_P(PagingTest, MoveFromTheFirstRecordJumpsAnywhere)
{
    auto recordset = open("SELECT V FROM N WHERE V >= 100 ORDER BY V DESC", 0, 1);
    for (int n : {0, 850, 3, 899, 450, 449, 451}) {
        ASSERT_EQ(recordset->Move(n, cedb::adBookmarkFirst), S_OK);
        EXPECT_EQ(value(recordset), records - 1 - n);
        std::int32_t position = 0;
        recordset->get_AbsolutePosition(position);
        EXPECT_EQ(position, n + 1);
    }
    EXPECT_EQ(recordset->Move(900, cedb::adBookmarkFirst), S_OK);
    EXPECT_TRUE(eof(recordset));
    EXPECT_NE(recordset->Move(901, cedb::adBookmarkFirst), S_OK);
}

// A window that would run past the end of a table is read from the end backwards; the records still
// come in their order and end with the last one.
TEST_P(PagingTest, AJumpNearTheEndOfATableReadsOnToItsLastRecord)
{
    auto recordset = open("N");
    for (int n : {records - 30, records - 1, records - 64, records - 65, 500}) {
        ASSERT_EQ(recordset->Move(n, cedb::adBookmarkFirst), S_OK);
        int expected = n;
        for (; !eof(recordset); recordset->MoveNext())
            ASSERT_EQ(value(recordset), expected++) << "after a jump to " << n;
        EXPECT_EQ(expected, records);
    }
    ASSERT_EQ(recordset->Move(records - 40, cedb::adBookmarkFirst), S_OK);
    for (int expected = records - 40; !bof(recordset); recordset->MovePrevious())
        ASSERT_EQ(value(recordset), expected--);
}

TEST_P(PagingTest, EmptyResultIsBothBofAndEof)
{
    auto recordset = open("SELECT * FROM N WHERE V < 0");
    EXPECT_TRUE(bof(recordset));
    EXPECT_TRUE(eof(recordset));
    std::int32_t count = -1;
    recordset->get_RecordCount(count);
    EXPECT_EQ(count, 0);
    EXPECT_NE(field(recordset, 0).vt(), VT_I4);
}

TEST_P(PagingTest, EditsReachTheFileAndStayCurrent)
{
    auto recordset = open("SELECT * FROM N WHERE V < 3");
    ASSERT_EQ(recordset->MoveNext(), S_OK);
    ASSERT_EQ(put(recordset, 0, Variant(std::int32_t(-1))), S_OK);
    ASSERT_EQ(recordset->Update(), S_OK);
    EXPECT_EQ(value(recordset), -1);
    ASSERT_EQ(recordset->AddNew(), S_OK);
    ASSERT_EQ(put(recordset, 0, Variant(std::int32_t(-2))), S_OK);
    ASSERT_EQ(recordset->Update(), S_OK);
    EXPECT_EQ(value(recordset), -2);
    EXPECT_EQ(rows("SELECT V FROM N WHERE V < 3 ORDER BY V"), (Lines{"-2", "-1", "0", "2"}));
    ASSERT_EQ(recordset->Requery(), S_OK);
    std::int32_t count = 0;
    recordset->get_RecordCount(count);
    EXPECT_EQ(count, 4);
}

TEST_P(PagingTest, ChangingTheFilteredColumnStillVisitsEveryRecord)
{
    // As a cascading update does: every record that matched is rewritten so that it matches no more.
    auto recordset = open("SELECT V FROM N WHERE V < 5 ORDER BY V DESC");
    int visited = 0;
    for (; !eof(recordset); recordset->MoveNext(), ++visited) {
        ASSERT_EQ(put(recordset, 0, Variant(std::int32_t(field(recordset, 0).toInt() + 5000))), S_OK);
        ASSERT_EQ(recordset->Update(), S_OK);
    }
    EXPECT_EQ(visited, 5);
    EXPECT_EQ(rows("SELECT V FROM N WHERE V >= 5000 ORDER BY V"), (Lines{"5000", "5001", "5002", "5003", "5004"}));
}

TEST_P(PagingTest, DeleteRemovesTheCurrentRecordAndMoveNextGoesOn)
{
    auto recordset = open("SELECT * FROM N WHERE V < 5");
    ASSERT_EQ(recordset->Move(1, cedb::adBookmarkFirst), S_OK);
    ASSERT_EQ(recordset->Delete(cedb::adAffectCurrent), S_OK);
    ASSERT_EQ(recordset->MoveNext(), S_OK);
    EXPECT_EQ(value(recordset), 2);
    EXPECT_EQ(rows("SELECT V FROM N WHERE V < 5"), (Lines{"0", "2", "3", "4"}));
    for (; !eof(recordset); recordset->MoveNext())
        ASSERT_EQ(recordset->Delete(cedb::adAffectCurrent), S_OK);
    EXPECT_EQ(rows("SELECT V FROM N WHERE V < 5"), Lines{"0"});
}

TEST_P(PagingTest, MovingSavesAPendingEditLikeUpdate)
{
    auto recordset = open("N");
    ASSERT_EQ(put(recordset, 0, Variant(std::int32_t(77))), S_OK);
    ASSERT_EQ(recordset->MoveNext(), S_OK);
    EXPECT_EQ(rows("SELECT V FROM N WHERE V = 77").size(), 2u);
}

TEST_P(PagingTest, ReadOnlyAndJoinedResultsRefuseEdits)
{
    auto readOnly = open("N", 0, 1);
    EXPECT_NE(put(readOnly, 0, Variant(std::int32_t(5))), S_OK);
    EXPECT_NE(readOnly->AddNew(), S_OK);
    EXPECT_NE(readOnly->Delete(cedb::adAffectCurrent), S_OK);
    auto engine = open("MSysTables");
    EXPECT_NE(engine->AddNew(), S_OK);
}

TEST_P(PagingTest, DeleteDuringAddNewIsRefused)
{
    auto recordset = open("N");
    ASSERT_EQ(recordset->AddNew(), S_OK);
    EXPECT_EQ(recordset->Delete(cedb::adAffectCurrent), cedb::DB_E_NEWLYINSERTED);
}

TEST_P(PagingTest, RollbackUndoesAllWritesSinceBeginTrans)
{
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    ASSERT_EQ(run("DELETE FROM N"), S_OK);
    ASSERT_EQ(run("INSERT INTO N VALUES(5000)"), S_OK);
    ASSERT_EQ(connection->RollbackTrans(path), S_OK);
    std::int32_t count = 0;
    open("N")->get_RecordCount(count);
    EXPECT_EQ(count, records);
    EXPECT_NE(connection->CommitTrans(path), S_OK) << "nothing left to commit";
}

} // namespace

namespace {

// A statement that works long, watched: the program stops it or lets it run, and nothing reaches the
// engine while the watch has the word.
class StatementWatchTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        ASSERT_EQ(run("CREATE TABLE Many (V int, T varchar(20))"), S_OK);
        insertMany(records, [](int i) { return QStringLiteral("INSERT INTO Many VALUES(%1, 'item %1')").arg(i); });
    }
    void TearDown() override { cedb::setStatementWatch({}); }

    // The first record of the sorted records, which the sort has to be done for.
    HRESULT firstOfSorted(Variant& first)
    {
        auto sorted = cedb::Recordset::create();
        HRESULT hr = sorted->Open("SELECT V FROM Many ORDER BY T DESC", path, 2, 3, cedb::adCmdUnknown);
        if (SUCCEEDED(hr))
            hr = sorted->MoveFirst();
        if (SUCCEEDED(hr))
            first = field(sorted, 0);
        return hr;
    }

    static constexpr int records = 40000;
};

} // namespace

TEST_F(StatementWatchTest, AWatchLetsTheStatementRunOrStopsIt)
{
    int calls = 0;
    HRESULT inside = S_OK;
    cedb::setStatementWatch([&] {
        ++calls;
        inside = run("SELECT V FROM Many WHERE V = 1");
        return true;
    });
    Variant first;
    ASSERT_EQ(firstOfSorted(first), S_OK);
    EXPECT_EQ(first.toInt(), 9999) << "item 9999 comes first, descending";
    EXPECT_GT(calls, 0);
    EXPECT_EQ(inside, E_UNEXPECTED) << "the engine refuses while its statement waits for the watch";

    calls = 0;
    cedb::setStatementWatch([&] { return ++calls < 2; });
    EXPECT_EQ(firstOfSorted(first), E_ABORT);
    EXPECT_EQ(calls, 2);

    cedb::setStatementWatch({});
    ASSERT_EQ(firstOfSorted(first), S_OK) << "a stopped statement leaves the file as it was";
    EXPECT_EQ(run("INSERT INTO Many VALUES(-1, 'zzz')"), S_OK);
    ASSERT_EQ(firstOfSorted(first), S_OK);
    EXPECT_EQ(first.toInt(), -1);
}
