#pragma once
#include <QString>
#include <QStringList>

#include <optional>

namespace regsvrce {

// Exit codes of the tool.
enum Exit { Success = 0, FailArguments = 1, FailLoad = 3, FailEntry = 4, FailCall = 5 };

struct Request {
    bool silent = false;
    bool unregister = false;
    QString library; // device path, or host path
};

// "[/s] [/u] LIBRARY" (switches in any case, also with "-"); nullopt when the library is missing,
// a switch is unknown or more than one library is named.
std::optional<Request> parseArguments(const QStringList& arguments);

struct Outcome {
    Exit exit = Success;
    QString message;
};

// Loads the library, calls its DllRegisterServer or DllUnregisterServer and unloads it again.
Outcome registerLibrary(const Request& request);

// The whole tool: parses, registers, and shows the outcome in a message box unless silent.
int run(const QStringList& arguments);

} // namespace regsvrce
