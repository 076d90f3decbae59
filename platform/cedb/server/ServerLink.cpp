#include "platform/cedb/server/ServerLink.h"

#include "platform/cedb/EngineThread.h"
#include "platform/cedb/ServerAccess.h"
#include "platform/cedb/ServerAddress.h"
#include "platform/cedb/Failures.h"
#include "platform/cedb/server/ServerValues.h"

#include <libpq-fe.h>

#include <algorithm>
#include <utility>

namespace cedb {

ServerResult::ServerResult(pg_result* result) : m_result(result, PQclear) {}

int ServerResult::rows() const { return m_result ? PQntuples(m_result.get()) : 0; }
int ServerResult::columns() const { return m_result ? PQnfields(m_result.get()) : 0; }
bool ServerResult::isNull(int row, int column) const { return PQgetisnull(m_result.get(), row, column) != 0; }
const char* ServerResult::data(int row, int column) const { return PQgetvalue(m_result.get(), row, column); }
int ServerResult::size(int row, int column) const { return PQgetlength(m_result.get(), row, column); }

QByteArray ServerResult::bytes(int row, int column) const
{
    return QByteArray(data(row, column), size(row, column));
}

qint64 ServerResult::affected() const
{
    return m_result ? QByteArray(PQcmdTuples(m_result.get())).toLongLong() : 0;
}

QByteArray ServerResult::command() const
{
    return m_result ? QByteArray(PQcmdStatus(m_result.get())) : QByteArray();
}

QByteArray numberedParameters(const QByteArray& sql)
{
    QByteArray numbered;
    numbered.reserve(sql.size() + 16);
    char quote = 0;
    int next = 1;
    for (const char c : sql) {
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '?') {
            numbered += '$' + QByteArray::number(next++);
            continue;
        }
        numbered += c;
    }
    return numbered;
}

ServerLink::~ServerLink()
{
    PQfinish(m_conn);
}

namespace {

QString firstLine(const char* message)
{
    return QString::fromUtf8(message).trimmed().section(u'\n', 0, 0);
}

} // namespace

HRESULT ServerLink::connect(const QString& address)
{
    const ServerPlace place = serverPlace(address);
    m_description = place.description();
    m_refusal = ServerRefusal::None;
    m_inTransaction = false;
    PQfinish(m_conn);
    // A server that does not answer is said to be unreachable in a while, not waited for without end; the
    // address's own timeout, and the password typed for it, go over this.
    const QByteArray target = address.toUtf8();
    const QByteArray password = rememberedServerPassword(address).toUtf8();
    const char* keywords[] = {"connect_timeout", "dbname", password.isEmpty() ? nullptr : "password", nullptr};
    const char* values[] = {"10", target.constData(), password.constData(), nullptr};
    m_conn = PQconnectdbParams(keywords, values, 1);
    if (PQstatus(m_conn) == CONNECTION_OK)
        return startSession();
    const QString why = QString::fromUtf8(PQerrorMessage(m_conn)).trimmed();
    PQfinish(m_conn);
    m_conn = nullptr;
    m_refusal = refusalOf(why);
    QString detail = firstLine(why.toUtf8().constData());
    if (const qsizetype at = detail.indexOf(QLatin1String("failed: ")); at >= 0)
        detail = detail.mid(at + 8);
    detail.remove(QLatin1String("FATAL:  "));
    return fail(refusalCode(m_refusal), refusalText(m_refusal, place, detail));
}

// What a session needs set before its first statement, again on a connection made anew.
HRESULT ServerLink::startSession()
{
    const QByteArray setup = "SET client_min_messages = warning;" + m_sessionSetup;
    pg_result* answer = PQexec(m_conn, setup.constData());
    if (!answer || PQresultStatus(answer) != PGRES_COMMAND_OK)
        return refused(answer);
    PQclear(answer);
    return S_OK;
}

// Notifications come in with the answers to statements too: each is counted and let go at once, so that
// a program that never asks for them holds none.
void ServerLink::countNotifications()
{
    const int own = PQbackendPID(m_conn);
    while (PGnotify* notification = PQnotifies(m_conn)) {
        if (notification->be_pid != own) {
            ++m_notifications;
            if (notification->extra && *notification->extra)
                m_heard.insert(QByteArray(notification->extra));
        }
        PQfreemem(notification);
    }
}

int ServerLink::takeNotifications()
{
    if (m_conn && PQconsumeInput(m_conn))
        countNotifications();
    return std::exchange(m_notifications, 0);
}

bool ServerLink::takeHeard(const QByteArray& payload)
{
    if (!lost() && PQconsumeInput(m_conn))
        countNotifications();
    return m_heard.erase(payload) > 0;
}

bool ServerLink::inTransaction() const
{
    return m_inTransaction;
}

bool ServerLink::lost() const
{
    return !m_conn || PQstatus(m_conn) != CONNECTION_OK;
}

void ServerLink::settle()
{
    if (lost())
        return;
    const PGTransactionStatusType status = PQtransactionStatus(m_conn);
    m_inTransaction = status == PQTRANS_INTRANS || status == PQTRANS_INERROR;
}

