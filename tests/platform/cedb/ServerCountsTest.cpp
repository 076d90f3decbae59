// The number of records the server keeps for each table, so that a big table opens without being
// counted: it must equal the table's records whoever writes them, this program, another one or a
// statement typed on the server, and whatever transaction reads it.
#include "EngineFixture.h"
#include "platform/cedb/ServerAccess.h"

namespace {

class ServerCountsTest : public EngineFixture {
protected:
    void SetUp() override
    {
        useEngine(EngineKind::Server);
        other = path + QStringLiteral("&application_name=other");
        ASSERT_EQ(run("CREATE TABLE T (V int, Name varchar(20))"), S_OK);
        insertMany(300, [](int i) { return QStringLiteral("INSERT INTO T VALUES(%1, 'n%1')").arg(i); });
    }

    static std::int32_t shownAt(const QString& address, const QString& sql = QStringLiteral("T"))
    {
        auto recordset = cedb::Recordset::create();
        std::int32_t count = -1;
        if (recordset->Open(sql, address, 2, 3, cedb::adCmdUnknown) == S_OK)
            recordset->get_RecordCount(count);
        return count;
    }
    std::int32_t shown() { return shownAt(path); }
    // Counted by the server on the spot: a condition keeps the kept number out of it.
    std::int32_t counted() { return shownAt(path, QStringLiteral("SELECT * FROM T WHERE V >= 0 OR V < 0 OR V IS NULL")); }
    // A statement on the server by a user who is not this program; the table is stored as t4.
    void onServer(const QString& sql) { ASSERT_EQ(server->run(sql), QString()) << sql.toStdString(); }

    QString other;
};

TEST_F(ServerCountsTest, TheNumberFollowsEveryWriterOfTheTable)
{
    EXPECT_EQ(shown(), 300);
    // Another program through the engine: records added and deleted one by one and by a statement.
    auto theirs = cedb::Recordset::create();
    ASSERT_EQ(theirs->Open("T", other, cedb::adOpenDynamic, cedb::adLockOptimistic, cedb::adCmdUnknown), S_OK);
    ASSERT_EQ(theirs->AddNew(), S_OK);
    ASSERT_EQ(put(theirs, 0, Variant(std::int32_t(1000))), S_OK);
    ASSERT_EQ(theirs->Update(), S_OK);
    ASSERT_EQ(theirs->MoveFirst(), S_OK);
    ASSERT_EQ(theirs->Delete(cedb::adAffectCurrent), S_OK);
    ASSERT_EQ(cedb::Recordset::create()->Open("DELETE FROM T WHERE V < 10", other, 0, 1, cedb::adCmdUnknown), S_OK);
    EXPECT_EQ(shown(), 291);
    EXPECT_EQ(shownAt(other), 291);

    // Statements typed on the server, with no part of this program in them.
    onServer("INSERT INTO t4 DEFAULT VALUES");
    onServer("INSERT INTO t4 DEFAULT VALUES");
    onServer("DELETE FROM t4 WHERE rowid IN (SELECT rowid FROM t4 ORDER BY rowid LIMIT 5)");
    onServer("UPDATE t4 SET c1 = 7");
    EXPECT_EQ(shown(), 288);
    EXPECT_EQ(counted(), 288);
    onServer("TRUNCATE t4");
    EXPECT_EQ(shown(), 0);
    onServer("INSERT INTO t4 DEFAULT VALUES");
    EXPECT_EQ(shown(), 1);
}

TEST_F(ServerCountsTest, ATriggerSomeoneRemovedOrDisabledIsNotBelieved)
{
    EXPECT_EQ(shown(), 300);
    onServer("DROP TRIGGER cedb_count_added ON t4");
    onServer("INSERT INTO t4 DEFAULT VALUES");
    EXPECT_EQ(shown(), 301);
    onServer("ALTER TABLE t4 DISABLE TRIGGER cedb_count_removed");
    onServer("DELETE FROM t4 WHERE c1 < 100");
    EXPECT_EQ(shown(), 201);
    onServer("DELETE FROM t4 WHERE c1 < 200");
    EXPECT_EQ(shown(), 101) << "the triggers are put back with the number";
}

TEST_F(ServerCountsTest, EachTransactionSeesItsOwnNumber)
{
    EXPECT_EQ(shown(), 300);
    EXPECT_EQ(shownAt(other), 300);
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    ASSERT_EQ(run("INSERT INTO T VALUES(1, 'mine')"), S_OK);
    ASSERT_EQ(run("DELETE FROM T WHERE V < 3"), S_OK);
    EXPECT_EQ(shown(), 297) << "mine, not yet committed";
    EXPECT_EQ(shownAt(other), 300) << "the other program does not see them yet";
    ASSERT_EQ(connection->RollbackTrans(path), S_OK);
    EXPECT_EQ(shown(), 300);

    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    ASSERT_EQ(run("INSERT INTO T VALUES(1, 'mine')"), S_OK);
    ASSERT_EQ(cedb::Recordset::create()->Open("INSERT INTO T VALUES(2, 'theirs')", other, 0, 1, cedb::adCmdUnknown),
              S_OK);
    EXPECT_EQ(shown(), 302) << "the other's commit, and my own record";
    ASSERT_EQ(connection->CommitTrans(path), S_OK);
    EXPECT_EQ(shownAt(other), 302);
}

TEST_F(ServerCountsTest, ManySmallWritesKeepTheNumberExact)
{
    // Every single insert leaves a row of its own, which readers fold now and then.
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 150; ++i)
            ASSERT_EQ(run(QStringLiteral("INSERT INTO T VALUES(%1, 'more')").arg(i)), S_OK);
        ASSERT_EQ(run(QStringLiteral("DELETE FROM T WHERE V = %1").arg(round)), S_OK);
        EXPECT_EQ(shown(), counted()) << "round " << round;
        EXPECT_EQ(shownAt(other), counted()) << "round " << round;
    }
    EXPECT_EQ(shown(), 300 + 450 - (2 + 3 + 4));
}

