// The number of records the file keeps for each table, so that a big table opens without being counted:
// it must equal count(*) through every kind of write, ours and other programs'.
#include "EngineFixture.h"
#include "platform/cedb/History.h"

#include <sqlite3.h>

#include <fstream>

namespace {

class RecordCountsTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        ASSERT_EQ(run("CREATE TABLE T (V int, Name varchar(20))"), S_OK);
        insertMany(300, [](int i) { return QStringLiteral("INSERT INTO T VALUES(%1, 'n%1')").arg(i); });
    }

    qint64 counted(const char* sql)
    {
        sqlite3* raw = nullptr;
        qint64 value = -2;
        if (sqlite3_open_v2((root / "Test.cdb").c_str(), &raw, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
            sqlite3_stmt* statement = nullptr;
            if (sqlite3_prepare_v2(raw, sql, -1, &statement, nullptr) == SQLITE_OK &&
                sqlite3_step(statement) == SQLITE_ROW)
                value = sqlite3_column_int64(statement, 0);
            sqlite3_finalize(statement);
        }
        sqlite3_close(raw);
        return value;
    }
    qint64 records() { return counted("SELECT count(*) FROM t4"); }
    qint64 kept() { return counted("SELECT records FROM VarnelRecordCounts WHERE tableId = 4"); }

    std::int32_t shown(const QString& table = QStringLiteral("T"))
    {
        std::int32_t count = -1;
        open(table, 0, 1)->get_RecordCount(count);
        return count;
    }

    // Another program writes the file, without the triggers this program's connection runs.
    void writeAsAnotherProgram(const char* sql)
    {
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open((root / "Test.cdb").c_str(), &other), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(other, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(other);
        sqlite3_close(other);
    }

    // Another program that keeps the numbers as this one does gives table `tableId` the number `records`,
    // which no count gives: only counting the table again takes it away.
    void keepAsAnotherCounter(int tableId, qint64 records)
    {
        unsigned char header[28] = {};
        std::ifstream((root / "Test.cdb").c_str(), std::ios::binary).read(reinterpret_cast<char*>(header), sizeof header);
        const qint64 counter = qint64(header[24]) << 24 | header[25] << 16 | header[26] << 8 | header[27];
        const QByteArray sql = QStringLiteral("BEGIN; UPDATE VarnelRecordCounts SET records = %1 WHERE tableId = %2; "
                                              "UPDATE VarnelRecordCountStamp SET counter = %3; COMMIT")
                                   .arg(records)
                                   .arg(tableId)
                                   .arg((counter + 1) & 0xffffffff)
                                   .toUtf8();
        writeAsAnotherProgram(sql.constData());
    }

    int value(const std::shared_ptr<cedb::Recordset>& recordset) { return field(recordset, 0).toInt(); }
};

TEST_F(RecordCountsTest, TheKeptNumberFollowsEveryWriteOfThisProgram)
{
    EXPECT_EQ(kept(), 300);
    ASSERT_EQ(run("DELETE FROM T WHERE V < 10"), S_OK);
    ASSERT_EQ(run("INSERT INTO T VALUES(1000, 'new')"), S_OK);
    auto recordset = open("T");
    ASSERT_EQ(recordset->AddNew(), S_OK);
    ASSERT_EQ(put(recordset, 0, Variant(std::int32_t(1001))), S_OK);
    ASSERT_EQ(recordset->Update(), S_OK);
    ASSERT_EQ(recordset->MoveFirst(), S_OK);
    ASSERT_EQ(recordset->Delete(cedb::adAffectCurrent), S_OK);
    recordset.reset();
    EXPECT_EQ(records(), 291);
    EXPECT_EQ(kept(), 291);
    EXPECT_EQ(shown(), 291);

    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    ASSERT_EQ(run("DELETE FROM T"), S_OK);
    EXPECT_EQ(shown(), 0) << "inside the transaction its own writes count";
    ASSERT_EQ(connection->RollbackTrans(path), S_OK);
    EXPECT_EQ(kept(), 291);
    EXPECT_EQ(shown(), 291);

    ASSERT_EQ(run("ALTER TABLE T ADD COLUMN Extra int"), S_OK);
    EXPECT_EQ(shown(), 291) << "a design change counts the table again";
    ASSERT_EQ(run("INSERT INTO T VALUES(2000, 'after', 1)"), S_OK);
    EXPECT_EQ(kept(), 292);
    EXPECT_EQ(shown(), 292);
}

TEST_F(RecordCountsTest, RecordsAddedInATransactionAreCountedWhenReadAndWhenCommitted)
{
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(run(QStringLiteral("INSERT INTO T VALUES(%1, 'a')").arg(1000 + i)), S_OK);
    EXPECT_EQ(shown(), 350);
    ASSERT_EQ(run("INSERT INTO T VALUES(2000, 'b')"), S_OK);
    ASSERT_EQ(run("DELETE FROM T WHERE V < 5"), S_OK);
    ASSERT_EQ(run("INSERT INTO T VALUES(2001, 'b')"), S_OK);
    ASSERT_EQ(connection->CommitTrans(path), S_OK);
    EXPECT_EQ(records(), 347);
    EXPECT_EQ(kept(), 347);
    EXPECT_EQ(shown(), 347);

    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    ASSERT_EQ(run("INSERT INTO T VALUES(3000, 'c')"), S_OK);
    EXPECT_EQ(shown(), 348);
    ASSERT_EQ(connection->RollbackTrans(path), S_OK);
    EXPECT_EQ(shown(), 347);
    // Outside a transaction each record is counted as it is written again.
    ASSERT_EQ(run("INSERT INTO T VALUES(3001, 'd')"), S_OK);
    EXPECT_EQ(kept(), 348);
    EXPECT_EQ(shown(), 348);
}

TEST_F(RecordCountsTest, AnotherProgramsWritesAreCountedAndTheNextWriteKeepsTheNumberAgain)
{
    writeAsAnotherProgram("INSERT INTO t4 (c1) VALUES (500); DELETE FROM t4 WHERE c1 < 50");
    EXPECT_EQ(kept(), 300) << "the other program left the kept number behind";
    EXPECT_EQ(shown(), 251) << "and this program does not believe it";
    ASSERT_EQ(run("INSERT INTO T VALUES(501, 'ours')"), S_OK);
    EXPECT_EQ(kept(), 252);
    EXPECT_EQ(shown(), 252);

    // A file switched to a write-ahead log by another program is counted, whatever its header says.
    writeAsAnotherProgram("PRAGMA journal_mode=WAL; DELETE FROM t4 WHERE c1 < 100");
    EXPECT_EQ(shown(), 202);
}

TEST_F(RecordCountsTest, ADesignChangeCountsAgainOnlyTheTablesItMakesOrRebuilds)
{
    ASSERT_EQ(run("CREATE TABLE U (V int)"), S_OK);
    insertMany(20, [](int i) { return QStringLiteral("INSERT INTO U VALUES(%1)").arg(i); });
    keepAsAnotherCounter(5, 1000);
    ASSERT_EQ(shown("U"), 1000);

    ASSERT_EQ(run("ALTER TABLE T ADD COLUMN Extra int"), S_OK);
    ASSERT_EQ(run("CREATE INDEX ByV ON T (V)"), S_OK);
    ASSERT_EQ(run("INSERT INTO T VALUES(1, 'x', 2)"), S_OK);
    EXPECT_EQ(shown("U"), 1000) << "the changes to T's design left U's number alone";
    EXPECT_EQ(kept(), 301);
    EXPECT_EQ(shown(), 301);

    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    ASSERT_EQ(run("INSERT INTO T VALUES(2, 'y', 3)"), S_OK);
    ASSERT_EQ(run("ALTER TABLE T DROP COLUMN Extra"), S_OK);
    ASSERT_EQ(run("INSERT INTO T VALUES(3, 'z')"), S_OK);
    EXPECT_EQ(shown(), 303);
    ASSERT_EQ(connection->CommitTrans(path), S_OK);
    EXPECT_EQ(shown("U"), 1000);
    EXPECT_EQ(kept(), 303);
    EXPECT_EQ(records(), 303);

    // The table made again has the id whose number the file still holds from before it was deleted.
    QString message;
    ASSERT_TRUE(cedb::history::deleteTable(path, "U", message)) << message.toStdString();
    const auto deleted = cedb::history::deletedTables(path);
    ASSERT_FALSE(deleted.empty());
    ASSERT_TRUE(cedb::history::restoreTable(path, deleted.front().change, message)) << message.toStdString();
    EXPECT_EQ(shown("U"), 20);
    EXPECT_EQ(shown(), 303);
}

TEST_F(RecordCountsTest, TheLastRecordsAreReadFromTheEndInTheTablesOrder)
{
    // An index holding the table's only column could give the whole table in the index's order; the
    // table's own order must hold both ways.
    ASSERT_EQ(run("CREATE TABLE One (V int)"), S_OK);
    insertMany(300, [](int i) { return QStringLiteral("INSERT INTO One VALUES(%1)").arg(1000 - i); });
    ASSERT_EQ(run("CREATE INDEX ByV ON One (V)"), S_OK);
    auto recordset = open("One", 0, 1);
    ASSERT_EQ(recordset->MoveLast(), S_OK);
    EXPECT_EQ(value(recordset), 701);
    ASSERT_EQ(recordset->Move(170, cedb::adBookmarkFirst), S_OK);
    EXPECT_EQ(value(recordset), 830);
    for (int n = 171; n < 300; ++n) {
        ASSERT_EQ(recordset->MoveNext(), S_OK);
        ASSERT_EQ(value(recordset), 1000 - n);
    }
    ASSERT_EQ(recordset->Move(298, cedb::adBookmarkFirst), S_OK);
    for (int n = 298; n >= 0; --n) {
        ASSERT_EQ(value(recordset), 1000 - n);
        recordset->MovePrevious();
    }
}

} // namespace
