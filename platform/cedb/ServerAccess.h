#pragma once
// Reaching a server database before using it: why the server refused, in words for the user, and the
// passwords typed for servers in this run of the program. Passwords are kept in memory only; an address
// never holds one, so nothing that stores addresses (the recent list, the settings) ever holds one either.
#include "platform/automation/hresult.h"

#include <QString>

namespace cedb {

enum class ServerRefusal { None, NotRunning, PasswordNeeded, WrongPassword, NoDatabase, UnknownUser, NoPrivilege, Other };

// Where a server database is, as the user knows it.
struct ServerPlace {
    QString host; // as the address gives it: a name, an IP address or a local socket's folder
    int port = 5432;
    QString database;
    QString user;
    // The host as the user knows it (a local socket is "localhost"), and the port when it is not the usual one.
    QString server() const;
    // "the database shop on db.example.com as ann"
    QString description() const;
};

ServerPlace serverPlace(const QString& address);

// The address of a server database from what the user fills in, never with a password. `host` may be
// a name, an IP address or the folder of a local server's socket.
QString serverAddress(const QString& host, int port, const QString& database, const QString& user);

// Why the server (or libpq on its way there) refused a connection, from libpq's message.
ServerRefusal refusalOf(const QString& message);
// The refusal in words for the user; `detail` is libpq's own line, kept for the cases it says best.
QString refusalText(ServerRefusal refusal, const ServerPlace& place, const QString& detail);

struct ServerReach {
    ServerRefusal refusal = ServerRefusal::None;
    QString text; // empty when reached
};
// Connects to the database at `address` with the password remembered for it, if any, and lets go.
ServerReach reachServer(const QString& address);

// The password the user typed for `address`; an empty one forgets it.
void rememberServerPassword(const QString& address, const QString& password);
QString rememberedServerPassword(const QString& address);

// Whether another program wrote to the open server database at `address` since this was last asked;
// false for a file, or a database no recordset has open. The engine tells every committed write of its
// own to the others, so this needs no reading of the tables.
bool otherProgramsWrote(const QString& address);

// The server's code for each refusal, as engine failures report it.
HRESULT refusalCode(ServerRefusal refusal);

} // namespace cedb
