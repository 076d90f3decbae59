#include "platform/cedb/server/ServerLink.h"

#include "platform/cedb/EngineThread.h"
#include "platform/cedb/Failures.h"
#include "platform/cedb/server/ServerValues.h"

#include <libpq-fe.h>

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

QString describe(const QString& address)
{
    char* error = nullptr;
    PQconninfoOption* options = PQconninfoParse(address.toUtf8().constData(), &error);
    PQfreemem(error);
    if (!options)
        return QStringLiteral("the server database");
    QString host, port, database, user;
    for (PQconninfoOption* option = options; option->keyword; ++option) {
        const QString value = QString::fromUtf8(option->val ? option->val : "");
        const QByteArray keyword = option->keyword;
        if (keyword == "host")
            host = value;
        else if (keyword == "port")
            port = value;
        else if (keyword == "dbname")
            database = value;
        else if (keyword == "user")
            user = value;
    }
    PQconninfoFree(options);
    QString where = host.isEmpty() || host.startsWith(u'/') ? QStringLiteral("localhost") : host;
    if (!port.isEmpty() && port != u"5432")
        where += u':' + port;
    QString text = QStringLiteral("the database %1 on %2").arg(database.isEmpty() ? user : database, where);
    return user.isEmpty() ? text : text + QStringLiteral(" as %1").arg(user);
}

QString firstLine(const char* message)
{
    return QString::fromUtf8(message).trimmed().section(u'\n', 0, 0);
}

} // namespace

HRESULT ServerLink::connect(const QString& address)
{
    m_description = describe(address);
    PQfinish(m_conn);
    m_conn = PQconnectdb(address.toUtf8().constData());
    if (PQstatus(m_conn) == CONNECTION_OK) {
        PQexec(m_conn, "SET client_min_messages = warning");
        return S_OK;
    }
    const QString why = firstLine(PQerrorMessage(m_conn));
    PQfinish(m_conn);
    m_conn = nullptr;
    const HRESULT code = why.contains(QLatin1String("does not exist")) ? DB_E_NOTFOUND
                         : why.contains(QLatin1String("password")) ? DB_SEC_E_PERMISSIONDENIED
                                                                    : E_FAIL;
    return fail(code, QStringLiteral("Cannot connect to %1: %2").arg(m_description, why));
}

bool ServerLink::inTransaction() const
{
    return m_conn && PQtransactionStatus(m_conn) != PQTRANS_IDLE;
}

// A link the server or the network dropped is made again for the next statement; one that drops
// inside a transaction is not, since the transaction's work is gone with it.
HRESULT ServerLink::reconnectWhenLost()
{
    if (!m_conn)
        return fail(E_FAIL, QStringLiteral("Not connected to %1").arg(m_description));
    if (PQstatus(m_conn) == CONNECTION_OK)
        return S_OK;
    PQreset(m_conn);
    if (PQstatus(m_conn) == CONNECTION_OK) {
        PQexec(m_conn, "SET client_min_messages = warning");
        return S_OK;
    }
    return fail(E_FAIL, QStringLiteral("The connection to %1 is lost: %2")
                            .arg(m_description, firstLine(PQerrorMessage(m_conn))));
}

HRESULT ServerLink::refused(pg_result* result)
{
    const QByteArray state(result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr);
    const QString message = firstLine(result ? PQresultErrorMessage(result) : PQerrorMessage(m_conn));
    if (result)
        PQclear(result);
    if (PQstatus(m_conn) != CONNECTION_OK || state.startsWith("08"))
        return fail(E_FAIL, QStringLiteral("The connection to %1 was lost: %2").arg(m_description, message));
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
    if (const HRESULT hr = checkEngineThread(); FAILED(hr))
        return hr;
    if (!inTransaction())
        if (const HRESULT hr = reconnectWhenLost(); FAILED(hr))
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
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        return refused(answer);
    result = ServerResult(answer);
    return S_OK;
}

HRESULT ServerLink::script(const char* sql)
{
    if (const HRESULT hr = checkEngineThread(); FAILED(hr))
        return hr;
    pg_result* answer = PQexec(m_conn, sql);
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
