#pragma once
#include <QStringList>

// The subcommands of varnel-cli, one file each. Each takes the arguments after its name and returns the
// exit status.
inline constexpr const char* kCreateUsage = "create PATH            create a database with its catalogue tables";
inline constexpr const char* kTablesUsage = "tables PATH            list the user tables: name, record count, TableID";
inline constexpr const char* kDeleteUsage = "delete PATH            delete a database file";
inline constexpr const char* kProfileUsage =
    "profile get SECTION KEY | profile set SECTION KEY VALUE   read or write a profile value";

int runCreate(const QStringList& args);
int runTables(const QStringList& args);
int runDelete(const QStringList& args);
int runProfile(const QStringList& args);
