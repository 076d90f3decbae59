#include "platform/cedb/ServerAccess.h"

#include "platform/cedb/Engine.h"
#include "platform/cedb/Failures.h"
#include "platform/cedb/server/ServerLink.h"

#include <QUrl>

#include <libpq-fe.h>

#include <map>

namespace cedb {

namespace {

std::map<QString, QString>& passwords()
{
    static std::map<QString, QString> typed;
    return typed;
}

} // namespace

QString ServerPlace::server() const
{
    const QString name = host.isEmpty() || host.startsWith(u'/') ? QStringLiteral("localhost") : host;
    return port == 5432 ? name : name + u':' + QString::number(port);
}

QString ServerPlace::description() const
{
    const QString text = QStringLiteral("the database %1 on %2").arg(database.isEmpty() ? user : database, server());
    return user.isEmpty() ? text : text + QStringLiteral(" as %1").arg(user);
}

ServerPlace serverPlace(const QString& address)
{
    ServerPlace place;
    char* error = nullptr;
    PQconninfoOption* options = PQconninfoParse(address.toUtf8().constData(), &error);
    PQfreemem(error);
    for (PQconninfoOption* option = options; option && option->keyword; ++option) {
        const QString value = QString::fromUtf8(option->val ? option->val : "");
        const QByteArray keyword = option->keyword;
        if (keyword == "host")
            place.host = value;
        else if (keyword == "port" && !value.isEmpty())
            place.port = value.toInt();
        else if (keyword == "dbname")
            place.database = value;
        else if (keyword == "user")
            place.user = value;
    }
    PQconninfoFree(options);
    // libpq's own default, which the server is asked with.
    if (place.user.isEmpty())
        place.user = qEnvironmentVariable("PGUSER", qEnvironmentVariable("USER"));
    return place;
}

QString serverAddress(const QString& host, int port, const QString& database, const QString& user)
{
    const auto encoded = [](const QString& part) { return QString::fromLatin1(QUrl::toPercentEncoding(part)); };
    QString address = QStringLiteral("postgresql:///") + encoded(database) + QStringLiteral("?host=") + encoded(host) +
                      QStringLiteral("&port=") + QString::number(port);
    return user.isEmpty() ? address : address + QStringLiteral("&user=") + encoded(user);
}

ServerRefusal refusalOf(const QString& message)
{
    const auto has = [&message](const char* words) { return message.contains(QLatin1String(words), Qt::CaseInsensitive); };
    if (has("no password supplied"))
        return ServerRefusal::PasswordNeeded;
    if (has("password authentication failed"))
        return ServerRefusal::WrongPassword;
    if (has("role \"") && has("does not exist"))
        return ServerRefusal::UnknownUser;
    if (has("database \"") && has("does not exist"))
        return ServerRefusal::NoDatabase;
    if (has("permission denied") || has("not permitted to log in") || has("no pg_hba.conf entry"))
        return ServerRefusal::NoPrivilege;
    if (has("connection refused") || has("no such file or directory") || has("could not translate host name") ||
        has("timeout expired") || has("no route to host") || has("network is unreachable") ||
        has("the database system is starting up") || has("the database system is shutting down"))
        return ServerRefusal::NotRunning;
    return ServerRefusal::Other;
}

QString refusalText(ServerRefusal refusal, const ServerPlace& place, const QString& detail)
{
    switch (refusal) {
    case ServerRefusal::None: return {};
    case ServerRefusal::NotRunning:
        return QStringLiteral("No database server is running at %1, or it cannot be reached from here. Start the "
                              "server, or check the server's name and port.")
            .arg(place.server());
    case ServerRefusal::PasswordNeeded:
        return QStringLiteral("The server at %1 asks for the password of %2.").arg(place.server(), place.user);
    case ServerRefusal::WrongPassword:
        return QStringLiteral("The server at %1 refused the password of %2: the password is wrong, or the server "
                              "knows no such user.")
            .arg(place.server(), place.user);
    case ServerRefusal::NoDatabase:
        return QStringLiteral("The server at %1 holds no database named %2.").arg(place.server(), place.database);
    case ServerRefusal::UnknownUser:
        return QStringLiteral("The server at %1 knows no user named %2.").arg(place.server(), place.user);
    case ServerRefusal::NoPrivilege:
        return QStringLiteral("%1 has no privilege to use the database %2 on %3; its owner can grant it (the server "
                              "says: %4)")
            .arg(place.user, place.database, place.server(), detail);
    case ServerRefusal::Other: break;
    }
    return QStringLiteral("Cannot connect to %1: %2").arg(place.description(), detail);
}

HRESULT refusalCode(ServerRefusal refusal)
{
    switch (refusal) {
    case ServerRefusal::None: return S_OK;
    case ServerRefusal::NoDatabase: return DB_E_NOTFOUND;
    case ServerRefusal::PasswordNeeded:
    case ServerRefusal::WrongPassword:
    case ServerRefusal::UnknownUser:
    case ServerRefusal::NoPrivilege: return DB_SEC_E_PERMISSIONDENIED;
    case ServerRefusal::NotRunning:
    case ServerRefusal::Other: break;
    }
    return E_FAIL;
}

ServerReach reachServer(const QString& address)
{
    ServerLink link;
    if (SUCCEEDED(link.connect(address)))
        return {};
    return {link.refusal(), lastError().description};
}

void rememberServerPassword(const QString& address, const QString& password)
{
    if (password.isEmpty())
        passwords().erase(address);
    else
        passwords()[address] = password;
}

QString rememberedServerPassword(const QString& address)
{
    const auto found = passwords().find(address);
    return found == passwords().end() ? QString() : found->second;
}

} // namespace cedb
