// Reaching a server database: each way the server can refuse is told in words of its own, and a
// password is taken from the user's password file or typed, and kept only in memory.
#include "platform/cedb/Engine.h"
#include "platform/cedb/ServerAccess.h"
#include "support/TempRoot.h"
#include "support/TestServer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

using cedb::ServerRefusal;

class ServerAccessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.error().isEmpty()) << server.error().toStdString();
        // Users are the whole server's: each run makes them afresh under names no other test uses.
        for (const char* role : {"vt_clerk", "vt_visitor"}) {
            server.run(QStringLiteral("DROP OWNED BY %1").arg(role));
            server.run(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD 'right'").arg(role));
        }
        const QString database = server.address().section(u'/', 3).section(u'?', 0, 0);
        ASSERT_EQ(server.run(QStringLiteral("REVOKE CONNECT ON DATABASE %1 FROM PUBLIC").arg(database)), QString());
        ASSERT_EQ(server.run(QStringLiteral("GRANT CONNECT ON DATABASE %1 TO vt_clerk").arg(database)), QString());
    }
    void TearDown() override { cedb::rememberServerPassword(as("vt_clerk"), QString()); }

    QString as(const QString& user) const
    {
        return QString(server.address()).replace(QStringLiteral("user=varnel"), QStringLiteral("user=") + user);
    }

    // Each test has a database of its own: ctest runs them side by side, and one's end drops its database.
    TestServerDatabase server{QStringLiteral("ServerAccessTest.") +
                              QString::fromUtf8(::testing::UnitTest::GetInstance()->current_test_info()->name())};
};

TEST_F(ServerAccessTest, EachRefusalIsToldInItsOwnWords)
{
    const cedb::ServerReach noPassword = cedb::reachServer(as("vt_clerk"));
    EXPECT_EQ(noPassword.refusal, ServerRefusal::PasswordNeeded) << noPassword.text.toStdString();
    EXPECT_EQ(noPassword.text, "The server at localhost asks for the password of vt_clerk.");

    cedb::rememberServerPassword(as("vt_clerk"), QStringLiteral("wrong"));
    const cedb::ServerReach wrong = cedb::reachServer(as("vt_clerk"));
    EXPECT_EQ(wrong.refusal, ServerRefusal::WrongPassword) << wrong.text.toStdString();
    EXPECT_TRUE(wrong.text.startsWith("The server at localhost refused the password of vt_clerk")) << wrong.text.toStdString();

    const QString missing = QString(server.address()).replace(QRegularExpression("/vt_[0-9a-f]+\\?"), "/vt_none?");
    const cedb::ServerReach none = cedb::reachServer(missing);
    EXPECT_EQ(none.refusal, ServerRefusal::NoDatabase) << none.text.toStdString();
    EXPECT_EQ(none.text, "The server at localhost holds no database named vt_none.");

    // vt_visitor signs in with the right password but may not connect to this database.
    cedb::rememberServerPassword(as("vt_visitor"), QStringLiteral("right"));
    const cedb::ServerReach visitor = cedb::reachServer(as("vt_visitor"));
    cedb::rememberServerPassword(as("vt_visitor"), QString());
    EXPECT_EQ(visitor.refusal, ServerRefusal::NoPrivilege) << visitor.text.toStdString();
    EXPECT_TRUE(visitor.text.startsWith("vt_visitor has no privilege to use the database")) << visitor.text.toStdString();

    QTemporaryDir nowhere;
    const QString stopped = QString(server.address()).replace(QRegularExpression("host=[^&]+"), "host=" + nowhere.path());
    const cedb::ServerReach down = cedb::reachServer(stopped);
    EXPECT_EQ(down.refusal, ServerRefusal::NotRunning) << down.text.toStdString();
    EXPECT_TRUE(down.text.startsWith("No database server is running at localhost")) << down.text.toStdString();
}

TEST_F(ServerAccessTest, APasswordComesFromThePasswordFileOrIsTypedAndThenOpensTheDatabase)
{
    QTemporaryDir home;
    const QString file = home.filePath(QStringLiteral("pgpass"));
    QFile pgpass(file);
    ASSERT_TRUE(pgpass.open(QIODevice::WriteOnly));
    pgpass.write("*:*:*:vt_clerk:right\n");
    pgpass.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    pgpass.close();
    qputenv("PGPASSFILE", file.toUtf8());
    EXPECT_EQ(cedb::reachServer(as("vt_clerk")).refusal, ServerRefusal::None);
    qunsetenv("PGPASSFILE");

    cedb::rememberServerPassword(as("vt_clerk"), QStringLiteral("right"));
    EXPECT_EQ(cedb::reachServer(as("vt_clerk")).refusal, ServerRefusal::None);
    EXPECT_FALSE(as("vt_clerk").contains(QStringLiteral("right"))) << "the address never holds the password";

    // Reached, but the tables are not the clerk's to read: said so, not taken for an empty database.
    TempRoot root;
    auto creator = cedb::Recordset::create();
    ASSERT_EQ(creator->Open(QStringLiteral("Create Database '") + server.address() + u'\'', QString(), 0, 1,
                            cedb::adCmdUnknown),
              S_OK);
    auto records = cedb::Recordset::create();
    EXPECT_EQ(records->Open(QStringLiteral("MSysTables"), as("vt_clerk"), 0, 1, cedb::adCmdUnknown),
              cedb::DB_SEC_E_PERMISSIONDENIED);
    EXPECT_TRUE(cedb::lastError().description.startsWith("You have no privilege to read the tables of"))
        << cedb::lastError().description.toStdString();
    cedb::Connection::create()->Close();
}

} // namespace