TEST_F(ServerCountsTest, ATableRedesignedOrMadeAgainIsCountedAfresh)
{
    EXPECT_EQ(shown(), 300);
    ASSERT_EQ(run("ALTER TABLE T ADD Note varchar(10)"), S_OK);
    ASSERT_EQ(run("INSERT INTO T VALUES(1, 'a', 'b')"), S_OK);
    EXPECT_EQ(shown(), 301);
    ASSERT_EQ(run("DROP TABLE T"), S_OK);
    ASSERT_EQ(run("CREATE TABLE T (V int)"), S_OK);
    EXPECT_EQ(shown(), 0) << "nothing of the dropped table's number";
    ASSERT_EQ(run("INSERT INTO T VALUES(1)"), S_OK);
    EXPECT_EQ(shown(), 1);
}

// A user who may write the table but not put triggers on it, nor read the counts, has the table counted;
// the triggers the owner put on it count that user's writes all the same.
TEST_F(ServerCountsTest, AUserWhoIsNotTheOwnerIsCountedAndCountsToo)
{
    server->run("DROP OWNED BY vt_counter");
    server->run("CREATE ROLE vt_counter LOGIN PASSWORD 'right'");
    const QString database = path.section(u'/', 3).section(u'?', 0, 0);
    onServer(QStringLiteral("GRANT CONNECT ON DATABASE %1 TO vt_counter").arg(database));
    onServer("GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA public TO vt_counter");
    onServer("GRANT USAGE ON ALL SEQUENCES IN SCHEMA public TO vt_counter");
    const QString clerk = QString(path).replace(QStringLiteral("user=varnel"), QStringLiteral("user=vt_counter"));
    cedb::rememberServerPassword(clerk, QStringLiteral("right"));

    EXPECT_EQ(shownAt(clerk), 300);
    EXPECT_EQ(shownAt(clerk), 300) << "counted again, not tried again";
    EXPECT_EQ(shown(), 300) << "the owner keeps the number";
    ASSERT_EQ(cedb::Recordset::create()->Open("INSERT INTO T VALUES(1, 'clerk')", clerk, 0, 1, cedb::adCmdUnknown), S_OK)
        << cedb::lastError().description.toStdString();
    ASSERT_EQ(cedb::Recordset::create()->Open("DELETE FROM T WHERE V < 2", clerk, 0, 1, cedb::adCmdUnknown), S_OK)
        << cedb::lastError().description.toStdString();
    EXPECT_EQ(shown(), 298);
    EXPECT_EQ(shownAt(clerk), 298);
    cedb::rememberServerPassword(clerk, QString());
}

} // namespace
