// The File menu's server commands over a real server database: a file copied to the server, opened
// there by a user who signs in with a password, and copied back to a file.
#include "FakeShell.h"

#include "app/CommandIds.h"
#include "app/ContextDatabase.h"
#include "app/shell/DatabaseCommands.h"
#include "app/shell/DatabaseWindowModel.h"
#include "app/shell/SampleDatabase.h"
#include "data/CAppContext.h"
#include "platform/cedb/Engine.h"
#include "platform/cedb/ServerAccess.h"
#include "support/MessageRecorder.h"
#include "support/TempRoot.h"
#include "support/TestServer.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ServerCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.error().isEmpty()) << server.error().toStdString();
        QDir(QString::fromStdString(root.path().string())).mkpath("Documents");
    }
    void TearDown() override { cedb::Connection::create()->Close(); }

    QString title() const { return QStringLiteral("%1 on localhost - Varnel Desk").arg(databaseName()); }
    // The tables the window lists, with their record counts.
    QStringList listed() const
    {
        QStringList rows;
        for (const TableRow& row : model.tables())
            rows << row.name + u'|' + row.recordCount;
        return rows;
    }
    QString databaseName() const { return server.address().section(u'/', 3).section(u'?', 0, 0); }

    TempRoot root;
    MessageRecorder messages;
    // A database of each test's own: ctest runs the tests of this suite at the same time.
    TestServerDatabase server{QStringLiteral("ServerCommandsTest.") +
                              QString::fromUtf8(::testing::UnitTest::GetInstance()->current_test_info()->name())};
    CAppContext context;
    DatabaseWindowModel model;
    ContextDatabase database{context, model};
    FakeRecent recent;
    FakePlatform platform;
    DatabaseCommands commands{model, database, recent, platform};
};

TEST_F(ServerCommandsTest, AFileGoesToTheServerIsOpenedThereWithAPasswordAndComesBack)
{
    ASSERT_TRUE(buildSampleDatabase(database, QStringLiteral("\\Documents\\Sample.cdb")));
    ASSERT_TRUE(database.openDatabase(QStringLiteral("\\Documents\\Sample.cdb")));
    const QStringList tables = listed();
    ASSERT_FALSE(tables.isEmpty());

    platform.serverAnswer = server.address();
    messages.clear();
    commands.run(cmd::CopyDatabase);
    EXPECT_EQ(platform.serverTitles, QStringList{"Copy Database To"});
    EXPECT_EQ(messages.texts(), QStringList{"Database copied to " + databaseName() + " on localhost."});

    // A clerk of the shop signs in: the first password typed is wrong and is asked for again.
    server.run("DROP OWNED BY vt_shopclerk");
    server.run("CREATE ROLE vt_shopclerk LOGIN PASSWORD 'right'");
    ASSERT_EQ(server.run("GRANT ALL ON ALL TABLES IN SCHEMA public TO vt_shopclerk; "
                         "GRANT ALL ON ALL SEQUENCES IN SCHEMA public TO vt_shopclerk"),
              QString());
    const QString clerk = QString(server.address()).replace("user=varnel", "user=vt_shopclerk");
    platform.serverAnswer = clerk;
    platform.passwordAnswers = {"wrong", "right"};
    messages.clear();
    commands.run(cmd::OpenServerDatabase);
    ASSERT_EQ(platform.passwordQuestions.size(), 2);
    EXPECT_EQ(platform.passwordQuestions[0], "The server at localhost asks for the password of vt_shopclerk.");
    EXPECT_TRUE(platform.passwordQuestions[1].startsWith("The server at localhost refused the password of vt_shopclerk"));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('\n').toStdString();
    EXPECT_EQ(database.openPath(), clerk) << "the address holds no password";
    EXPECT_EQ(commands.windowTitle(), title());
    EXPECT_EQ(listed(), tables);

    platform.newDatabaseAnswer = QStringLiteral("\\Back.cdb");
    messages.clear();
    commands.run(cmd::CopyDatabase);
    EXPECT_EQ(messages.texts(), QStringList{"Database copied to Back.cdb."});
    ASSERT_TRUE(database.openDatabase(QStringLiteral("\\Back.cdb")));
    EXPECT_EQ(listed(), tables);
    EXPECT_EQ(commands.windowTitle(), "Back.cdb - Varnel Desk");
    cedb::rememberServerPassword(clerk, QString());
}

TEST_F(ServerCommandsTest, AServerThatCannotBeUsedIsToldAndTheOpenDatabaseStays)
{
    ASSERT_TRUE(buildSampleDatabase(database, QStringLiteral("\\Documents\\Sample.cdb")));
    ASSERT_TRUE(database.openDatabase(QStringLiteral("\\Documents\\Sample.cdb")));
    QTemporaryDir nowhere;
    platform.serverAnswer = QString(server.address()).replace(QRegularExpression("host=[^&]+"), "host=" + nowhere.path());
    messages.clear();
    commands.run(cmd::OpenServerDatabase);
    EXPECT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().value(0).startsWith("No database server is running at localhost"));
    EXPECT_EQ(database.openPath(), QStringLiteral("\\Documents\\Sample.cdb"));

    // An empty server database is made from New Server Database; a second time it holds one already.
    platform.serverAnswer = server.address();
    messages.clear();
    commands.run(cmd::NewServerDatabase);
    EXPECT_EQ(messages.texts(), QStringList{"Database created successfully."});
    EXPECT_EQ(commands.windowTitle(), title());
    messages.clear();
    commands.run(cmd::NewServerDatabase);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith("Database was not created.\n")) << messages.texts()[0].toStdString();
    EXPECT_TRUE(messages.texts()[0].contains("holds a database already")) << messages.texts()[0].toStdString();
}

} // namespace
