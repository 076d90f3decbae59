// An INSERT's table and columns are decided once for its statement and kept: what is kept must follow the
// file the statement is sent to and the design its table has at that moment, whatever changed it since.
#include "EngineFixture.h"
#include "support/OtherProgram.h"

namespace {

using InsertTargetTest = BothEngines;
VARNEL_ON_BOTH_ENGINES(InsertTargetTest);

TEST_P(InsertTargetTest, ColumnsNamedInAnotherOrderOrCaseTakeTheirOwnValues)
{
    ASSERT_EQ(run("CREATE TABLE T (a int, b varchar(5))"), S_OK);
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(run("Insert into T (a, b) values(1, 'x')"), S_OK);
        ASSERT_EQ(run("Insert into T (b, a) values('y', 2)"), S_OK);
        ASSERT_EQ(run("Insert into t (B, A) values('z', 3)"), S_OK);
        ASSERT_EQ(run("Insert into T (a) values(4)"), S_OK);
        ASSERT_EQ(run("Insert into T values(5, 'w')"), S_OK);
    }
    EXPECT_EQ(run("Insert into T (b) values('too long')"), cedb::DB_E_BADVALUES);
    EXPECT_EQ(cedb::lastError().description, "The value too long does not fit the column b");
    EXPECT_EQ(run("Insert into T (a, c) values(1, 2)"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(cedb::lastError().description, "Unknown column c");
    EXPECT_EQ(run("Insert into MSysTables values('x', 99)"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(cedb::lastError().description, "The engine table MSysTables is written by the engine only");
    const Lines once = {"1|x", "2|y", "3|z", "4|<null>", "5|w"};
    Lines twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(rows("T"), twice);
}

// More tables than the few whose statements are kept, each taking texts of a length of its own.
TEST_P(InsertTargetTest, TablesWrittenInTurnCheckTheirOwnColumns)
{
    constexpr int tables = 7;
    for (int t = 1; t <= tables; ++t)
        ASSERT_EQ(run(QStringLiteral("CREATE TABLE T%1 (n int, s varchar(%1))").arg(t)), S_OK);
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    for (int round = 0; round < 2; ++round)
        for (int t = 1; t <= tables; ++t)
            EXPECT_EQ(run(QStringLiteral("Insert into T%1 values(%2, 'abcd')").arg(t).arg(round)),
                      t < 4 ? cedb::DB_E_BADVALUES : S_OK)
                << t;
    ASSERT_EQ(connection->CommitTrans(path), S_OK);
    for (int t = 1; t <= tables; ++t)
        EXPECT_EQ(rows(QStringLiteral("T%1").arg(t)), t < 4 ? Lines{} : (Lines{"0|abcd", "1|abcd"})) << t;
}

// A column added inside a transaction counts until the transaction is taken back, and then no longer.
TEST_P(InsertTargetTest, ADesignChangeTakenBackIsSeenByTheNextStatement)
{
    ASSERT_EQ(run("CREATE TABLE T (a int, b varchar(5))"), S_OK);
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    ASSERT_EQ(run("Insert into T values(1, 'x')"), S_OK);
    ASSERT_EQ(run("ALTER TABLE T ADD COLUMN c int"), S_OK);
    ASSERT_EQ(run("Insert into T values(2, 'y', 3)"), S_OK);
    EXPECT_EQ(run("Insert into T values(4, 'z')"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(cedb::lastError().description, "2 values for 3 columns");
    ASSERT_EQ(connection->RollbackTrans(path), S_OK);
    EXPECT_EQ(run("Insert into T values(5, 'v', 6)"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(cedb::lastError().description, "3 values for 2 columns");
    ASSERT_EQ(run("Insert into T values(7, 'u')"), S_OK);
    EXPECT_EQ(rows("T"), (Lines{"7|u"}));
}

using InsertTargetFileTest = EngineFixture;

// Two files, each with a table T, whose texts have room for two characters in one and nine in the other.
TEST_F(InsertTargetFileTest, StatementsSentToTwoFilesFollowEachFilesDesign)
{
    ASSERT_EQ(run("CREATE TABLE T (s varchar(2))"), S_OK);
    ASSERT_EQ(run("Create Database '\\Other'"), S_OK);
    const QString other = QStringLiteral("\\Other.cdb");
    const auto runOn = [](const QString& file, const QString& sql) {
        return cedb::Recordset::create()->Open(sql, file, 0, 1, cedb::adCmdUnknown);
    };
    ASSERT_EQ(runOn(other, "CREATE TABLE T (s varchar(9))"), S_OK);
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(run("Insert into T values('abcde')"), cedb::DB_E_BADVALUES);
        EXPECT_EQ(runOn(other, "Insert into T values('abcde')"), S_OK);
        EXPECT_EQ(run("Insert into T values('ab')"), S_OK);
    }
    EXPECT_EQ(rows("T"), (Lines{"ab", "ab"}));
    path = other;
    EXPECT_EQ(rows("T"), (Lines{"abcde", "abcde"}));
}

// Another program shortens a column and renames it between two statements of one shape.
TEST_F(InsertTargetFileTest, ADesignChangedByAnotherProgramIsSeenByTheNextStatement)
{
    ASSERT_EQ(run("CREATE TABLE T (a int, b varchar(5))"), S_OK);
    ASSERT_EQ(run("Insert into T (b) values('abc')"), S_OK);
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE MSysFields SET FieldLen = 2 WHERE FieldName = 'b'"));
    EXPECT_EQ(run("Insert into T (b) values('abc')"), cedb::DB_E_BADVALUES);
    ASSERT_EQ(run("Insert into T (b) values('ab')"), S_OK);
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE MSysFields SET FieldName = 'd' WHERE FieldName = 'b'"));
    EXPECT_EQ(run("Insert into T (b) values('x')"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(cedb::lastError().description, "Unknown column b");
    ASSERT_EQ(run("Insert into T (d) values('y')"), S_OK);
    EXPECT_EQ(rows("SELECT d FROM T"), (Lines{"abc", "ab", "y"}));
}

} // namespace
