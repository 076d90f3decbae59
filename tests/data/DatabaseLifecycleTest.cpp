#include "CatalogueFixture.h"

#include "platform/device/Files.h"
#include "platform/framework/RecentFileList.h"

#include <QDir>
#include <QFile>

class DatabaseLifecycle : public CatalogueFixture {};

TEST_F(DatabaseLifecycle, CreatingMakesTheFileTheOpenDatabaseAndZeroesTheCounts)
{
    ASSERT_TRUE(CreateDatabase(context, window, "\\First.cdb"));
    ASSERT_TRUE(CreateDatabase(context, window, "\\Sales.cdb"));
    EXPECT_EQ(context.databasePath(), "\\Sales.cdb");
    EXPECT_EQ(window.countLabels(), QStringList({"0", "0"}));
    EXPECT_TRUE(device::fileExists("\\Sales.cdb"));
    EXPECT_TRUE(framework::RecentFileList().entries().isEmpty()) << "the caller adds a created database";
}

TEST_F(DatabaseLifecycle, APathWithoutADotGoesWholeIntoTheStatement)
{
    ASSERT_TRUE(CreateDatabase(context, window, "\\Plain"));
    EXPECT_TRUE(device::fileExists("\\Plain.cdb"));
    EXPECT_EQ(context.databasePath(), "\\Plain");
}

TEST_F(DatabaseLifecycle, ADotInAFolderNameIsNoExtension)
{
    QDir().mkpath(QString::fromStdString((root / "My.Data").string()));
    ASSERT_TRUE(CreateDatabase(context, window, "\\My.Data\\Sales"));
    EXPECT_TRUE(device::fileExists("\\My.Data\\Sales.cdb"));
    EXPECT_FALSE(device::fileExists("\\My.cdb"));
}