// A link the server or the network dropped is made again for the next statement, found out before the
// statement is sent: a server restarted, or a session ended by its administrator, costs the user nothing.
// One that dropped inside a transaction is not made again until the transaction ends, since the
// transaction's work is gone with it: every statement up to its end is refused, and its ROLLBACK has
// nothing left to do.
HRESULT ServerLink::ready(const QByteArray& sql, bool& done)
{
    done = false;
    if (const HRESULT hr = checkEngineThread(); FAILED(hr))
        return hr;
    if (!m_conn)
        return fail(E_FAIL, QStringLiteral("Not connected to %1").arg(m_description));
    if (m_copying)
        return fail(DB_E_RESOURCELOCKED, QStringLiteral("%1 is taking the records of an import; try again when it "
                                                        "has ended")
                                             .arg(m_description));
    // A session the server ended sends its last word and then closes: the second read finds the close.
    for (int read = 0; read < 2 && !lost() && !m_inTransaction; ++read)
        if (PQconsumeInput(m_conn))
            countNotifications();
    if (!lost())
        return S_OK;
    if (m_inTransaction) {
        const bool ending = sql == "ROLLBACK" || sql == "COMMIT";
        if (ending)
            m_inTransaction = false;
        done = sql == "ROLLBACK";
        return done ? S_OK
                    : fail(DB_E_CONNECTIONLOST, QStringLiteral("The connection to %1 was lost in the middle of a "
                                                               "change; none of the change was stored")
                                       .arg(m_description));
    }
    PQreset(m_conn);
    if (!lost())
        return startSession();
    return fail(DB_E_CONNECTIONLOST, QStringLiteral("The connection to %1 is lost: %2")
                                         .arg(m_description, firstLine(PQerrorMessage(m_conn))));
}

HRESULT ServerLink::refused(pg_result* result)
{
    const QByteArray state(result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr);
    const QString message = firstLine(result ? PQresultErrorMessage(result) : PQerrorMessage(m_conn));
    if (result)
        PQclear(result);
    if (PQstatus(m_conn) != CONNECTION_OK || state.startsWith("08"))
        return fail(DB_E_CONNECTIONLOST, QStringLiteral("The connection to %1 was lost: %2").arg(m_description, message));
    const QString text = QStringLiteral("The server refused the statement: %1").arg(message);
    if (state == "42501")
        return fail(DB_SEC_E_PERMISSIONDENIED, text);
    if (state.startsWith("42"))
        return fail(DB_E_ERRORSINCOMMAND, text);
    if (state.startsWith("22") || state.startsWith("23"))
        return fail(DB_E_BADVALUES, text);
    if (state == "40001" || state == "40P01" || state == "55P03")
        return fail(DB_E_RESOURCELOCKED, text);
    if (state == "53200")
        return fail(E_OUTOFMEMORY, text);
    if (state == "57014")
        return fail(E_ABORT, QStringLiteral("The statement was stopped before it ended"));
    return fail(E_FAIL, text);
}

HRESULT ServerLink::exec(const QByteArray& sql, const std::vector<StoredValue>& values, ServerResult& result,
                         bool binary)
{
    result = ServerResult();
    bool done = false;
    if (const HRESULT hr = ready(sql, done); FAILED(hr) || done)
        return hr;
    std::vector<ServerParameter> parameters;
    parameters.reserve(values.size());
    std::vector<Oid> types;
    std::vector<const char*> data;
    std::vector<int> sizes, formats;
    for (const StoredValue& value : values) {
        parameters.push_back(serverParameter(value));
        const ServerParameter& parameter = parameters.back();
        types.push_back(parameter.type);
        data.push_back(parameter.null ? nullptr : parameter.bytes.constData());
        sizes.push_back(int(parameter.bytes.size()));
        formats.push_back(parameter.binary ? 1 : 0);
    }
    pg_result* answer = PQexecParams(m_conn, numberedParameters(sql).constData(), int(values.size()), types.data(),
                                     data.data(), sizes.data(), formats.data(), binary ? 1 : 0);
    const ExecStatusType status = answer ? PQresultStatus(answer) : PGRES_FATAL_ERROR;
    settle();
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        return refused(answer);
    result = ServerResult(answer);
    countNotifications();
    return S_OK;
}

HRESULT ServerLink::startCopy(const QByteArray& sql)
{
    bool done = false;
    if (const HRESULT hr = ready(sql, done); FAILED(hr) || done)
        return hr;
    pg_result* answer = PQexec(m_conn, sql.constData());
    if (!answer || PQresultStatus(answer) != PGRES_COPY_IN) {
        settle();
        return refused(answer);
    }
    PQclear(answer);
    m_copying = true;
    m_copyFailed = false;
    return S_OK;
}

HRESULT ServerLink::putCopy(const QByteArray& data)
{
    // A row the server refuses shows only at the end; until then the rows go on, and a link that
    // could not send them ends the copy without any.
    if (!m_copying || m_copyFailed)
        return S_OK;
    m_copyFailed = PQputCopyData(m_conn, data.constData(), int(data.size())) != 1;
    return S_OK;
}

HRESULT ServerLink::endCopy(bool abandon)
{
    if (!m_copying)
        return S_OK;
    m_copying = false;
    // Ending the copy with an error text makes the server drop the rows it has had.
    PQputCopyEnd(m_conn, abandon || m_copyFailed ? "the rows could not be sent whole" : nullptr);
    pg_result* end = PQgetResult(m_conn);
    HRESULT hr = S_OK;
    if (end && PQresultStatus(end) == PGRES_COMMAND_OK && !m_copyFailed)
        PQclear(end);
    else
        hr = refused(end);
    while (pg_result* more = PQgetResult(m_conn))
        PQclear(more);
    settle();
    countNotifications();
    return hr;
}

HRESULT ServerLink::script(const char* sql)
{
    bool done = false;
    if (const HRESULT hr = ready(sql, done); FAILED(hr) || done)
        return hr;
    pg_result* answer = PQexec(m_conn, sql);
    settle();
    if (!answer || PQresultStatus(answer) != PGRES_COMMAND_OK)
        return refused(answer);
    PQclear(answer);
    return S_OK;
}

HRESULT ServerLink::exec(const QByteArray& sql, const std::vector<StoredValue>& values)
{
    ServerResult ignored;
    return exec(sql, values, ignored);
}

} // namespace cedb
