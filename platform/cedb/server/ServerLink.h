#pragma once
// One libpq connection to a server database: statements with "?" for each value, every value sent as a
// bound parameter of its own type, and the server's refusals turned into the engine's failure codes.
#include "platform/cedb/ServerAccess.h"
#include "platform/cedb/TypeRules.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <set>
#include <vector>

struct pg_conn;
struct pg_result;

namespace cedb {

// A statement's result; empty when the statement failed.
class ServerResult {
public:
    ServerResult() = default;
    explicit ServerResult(pg_result* result);
    explicit operator bool() const { return m_result != nullptr; }
    int rows() const;
    int columns() const;
    bool isNull(int row, int column) const;
    // The value's bytes as the server sent them: text, or the binary form when asked for.
    QByteArray bytes(int row, int column) const;
    const char* data(int row, int column) const;
    int size(int row, int column) const;
    qint64 affected() const; // rows an INSERT, UPDATE or DELETE touched
    // The statement's tag: "COMMIT", or "ROLLBACK" for a COMMIT of a transaction a failure ended.
    QByteArray command() const;

private:
    std::shared_ptr<pg_result> m_result;
};

class ServerLink {
public:
    ~ServerLink();
    // Statements every session of this link starts with, on connecting and on connecting anew.
    void setSessionSetup(const QByteArray& sql) { m_sessionSetup = sql; }
    // Connects to `address` (a libpq URI); the failure says why, in words for the user.
    HRESULT connect(const QString& address);
    // Runs `sql` with `values`; with `binary`, values come back in the server's binary forms.
    HRESULT exec(const QByteArray& sql, const std::vector<StoredValue>& values, ServerResult& result,
                 bool binary = false);
    HRESULT exec(const QByteArray& sql, const std::vector<StoredValue>& values = {});
    // A COPY ... FROM STDIN `sql` in parts: its rows are sent in the text format as they come, so that the
    // server stores them while more are made, and ending it with `abandon` drops every row it had. No
    // other statement runs while it is open.
    HRESULT startCopy(const QByteArray& sql);
    HRESULT putCopy(const QByteArray& data);
    HRESULT endCopy(bool abandon = false);
    bool copying() const { return m_copying; }
    // Several statements without values, as one text.
    HRESULT script(const char* sql);
    // The server, database and user the link reaches, without any password.
    const QString& description() const { return m_description; }
    // Why the last connect failed.
    ServerRefusal refusal() const { return m_refusal; }
    pg_conn* connection() const { return m_conn; }
    bool inTransaction() const;
    // Whether the server or the network dropped the connection.
    bool lost() const;
    // How many notifications other sessions sent to the channels this one listens to, since the last call.
    int takeNotifications();
    // Whether another session sent `payload` since the last call, with what the server has sent so far.
    bool takeHeard(const QByteArray& payload);

private:
    // Before each statement: whether it may run, and whether it is done already (`done`).
    HRESULT ready(const QByteArray& sql, bool& done);
    // After each statement: whether a transaction is open now.
    void settle();
    HRESULT startSession();
    void countNotifications();
    HRESULT refused(pg_result* result);

    pg_conn* m_conn = nullptr;
    QString m_description;
    QByteArray m_sessionSetup;
    int m_notifications = 0;
    std::set<QByteArray> m_heard; // the payloads of other sessions' notifications not yet taken
    // Kept from the last statement the server answered: a link that drops says no more about it.
    bool m_inTransaction = false;
    bool m_copying = false;
    bool m_copyFailed = false; // a part of the open copy could not be sent
    ServerRefusal m_refusal = ServerRefusal::None;
};

// `sql` with every ? outside quotes numbered $1, $2, ... as the server wants them.
QByteArray numberedParameters(const QByteArray& sql);

} // namespace cedb