TEST_F(DatabaseLifecycle, AQuoteInThePathStaysPartOfTheName)
{
    createDatabase("\\O'Brien's Shop.cdb");
    EXPECT_TRUE(device::fileExists("\\O'Brien's Shop.cdb"));
    EXPECT_FALSE(tableId("XNSysFields").isEmpty()) << "the catalogue check ran on it";
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(DatabaseLifecycle, AFailedCreateLeavesNoDatabaseOpen)
{
    createDatabase("\\Open.cdb");
    EXPECT_FALSE(CreateDatabase(context, window, "\\No Such Folder\\New.cdb"));
    EXPECT_EQ(context.openDatabase, nullptr);
}

TEST_F(DatabaseLifecycle, OpeningAMissingFileSaysSoAndKeepsTheOpenDatabase)
{
    createDatabase("\\Sales.cdb");
    EXPECT_FALSE(OpenDatabase(context, window, "\\Gone.cdb"));
    ASSERT_EQ(messages.texts(), QStringList({"Database doesn't exist."}));
    EXPECT_EQ(messages.messages()[0].caption, "Varnel Desk 5.0");
    EXPECT_TRUE(window.listPanesShown());
    EXPECT_EQ(context.databasePath(), "\\Sales.cdb");
    EXPECT_TRUE(framework::RecentFileList().entries().isEmpty());
}

TEST_F(DatabaseLifecycle, OpeningPutsThePathOnTopOfTheRecentListAndChecksTheCatalogue)
{
    createDatabase("\\Stock.cdb");
    ASSERT_TRUE(run("CREATE TABLE 'Items' (Name text)"));
    createDatabase("\\Sales.cdb");
    ASSERT_TRUE(OpenDatabase(context, window, "\\Sales.cdb"));
    ASSERT_TRUE(OpenDatabase(context, window, "\\Stock.cdb"));
    EXPECT_EQ(context.databasePath(), "\\Stock.cdb");
    EXPECT_EQ(framework::RecentFileList().entries(), QStringList({"\\Stock.cdb", "\\Sales.cdb"}));
    ASSERT_EQ(window.rows().size(), 1);
    EXPECT_EQ(window.rows()[0].name, "Items");
}

TEST_F(DatabaseLifecycle, AFileTheEngineCannotReadIsNotOpened)
{
    QFile junk(QString::fromStdString((root / "Junk.cdb").string()));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    EXPECT_FALSE(OpenDatabase(context, window, "\\Junk.cdb"));
    EXPECT_EQ(messages.texts(), QStringList({"Unable to execute command : fDBInit\n\\Junk.cdb is not a database."}));
    EXPECT_EQ(context.openDatabase, nullptr);
    EXPECT_TRUE(framework::RecentFileList().entries().isEmpty());
}

// A file that cannot be used is tried before the open database is let go: that one stays open, its
// tables listed, and the message says what is wrong with the file.
TEST_F(DatabaseLifecycle, AFileThatCannotBeUsedLeavesTheOpenDatabaseOpenAndSaysWhy)
{
    createDatabase("\\Stock.cdb");
    ASSERT_TRUE(run("CREATE TABLE 'Items' (Name text)"));
    ASSERT_TRUE(run("INSERT INTO Items VALUES ('Zoë''s pen')"));
    for (int i = 0; i < 200; ++i)
        ASSERT_TRUE(run(QStringLiteral("INSERT INTO Items VALUES ('%1')").arg(QString(200, QChar('a' + i % 26)))));
    ASSERT_TRUE(CloseDatabase(context));
    QFile stock(QString::fromStdString((root / "Stock.cdb").string()));
    ASSERT_TRUE(stock.open(QIODevice::ReadOnly));
    const QByteArray whole = stock.readAll();
    const auto write = [&](const char* name, const QByteArray& content) {
        QFile file(QString::fromStdString((root / name).string()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    };
    write("Notes.cdb", "Shopping list:\nbread, milk\n");
    write("Half.cdb", whole.left(whole.size() / 2));

    ASSERT_TRUE(OpenDatabase(context, window, "\\Stock.cdb"));
    messages.clear();
    EXPECT_FALSE(OpenDatabase(context, window, "\\Notes.cdb"));
    EXPECT_FALSE(OpenDatabase(context, window, "\\Half.cdb"));
    ASSERT_EQ(messages.texts().size(), 2);
    EXPECT_EQ(messages.texts()[0], "Unable to execute command : fDBInit\n\\Notes.cdb is not a database.");
    EXPECT_EQ(messages.texts()[1], QStringLiteral("Unable to execute command : fDBInit\n\\Half.cdb is truncated, cut "
                                                  "short by a copy or transfer that did not finish: it holds %1 of "
                                                  "its %2 bytes.")
                                       .arg(whole.size() / 2)
                                       .arg(whole.size()));
    EXPECT_EQ(context.databasePath(), "\\Stock.cdb");
    ASSERT_EQ(window.rows().size(), 1);
    EXPECT_EQ(window.rows()[0].name, "Items");
    EXPECT_EQ(window.rows()[0].recordCount, "201");
    EXPECT_EQ(rows("SELECT Name FROM Items").value(0), QStringList({"Zoë's pen"}));
    EXPECT_EQ(framework::RecentFileList().entries(), QStringList({"\\Stock.cdb"}));
}

TEST_F(DatabaseLifecycle, CreatingInPlaceReplacesTheOldFileOnlyOnceTheNewOneIsMade)
{
    createDatabase("\\Sales.cdb");
    ASSERT_TRUE(run("CREATE TABLE 'Items' (Name text)"));
    // Left by an attempt that was cut short.
    QFile leftover(QString::fromStdString((root / "Sales.new.cdb").string()));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();

    ASSERT_TRUE(CreateDatabaseInPlace(context, window, "\\Sales.cdb"));
    EXPECT_EQ(context.databasePath(), "\\Sales.cdb");
    EXPECT_TRUE(tableId("Items").isEmpty());
    EXPECT_FALSE(device::fileExists("\\Sales.new.cdb"));
}

TEST_F(DatabaseLifecycle, CreatingInPlaceThatFailsKeepsTheOldFile)
{
    createDatabase("\\Sales.cdb");
    ASSERT_TRUE(run("CREATE TABLE 'Items' (Name text)"));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString((root / "Sales.new.cdb").string())));
    EXPECT_FALSE(CreateDatabaseInPlace(context, window, "\\Sales.cdb"));
    EXPECT_EQ(context.openDatabase, nullptr);
    ASSERT_TRUE(OpenDatabase(context, window, "\\Sales.cdb"));
    EXPECT_FALSE(tableId("Items").isEmpty());
}

TEST_F(DatabaseLifecycle, ClosingForgetsTheOpenDatabase)
{
    createDatabase();
    EXPECT_TRUE(CloseDatabase(context));
    EXPECT_EQ(context.openDatabase, nullptr);
    EXPECT_TRUE(CloseDatabase(context));
}

TEST_F(DatabaseLifecycle, DeletingRemovesTheFileAndItsRecentEntry)
{
    createDatabase("\\Sales.cdb");
    createDatabase("\\Stock.cdb");
    CloseDatabase(context);
    framework::RecentFileList recent;
    for (const char* path : {"\\Sales.cdb", "\\sales.cdb", "\\Stock.cdb"})
        recent.add(path);

    EXPECT_TRUE(DeleteDatabase("\\Sales.cdb"));
    EXPECT_FALSE(device::fileExists("\\Sales.cdb"));
    EXPECT_EQ(framework::RecentFileList().entries(), QStringList({"\\Stock.cdb", "\\sales.cdb"}))
        << "only the exact path goes";

    EXPECT_FALSE(DeleteDatabase("\\Sales.cdb"));
    EXPECT_NE(device::lastError(), 0u);
    EXPECT_EQ(framework::RecentFileList().entries().size(), 2);
    EXPECT_TRUE(messages.texts().isEmpty()) << "the caller reports";
}
