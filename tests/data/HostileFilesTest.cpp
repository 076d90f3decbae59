// Files that come from elsewhere: whatever a file carries never runs, a damaged file is refused with a
// message and left as it was, and the program goes on working with its other files.
#include "CatalogueFixture.h"

#include "platform/cedb/Engine.h"

#include <QFile>

#include <sqlite3.h>

#include <csignal>

#include <sys/resource.h>

namespace {

class HostileFilesTest : public CatalogueFixture {
protected:
    void SetUp() override
    {
        createDatabase(QStringLiteral("\\Base.cdb"));
        ASSERT_TRUE(run("CREATE TABLE People (Name varchar(30), Age int)"));
        ASSERT_TRUE(run("INSERT INTO People VALUES ('Ann', 3)"));
        storage = QStringLiteral("t") + tableId("People");
        ASSERT_TRUE(CloseDatabase(context));
        messages.clear();
    }

    QString host(const QString& name) const { return QString::fromStdString((root / name.toStdString()).string()); }

    // Changes the file below the engine, as another program could.
    void tamper(const QString& sql)
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(host("Base.cdb")).constData(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK)
            << sqlite3_errmsg(db);
        sqlite3_close(db);
    }

    QByteArray bytes(const QString& name)
    {
        QFile file(host(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeFile(const QString& name, const QByteArray& content)
    {
        QFile file(host(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    // The open fails with a message, leaves the file as it was and keeps no database open; the good
    // file still opens afterwards.
    void expectRefused(const QString& name)
    {
        const QByteArray before = bytes(name);
        messages.clear();
        EXPECT_FALSE(OpenDatabase(context, window, QLatin1Char('\\') + name)) << name.toStdString();
        EXPECT_FALSE(messages.texts().isEmpty()) << name.toStdString() << ": refused without a word";
        EXPECT_EQ(context.openDatabase, nullptr);
        EXPECT_EQ(bytes(name), before) << name.toStdString() << " was changed";
        EXPECT_TRUE(OpenDatabase(context, window, QStringLiteral("\\Base.cdb")));
        EXPECT_EQ(column("SELECT Name FROM People", 0), QStringList({"Ann"}));
        ASSERT_TRUE(CloseDatabase(context));
    }

    QString storage;
};

TEST_F(HostileFilesTest, TriggersAndViewsTheFileCarriesNeverRun)
{
    tamper("CREATE TABLE Spy (x); CREATE TRIGGER Wipe AFTER INSERT ON " + storage +
           " BEGIN DELETE FROM " + storage + "; INSERT INTO Spy VALUES (1); END; CREATE VIEW Peek AS SELECT * FROM " +
           storage);
    ASSERT_TRUE(OpenDatabase(context, window, "\\Base.cdb"));
    EXPECT_TRUE(run("INSERT INTO People VALUES ('Bo', 4)"));
    EXPECT_EQ(column("SELECT Name FROM People", 0), QStringList({"Ann", "Bo"}));
    ASSERT_TRUE(CloseDatabase(context));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(host("Base.cdb")).constData(), &db), SQLITE_OK);
    sqlite3_stmt* count = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT count(*) FROM Spy", -1, &count, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(count), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(count, 0), 0) << "the trigger ran";
    sqlite3_finalize(count);
    sqlite3_close(db);
}

TEST_F(HostileFilesTest, FunctionsInTheFilesChecksAndDefaultsNeverRun)
{
    // The library would be loaded by any program that trusted the file's schema.
    const QString library = host("payload");
    tamper("PRAGMA ignore_check_constraints = ON; ALTER TABLE " + storage + " RENAME TO Old; CREATE TABLE " + storage +
           " (c1 TEXT CHECK (load_extension('" + library + "') IS NULL), c2 INTEGER DEFAULT (load_extension('" +
           library + "'))); INSERT INTO " + storage + " SELECT * FROM Old; DROP TABLE Old");
    ASSERT_TRUE(OpenDatabase(context, window, "\\Base.cdb"));
    EXPECT_EQ(column("SELECT Name FROM People", 0), QStringList({"Ann"}));
    for (const char* sql : {"INSERT INTO People VALUES ('Bo', 4)", "INSERT INTO People (Name) VALUES ('Cy')"}) {
        EXPECT_FALSE(run(sql)) << sql;
        const QString refusal = cedb::lastError().description;
        EXPECT_TRUE(refusal.contains("not authorized") || refusal.contains("unsafe use of load_extension"))
            << sql << ": " << refusal.toStdString();
    }
    EXPECT_EQ(column("SELECT Name FROM People", 0), QStringList({"Ann"}));
}

TEST_F(HostileFilesTest, ACatalogueNamingAMissingTableStillOpensTheRest)
{
    tamper("INSERT INTO MSysTables VALUES ('Ghost', 99); INSERT INTO MSysFields VALUES (99, 'A', 1, 4, 3, 'c1')");
    ASSERT_TRUE(OpenDatabase(context, window, "\\Base.cdb"));
    EXPECT_FALSE(run("SELECT * FROM Ghost"));
    EXPECT_EQ(column("SELECT Name FROM People", 0), QStringList({"Ann"}));
}

TEST_F(HostileFilesTest, ValuesThatBelieTheirColumnsTypeAreReadWithoutHarm)
{
    tamper("INSERT INTO " + storage + " (c1, c2) VALUES (x'00ff00', 'not a number')");
    ASSERT_TRUE(OpenDatabase(context, window, "\\Base.cdb"));
    EXPECT_EQ(rows("SELECT Name, Age FROM People").size(), 2);
}

TEST_F(HostileFilesTest, DamagedFilesAreRefusedAndLeftAsTheyWere)
{
    const QByteArray good = bytes("Base.cdb");
    writeFile("Empty.cdb", {});
    writeFile("Text.cdb", "This is only some text that calls itself a database.\n");
    writeFile("Truncated.cdb", good.left(5000));
    QByteArray garbled = good;
    for (int i = 4096 * 3; i < 4096 * 4 && i < garbled.size(); ++i)
        garbled[i] = char(i * 7919 % 251);
    writeFile("Garbled.cdb", garbled);
    for (const QString name : {"Empty.cdb", "Text.cdb", "Truncated.cdb", "Garbled.cdb"})
        expectRefused(name);
}

} // namespace

// A disk that takes no more bytes: the edit fails with the cause named, and the file keeps what it held.
// The process's file-size limit stands in for the full disk: every write that grows a file past it fails.
TEST_F(HostileFilesTest, AnEditOnAFullDiskFailsWithItsCauseAndLosesNothing)
{
    ASSERT_TRUE(OpenDatabase(context, window, QStringLiteral("\\Base.cdb")));
    messages.clear();
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit full = previous;
    full.rlim_cur = rlim_t(bytes("Base.cdb").size());
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);

    const bool written = run("INSERT INTO People VALUES ('" + QString(25, QLatin1Char('x')) + "', 4)") &&
                         run("CREATE TABLE Big (Notes text)") &&
                         run("INSERT INTO Big VALUES ('" + QString(200000, QLatin1Char('y')) + "')");
    const QStringList told = messages.texts();
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(told.value(0), fileFailureText(cedb::DB_SEC_E_PERMISSIONDENIED));
    ASSERT_TRUE(CloseDatabase(context));
    ASSERT_TRUE(OpenDatabase(context, window, QStringLiteral("\\Base.cdb")));
    EXPECT_EQ(column("PRAGMA integrity_check", 0), QStringList{});
    EXPECT_EQ(column("SELECT Name FROM People", 0).first(), "Ann");
    EXPECT_TRUE(run("INSERT INTO People VALUES ('Bo', 5)")) << "with room again, edits go on";
}
