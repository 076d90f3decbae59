#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "platform/cedb/History.h"
#include "platform/device/Files.h"
#include "platform/framework/Profile.h"

#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

namespace {

struct Result {
    int status = -1;
    QString out;
    QString err;
};

Result cli(const QStringList& arguments, const QString& folder = {})
{
    QProcess process;
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(VARNEL_CLI, arguments);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QStringList tableNames(const QString& path)
{
    CAppContext context;
    CDbRecordset tables(context.connection, path);
    QStringList names;
    if (tables.Open("SELECT * FROM MSysTables", 0, 1))
        for (; !tables.IsEOF(); tables.MoveNext())
            names << tables.GetFieldString(0);
    return names;
}

void runOn(const QString& path, const QString& sql)
{
    CAppContext context;
    CDbRecordset statement(context.connection, path);
    ASSERT_TRUE(statement.Open(sql, 0, 1)) << sql.toStdString();
}

} // namespace

TEST(VarnelCli, CreateListAndDeleteADatabase)
{
    TempRoot root;
    ASSERT_EQ(cli({"create", "\\Shop.cdb"}).status, 0);
    ASSERT_TRUE(device::fileExists("\\Shop.cdb"));
    const QStringList names = tableNames("\\Shop.cdb");
    for (const char* catalogue : {"XNSysTables", "XNSysForms", "XNSysFields", "XNSysRelations", "XNSysMacros",
                                  "XNSysModules", "XNSysQueries"})
        EXPECT_TRUE(names.contains(catalogue)) << catalogue;

    Result tables = cli({"tables", "\\Shop.cdb"});
    EXPECT_EQ(tables.status, 0);
    EXPECT_EQ(tables.out, "") << "only user tables are listed";

    runOn("\\Shop.cdb", "CREATE TABLE 'Order Lines' (Item text)");
    runOn("\\Shop.cdb", "INSERT INTO 'Order Lines' VALUES('pen')");
    runOn("\\Shop.cdb", "INSERT INTO 'Order Lines' VALUES('ink')");
    runOn("\\Shop.cdb", "CREATE TABLE 'Stock' (Item text)");
    tables = cli({"tables", QString::fromStdString((root / "Shop.cdb").string())});
    EXPECT_EQ(tables.status, 0) << "a host path under the root names the same file";
    const QStringList lines = tables.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines.contains(QRegularExpression("^Order Lines\t2\t[0-9]+$"))) << tables.out.toStdString();
    EXPECT_TRUE(lines.contains(QRegularExpression("^Stock\t0\t[0-9]+$"))) << tables.out.toStdString();

    EXPECT_EQ(cli({"delete", "\\Shop.cdb"}).status, 0);
    EXPECT_FALSE(device::fileExists("\\Shop.cdb"));
    const Result again = cli({"delete", "\\Shop.cdb"});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err, "Varnel Desk 5.0: Database was not deleted.\n");
}

TEST(VarnelCli, AMissingDatabaseIsReportedOnStandardError)
{
    TempRoot root;
    const Result tables = cli({"tables", "\\Missing.cdb"});
    EXPECT_EQ(tables.status, 1);
    EXPECT_EQ(tables.out, "");
    EXPECT_EQ(tables.err, "Varnel Desk 5.0: Database doesn't exist.\n");

    EXPECT_NE(cli({"tables", "\\..\\..\\etc\\passwd"}).status, 0) << "a path that leaves the device is refused";
    EXPECT_NE(cli({"create"}).status, 0);
}

