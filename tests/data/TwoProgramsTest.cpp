// Two programs on one file: while the other holds a write, our edit waits a while, then fails with a
// message that names the cause; nothing is lost, and what the other wrote shows at our next read.
#include "CatalogueFixture.h"

#include "data/CDbRecordset.h"

#include <QFile>
#include <QProcess>

#include <sys/stat.h>

namespace {

class TwoProgramsTest : public CatalogueFixture {
protected:
    void SetUp() override
    {
        createDatabase(QStringLiteral("\\Shared.cdb"));
        ASSERT_TRUE(run("CREATE TABLE People (Name varchar(30), Age int)"));
        ASSERT_TRUE(run("INSERT INTO People VALUES ('Ann', 3)"));
        storage = QStringLiteral("t") + tableId("People");
        messages.clear();
    }

    QString host() const { return QString::fromStdString((root / "Shared.cdb").string()); }

    // The other program adds a record in a transaction it keeps open: "EXCLUSIVE" keeps readers out too,
    // "IMMEDIATE" only writers.
    void holdWrite(QProcess& other, const char* lock)
    {
        other.start(QStringLiteral("sqlite3"), {host()});
        ASSERT_TRUE(other.waitForStarted());
        other.write(QStringLiteral("BEGIN %1; INSERT INTO %2 (c1, c2) VALUES ('Other', 9);\n.print held\n")
                        .arg(QLatin1String(lock), storage)
                        .toUtf8());
        ASSERT_TRUE(other.waitForReadyRead(10000));
        ASSERT_TRUE(other.readAll().contains("held"));
    }

    QString storage;
};

TEST_F(TwoProgramsTest, AnEditWhileAnotherProgramWritesFailsWithItsCauseAndLosesNothing)
{
    QProcess other;
    ASSERT_NO_FATAL_FAILURE(holdWrite(other, "EXCLUSIVE"));

    EXPECT_FALSE(run("INSERT INTO People VALUES ('Bo', 4)"));
    EXPECT_EQ(messages.texts(), QStringList({fileFailureText(cedb::DB_E_RESOURCELOCKED)}));

    other.write("COMMIT;\n.quit\n");
    ASSERT_TRUE(other.waitForFinished(10000));
    EXPECT_EQ(column("SELECT Name FROM People", 0), QStringList({"Ann", "Other"}));
    EXPECT_TRUE(run("INSERT INTO People VALUES ('Bo', 4)"));
    EXPECT_EQ(column("SELECT Name FROM People", 0), QStringList({"Ann", "Other", "Bo"}));
}

TEST_F(TwoProgramsTest, TheTablesListIsReadAgainWithoutWritingWhileAnotherProgramWrites)
{
    ASSERT_TRUE(run("CREATE TABLE Orders (Item varchar(20))"));
    QProcess other;
    ASSERT_NO_FATAL_FAILURE(holdWrite(other, "IMMEDIATE"));

    EXPECT_TRUE(relistTables(context, window));
    QStringList listed;
    for (const HeadlessDatabaseWindow::TableRow& row : window.rows())
        listed << row.name + "=" + row.recordCount;
    EXPECT_EQ(listed, QStringList({"People=1", "Orders=0"}));
    EXPECT_TRUE(messages.texts().isEmpty()) << "listing waits for no lock and mends nothing";

    other.write("COMMIT;\n.quit\n");
    ASSERT_TRUE(other.waitForFinished(10000));
    EXPECT_TRUE(relistTables(context, window));
    EXPECT_EQ(window.rows().first().recordCount, "2");
}

TEST_F(TwoProgramsTest, AFileMarkedReadOnlyOpensButRefusesEveryEditWithItsCause)
{
    ASSERT_TRUE(CloseDatabase(context));
    ASSERT_EQ(::chmod(QFile::encodeName(host()).constData(), 0444), 0);
    QFile file(host());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    ASSERT_TRUE(OpenDatabase(context, window, "\\Shared.cdb"));
    EXPECT_EQ(column("SELECT Name FROM People", 0), QStringList({"Ann"}));
    messages.clear();
    EXPECT_FALSE(run("INSERT INTO People VALUES ('Bo', 4)"));
    EXPECT_FALSE(run("CREATE TABLE Other (x int)"));
    const QString refused = fileFailureText(cedb::DB_SEC_E_PERMISSIONDENIED);
    EXPECT_EQ(messages.texts(), QStringList({refused, refused}));
    CDbRecordset people(context.connection, context.databasePath());
    ASSERT_TRUE(people.Open("People", 2, 3));
    EXPECT_FALSE(people.Delete());
    ASSERT_TRUE(CloseDatabase(context));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    ::chmod(QFile::encodeName(host()).constData(), 0644);
}

} // namespace
