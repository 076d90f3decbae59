#pragma once
// What running a stored query's statement takes before it runs, wherever it is run from: its parameters,
// and for a delete the user's word, since a delete does its work the moment it is opened.
#include <QString>

#include <optional>

// True when the statement deletes records.
bool IsDeleteStatement(const QString& statement);

// The statement with its parameters asked for and put in; for a delete statement the user is then asked
// "Do you want to delete the records?". Nullopt when the user cancelled a prompt or answered No.
std::optional<QString> PrepareQueryRun(const QString& statement);