TEST(VarnelCli, ProfileValuesAreTheProgramsOwn)
{
    TempRoot root;
    EXPECT_EQ(cli({"profile", "set", "GENERAL_OPTIONS", "OpenMostRecentDB", "1"}).status, 0);
    EXPECT_EQ(cli({"profile", "set", "TABLEFORM_OPTIONS", "GridLineColor", "-5"}).status, 0);
    EXPECT_EQ(cli({"profile", "set", "GENERAL_OPTIONS", "Font", "Courier New"}).status, 0);
    EXPECT_EQ(cli({"profile", "set", "TABLEFORM_OPTIONS", "ColumnSize", "12a"}).status, 0);
    EXPECT_EQ(framework::GetProfileInt("GENERAL_OPTIONS", "OpenMostRecentDB", 0), 1);
    EXPECT_EQ(framework::GetProfileInt("TABLEFORM_OPTIONS", "GridLineColor", 0), -5);
    EXPECT_EQ(framework::GetProfileString("GENERAL_OPTIONS", "Font", ""), "Courier New");
    EXPECT_EQ(framework::GetProfileString("TABLEFORM_OPTIONS", "ColumnSize", ""), "12a");

    framework::WriteProfileString("KEY_OPTIONS", "OnNextField", "TRUE");
    framework::WriteProfileInt("KEY_OPTIONS", "Button1", 0);
    EXPECT_EQ(cli({"profile", "get", "KEY_OPTIONS", "OnNextField"}).out, "TRUE\n");
    EXPECT_EQ(cli({"profile", "get", "KEY_OPTIONS", "Button1"}).out, "0\n");
    EXPECT_EQ(cli({"profile", "get", "GENERAL_OPTIONS", "Font"}).out, "Courier New\n");
    const Result missing = cli({"profile", "get", "KEY_OPTIONS", "Nothing"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "error: no setting Nothing in section KEY_OPTIONS\n");
}

TEST(VarnelCli, AKeyNeverWrittenShowsTheDefaultInForce)
{
    TempRoot root;
    EXPECT_EQ(cli({"profile", "get", "TABLEFORM_OPTIONS", "BackGround"}).out, "13500365\n");
    EXPECT_EQ(cli({"profile", "get", "tableform_options", "onselectioncolor"}).out, "16140212\n");
    EXPECT_EQ(cli({"profile", "get", "GENERAL_OPTIONS", "DefaultDatabase"}).out, "\\My Document\n");
    EXPECT_EQ(cli({"profile", "get", "KEY_OPTIONS", "OnFieldEnter"}).out, "3\n");
    EXPECT_EQ(cli({"profile", "get", "KEY_OPTIONS", "NextCharacter"}).out, "FALSE\n");
    const Result delimiter = cli({"profile", "get", "COMBOBOX_DELIMITER_LIST", "Delimit4"});
    EXPECT_EQ(delimiter.status, 0);
    EXPECT_EQ(delimiter.out, "\n") << "a delimiter entry never added reads as empty text";
    EXPECT_EQ(cli({"profile", "get", "KEY_OPTIONS", "Font"}).status, 1) << "a key of another section is unknown here";
}

// A table deleted in the database window is listed and comes back with its records, named by a path
// relative to the current folder; one whose name is taken again, or that was never deleted, stays away.
TEST(VarnelCli, DeletedTablesAreListedAndRestored)
{
    TempRoot root;
    ASSERT_EQ(cli({"create", "\\Shop.cdb"}).status, 0);
    runOn("\\Shop.cdb", "CREATE TABLE 'Order Lines' (Item text)");
    runOn("\\Shop.cdb", "INSERT INTO 'Order Lines' VALUES('pen')");
    runOn("\\Shop.cdb", "INSERT INTO 'Order Lines' VALUES('ink')");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString((root / "sub").string())));
    const QString folder = QString::fromStdString((root / "sub").string());

    EXPECT_EQ(cli({"deleted-tables", "../Shop.cdb"}, folder).out, "");
    QString message;
    ASSERT_TRUE(cedb::history::deleteTable("\\Shop.cdb", "Order Lines", message)) << message.toStdString();
    Result listed = cli({"deleted-tables", "../Shop.cdb"}, folder);
    EXPECT_EQ(listed.status, 0) << listed.err.toStdString();
    EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d [0-9:.]+\tOrder Lines\t2\n$").match(listed.out).hasMatch())
        << listed.out.toStdString();

    // Its name taken by a new table, it cannot come back, and says why.
    runOn("\\Shop.cdb", "CREATE TABLE 'Order Lines' (Other text)");
    Result refused = cli({"restore-table", "../Shop.cdb", "Order Lines"}, folder);
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.startsWith("error: Order Lines cannot be restored")) << refused.err.toStdString();
    runOn("\\Shop.cdb", "DROP TABLE 'Order Lines'");

    const Result restored = cli({"restore-table", "../Shop.cdb", "order lines"}, folder);
    EXPECT_EQ(restored.status, 0) << restored.err.toStdString();
    EXPECT_EQ(restored.out, "Restored Order Lines with 2 records\n");
    EXPECT_TRUE(cli({"tables", "../Shop.cdb"}, folder).out.startsWith("Order Lines\t2\t"));
    EXPECT_EQ(cli({"deleted-tables", "../Shop.cdb"}, folder).out, "");

    const Result missing = cli({"restore-table", "../Shop.cdb", "Order Lines"}, folder);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "error: no deleted table named Order Lines\n");
    EXPECT_EQ(cli({"deleted-tables"}).status, 2);
    EXPECT_EQ(cli({"restore-table", "../Shop.cdb"}, folder).status, 2);
}
