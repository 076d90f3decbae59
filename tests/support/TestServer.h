#pragma once
// A database of its own on the tests' throwaway server (started by the test_server fixture) for one
// test: created empty, dropped with everything in it afterwards.
#include <QString>

#include <memory>

class TestServerDatabase {
public:
    // `name` tells the test apart from the others that may run at the same time.
    explicit TestServerDatabase(const QString& name);
    ~TestServerDatabase();
    TestServerDatabase(const TestServerDatabase&) = delete;
    TestServerDatabase& operator=(const TestServerDatabase&) = delete;

    // The database's postgresql:// address; empty when the server could not make it (see error()).
    const QString& address() const { return m_address; }
    const QString& error() const { return m_error; }
    // Runs `sql` on the server as its owner; the server's message when it fails, else empty.
    QString run(const QString& sql) const;
    // Ends every other session on the database, as a server restarted or an administrator would.
    QString dropSessions() const;
    // Whether the server lets anyone connect to the database, as a server down and up again would.
    QString setReachable(bool reachable) const;

private:
    QString m_name;
    QString m_address;
    QString m_error;
};

// The address of the tests' server with `database` in place of its maintenance database.
QString testServerAddress(const QString& database);

// The database a logic test works on: `filePath` under the test's device root, or, when the tests run
// with VARNEL_TEST_ENGINE=server (CTest's server runs of the same tests), a database of the test's own
// on the tests' server.
class TestDatabase {
public:
    explicit TestDatabase(const QString& filePath);
    const QString& path() const { return m_path; }
    // The database on the tests' server; null for a file.
    const TestServerDatabase* server() const { return m_server.get(); }
    static bool onServer();

private:
    std::unique_ptr<TestServerDatabase> m_server;
    QString m_path;
};
