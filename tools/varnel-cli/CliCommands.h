#pragma once
#include <QStringList>

// The database and profile subcommands of varnel-cli, one file each. Each takes the arguments after its
// name and returns the exit status.
inline constexpr const char* kCreateUsage = "create PATH                        create a database with its catalogue";
inline constexpr const char* kTablesUsage = "tables PATH                        list user tables: name, records, TableID";
inline constexpr const char* kDeleteUsage = "delete PATH                        delete a database file";
inline constexpr const char* kProfileUsage = "profile get SECTION KEY            print a profile value\n"
                                             "  profile set SECTION KEY VALUE      write one (a whole number as integer)";

inline constexpr const char* kFormUsage = "form show DATABASE FORM            print a stored form's properties\n"
                                          "  form export DATABASE FORM FILE     write a form file (.xnf)\n"
                                          "  form import DATABASE FILE          add the form a form file holds";

int runCreate(const QStringList& args);
int runTables(const QStringList& args);
int runDelete(const QStringList& args);
int runProfile(const QStringList& args);
int runForm(const QStringList& args);
