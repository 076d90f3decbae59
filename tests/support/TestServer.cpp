#include "support/TestServer.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>
#include <libpq-fe.h>

#ifndef VARNEL_TEST_SERVER
#define VARNEL_TEST_SERVER ""
#endif

namespace {

QString runOn(const QString& address, const QString& sql)
{
    PGconn* conn = PQconnectdb(address.toUtf8().constData());
    QString error;
    if (PQstatus(conn) != CONNECTION_OK) {
        error = QString::fromUtf8(PQerrorMessage(conn));
    } else {
        PGresult* result = PQexec(conn, sql.toUtf8().constData());
        const ExecStatusType status = PQresultStatus(result);
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
            error = QString::fromUtf8(PQresultErrorMessage(result));
        PQclear(result);
    }
    PQfinish(conn);
    return error.trimmed();
}

} // namespace

QString testServerAddress(const QString& database)
{
    QString address = QStringLiteral(VARNEL_TEST_SERVER);
    return address.replace(QStringLiteral("/postgres?"), QLatin1Char('/') + database + QLatin1Char('?'));
}

TestServerDatabase::TestServerDatabase(const QString& name)
{
    // Server names are at most 63 characters: the test's name is kept by its hash.
    m_name = QStringLiteral("vt_") +
             QString::fromLatin1(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(24));
    const QString maintenance = QStringLiteral(VARNEL_TEST_SERVER);
    if (maintenance.isEmpty()) {
        m_error = QStringLiteral("built without the test server's address");
        return;
    }
    runOn(maintenance, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_name));
    m_error = runOn(maintenance, QStringLiteral("CREATE DATABASE %1").arg(m_name));
    if (m_error.isEmpty())
        m_address = testServerAddress(m_name);
}

TestServerDatabase::~TestServerDatabase()
{
    if (!m_address.isEmpty())
        runOn(QStringLiteral(VARNEL_TEST_SERVER), QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_name));
}

QString TestServerDatabase::run(const QString& sql) const
{
    return runOn(m_address, sql);
}

QString TestServerDatabase::dropSessions() const
{
    // pg_terminate_backend only asks: the sessions are waited for until they are gone.
    const QString sessions = QStringLiteral("FROM pg_stat_activity WHERE datname = '%1' AND pid <> pg_backend_pid()").arg(m_name);
    const QString error = runOn(QStringLiteral(VARNEL_TEST_SERVER), QStringLiteral("SELECT pg_terminate_backend(pid) ") + sessions);
    const QString wait = QStringLiteral("DO $$ BEGIN FOR i IN 1..1000 LOOP EXIT WHEN NOT EXISTS (SELECT 1 %1); "
                                        "PERFORM pg_sleep(0.01); END LOOP; END $$").arg(sessions);
    return error.isEmpty() ? runOn(QStringLiteral(VARNEL_TEST_SERVER), wait) : error;
}

QString TestServerDatabase::setReachable(bool reachable) const
{
    return runOn(QStringLiteral(VARNEL_TEST_SERVER), QStringLiteral("ALTER DATABASE %1 ALLOW_CONNECTIONS %2")
                                                         .arg(m_name, reachable ? QStringLiteral("true")
                                                                                : QStringLiteral("false")));
}

bool TestDatabase::onServer()
{
    return qEnvironmentVariable("VARNEL_TEST_ENGINE") == QLatin1String("server");
}

TestDatabase::TestDatabase(const QString& filePath) : m_path(filePath)
{
    if (!onServer())
        return;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    m_server = std::make_unique<TestServerDatabase>(
        test ? QString::fromUtf8(test->test_suite_name()) + u'.' + QString::fromUtf8(test->name()) : filePath);
    EXPECT_TRUE(m_server->error().isEmpty()) << m_server->error().toStdString();
    m_path = m_server->address();
}
