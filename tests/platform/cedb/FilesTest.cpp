// Creating and opening files, and files that are not what they claim.
#include "EngineFixture.h"

#include "platform/cedb/ReadLocks.h"

#include <sqlite3.h>

#include <fstream>

namespace {

using FilesTest = EngineFixture;

TEST_F(FilesTest, CreateDatabaseRefusesAnExistingFile)
{
    auto creator = cedb::Recordset::create();
    EXPECT_EQ(creator->Open("Create Database '\\Test'", QString(), 0, 1, cedb::adCmdUnknown),
              cedb::DB_E_DUPLICATEDATASOURCE);
    EXPECT_EQ(creator->Open("Create Database '\\Other Name'", QString(), 0, 1, cedb::adCmdUnknown), S_OK);
    EXPECT_TRUE(std::filesystem::exists(root / "Other Name.cdb"));
}

TEST_F(FilesTest, MissingAndForeignFilesFailCleanly)
{
    auto recordset = cedb::Recordset::create();
    EXPECT_EQ(recordset->Open("MSysTables", "\\Missing.cdb", 0, 1, cedb::adCmdUnknown), cedb::DB_E_NOTFOUND);
    std::ofstream(root / "Text.cdb") << "This is not a database, only some text that claims to be one.\n";
    EXPECT_TRUE(FAILED(recordset->Open("MSysTables", "\\Text.cdb", 0, 1, cedb::adCmdUnknown)));
    std::ofstream(root / "Empty.cdb").flush();
    EXPECT_TRUE(FAILED(recordset->Open("MSysTables", "\\Empty.cdb", 0, 1, cedb::adCmdUnknown)));
    EXPECT_TRUE(FAILED(recordset->Open("MSysTables", "\\..\\Outside.cdb", 0, 1, cedb::adCmdUnknown)));
}

TEST_F(FilesTest, AFileReplacedOnDiskIsOpenedAfresh)
{
    ASSERT_EQ(run("CREATE TABLE Old (x int)"), S_OK);
    std::filesystem::remove(root / "Test.cdb");
    auto creator = cedb::Recordset::create();
    ASSERT_EQ(creator->Open("Create Database '\\Test'", QString(), 0, 1, cedb::adCmdUnknown), S_OK);
    EXPECT_EQ(run("SELECT * FROM Old"), cedb::DB_E_ERRORSINCOMMAND);
}

TEST_F(FilesTest, ACatalogueWithForeignStorageNamesIsRefused)
{
    ASSERT_EQ(run("CREATE TABLE T (x int)"), S_OK);
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open((root / "Test.cdb").c_str(), &raw), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(raw, "UPDATE MSysFields SET Storage = 'c1 FROM t4; --' WHERE TableID = 4", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(raw);
    cedb::Connection::create()->Close();
    EXPECT_TRUE(FAILED(run("SELECT * FROM T")));
}

TEST_F(FilesTest, AnIdleCursorLetsOtherProgramsWriteAndReadsOnWhereItWas)
{
    ASSERT_EQ(run("CREATE TABLE T (x int)"), S_OK);
    for (const char* sql : {"INSERT INTO T VALUES (1)", "INSERT INTO T VALUES (2)", "INSERT INTO T VALUES (3)"})
        ASSERT_EQ(run(sql), S_OK);
    auto cursor = open("SELECT x FROM T", 0, 1);
    ASSERT_EQ(text(field(cursor, 0)), "1");
    // Another connection locks as another process would.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open((root / "Test.cdb").c_str(), &other), SQLITE_OK);
    const auto write = [other] { return sqlite3_exec(other, "INSERT INTO t4 (c1) VALUES (4)", nullptr, nullptr, nullptr); };
    EXPECT_EQ(write(), SQLITE_BUSY) << "a cursor in the middle of its records holds a read lock";
    cedb::releaseIdleReadLocks(std::chrono::hours(1));
    EXPECT_EQ(write(), SQLITE_BUSY) << "the file was used within the hour";
    cedb::releaseIdleReadLocks(std::chrono::milliseconds(0));
    EXPECT_EQ(write(), SQLITE_OK);
    sqlite3_close(other);
    Lines read;
    for (; !eof(cursor); cursor->MoveNext())
        read.push_back(text(field(cursor, 0)));
    EXPECT_EQ(read, (Lines{"1", "2", "3", "4"}));
}

// Another program's count of t4's records, or -1 when it cannot read them.
int countAsAnotherProgram(const std::filesystem::path& file)
{
    sqlite3* other = nullptr;
    sqlite3_stmt* count = nullptr;
    int records = -1;
    if (sqlite3_open(file.c_str(), &other) == SQLITE_OK &&
        sqlite3_prepare_v2(other, "SELECT count(*) FROM t4", -1, &count, nullptr) == SQLITE_OK &&
        sqlite3_step(count) == SQLITE_ROW)
        records = sqlite3_column_int(count, 0);
    sqlite3_finalize(count);
    sqlite3_close(other);
    return records;
}

// Opening a query and moving its cursor far each read the file under one lock; none of them keeps it
// past what a cursor holds, and a write in between is on disk when it is reported.
TEST_F(FilesTest, QueriesReadTheFileUnderOneLockAndWritesBetweenThemAreKeptAtOnce)
{
    ASSERT_EQ(run("CREATE TABLE T (x int)"), S_OK);
    insertMany(200, [](int i) { return QStringLiteral("INSERT INTO T VALUES (%1)").arg(i); });
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open((root / "Test.cdb").c_str(), &other), SQLITE_OK);
    const auto write = [other] { return sqlite3_exec(other, "INSERT INTO t4 (c1) VALUES (-1)", nullptr, nullptr, nullptr); };
    for (const int target : {90, 150}) {
        auto cursor = open("SELECT x FROM T", 0, 1);
        ASSERT_EQ(cursor->Move(target, cedb::adBookmarkFirst), S_OK);
        EXPECT_EQ(text(field(cursor, 0)), QString::number(target));
        ASSERT_EQ(run("INSERT INTO T VALUES (1000)"), S_OK);
        EXPECT_EQ(countAsAnotherProgram(root / "Test.cdb"), target == 90 ? 201 : 203) << target;
        ASSERT_EQ(cursor->Move(target, cedb::adBookmarkFirst), S_OK);
        EXPECT_EQ(text(field(cursor, 0)), QString::number(target));
        cedb::releaseIdleReadLocks(std::chrono::milliseconds(0));
        EXPECT_EQ(write(), SQLITE_OK) << "after the move to " << target << " nothing holds the file";
    }
    sqlite3_close(other);
    EXPECT_EQ(rows("SELECT x FROM T WHERE x < 0").size(), 2u);
}

// Another program renames a column: the next query of this one reads the catalogue as it is now.
TEST_F(FilesTest, AQueryFollowsADesignAnotherProgramChanged)
{
    ASSERT_EQ(run("CREATE TABLE T (x int)"), S_OK);
    ASSERT_EQ(run("INSERT INTO T VALUES (1)"), S_OK);
    EXPECT_EQ(rows("SELECT x FROM T"), Lines{"1"});
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open((root / "Test.cdb").c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "UPDATE MSysFields SET FieldName = 'y' WHERE TableID = 4", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(other);
    EXPECT_EQ(run("SELECT x FROM T"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(rows("SELECT y FROM T"), Lines{"1"});
}

} // namespace

// A transaction's statements go to the file it began on, though the root moves before they run; once it ends,
// commit or rollback, the same path names the file under the root of the moment again.
TEST_F(FilesTest, ATransactionKeepsItsFileWhileTheRootMovesAndLetsGoOfItWhenItEnds)
{
    ASSERT_EQ(run("CREATE TABLE T (x int)"), S_OK);
    const std::string first = root.path().string();
    const TempRoot second;
    auto creator = cedb::Recordset::create();
    ASSERT_EQ(creator->Open("Create Database '\\Test'", QString(), 0, 1, cedb::adCmdUnknown), S_OK);
    ASSERT_EQ(run("CREATE TABLE T (x int)"), S_OK);
    const auto moveRoot = [](const std::string& folder) { setenv("VARNEL_ROOT", folder.c_str(), 1); };
    auto connection = cedb::Connection::create();
    for (const bool commit : {true, false}) {
        moveRoot(first);
        ASSERT_EQ(connection->BeginTrans(path), S_OK);
        ASSERT_EQ(run(QStringLiteral("INSERT INTO T VALUES (%1)").arg(commit ? 1 : 5)), S_OK);
        ASSERT_EQ(run(QStringLiteral("INSERT INTO T VALUES (%1)").arg(commit ? 2 : 6)), S_OK);
        moveRoot(second.path().string());
        ASSERT_EQ(run(QStringLiteral("INSERT INTO T VALUES (%1)").arg(commit ? 3 : 7)), S_OK);
        ASSERT_EQ(commit ? connection->CommitTrans(path) : connection->RollbackTrans(path), S_OK);
        ASSERT_EQ(run(QStringLiteral("INSERT INTO T VALUES (%1)").arg(commit ? 4 : 8)), S_OK);
    }
    EXPECT_EQ(rows("SELECT x FROM T"), (Lines{"4", "8"}));
    moveRoot(first);
    EXPECT_EQ(rows("SELECT x FROM T"), (Lines{"1", "2", "3"}));
    moveRoot(second.path().string());
    cedb::Connection::create()->Close();
}

// Two files in transactions at once: each statement goes to the file its path names.
TEST_F(FilesTest, StatementsBetweenTwoOpenTransactionsGoToTheirOwnFiles)
{
    auto creator = cedb::Recordset::create();
    ASSERT_EQ(creator->Open("Create Database '\\Other'", QString(), 0, 1, cedb::adCmdUnknown), S_OK);
    const QString other = QStringLiteral("\\Other.cdb");
    auto connection = cedb::Connection::create();
    for (const QString& file : {path, other}) {
        ASSERT_EQ(cedb::Recordset::create()->Open("CREATE TABLE T (x int)", file, 0, 1, cedb::adCmdUnknown), S_OK);
        ASSERT_EQ(connection->BeginTrans(file), S_OK);
    }
    for (int i = 0; i < 6; ++i) {
        const QString sql = QStringLiteral("INSERT INTO T VALUES (%1)").arg(i);
        ASSERT_EQ(cedb::Recordset::create()->Open(sql, i % 3 == 0 ? path : other, 0, 1, cedb::adCmdUnknown), S_OK);
    }
    ASSERT_EQ(connection->CommitTrans(path), S_OK);
    ASSERT_EQ(connection->RollbackTrans(other), S_OK);
    EXPECT_EQ(rows("SELECT x FROM T"), (Lines{"0", "3"}));
    path = other;
    EXPECT_EQ(rows("SELECT x FROM T"), Lines{});
}
