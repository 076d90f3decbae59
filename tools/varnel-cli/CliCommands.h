#pragma once
#include <QStringList>

// The database and profile subcommands of varnel-cli, one file each. Each takes the arguments after its
// name and returns the exit status.
inline constexpr const char* kCreateUsage = "create PATH                        create a database with its catalogue";
inline constexpr const char* kTablesUsage = "tables PATH                        list user tables: name, records, TableID";
inline constexpr const char* kIndexUsage = "index list DATABASE TABLE          list a table's indexes as the index manager shows them";
inline constexpr const char* kCopyUsage =
    "copy SOURCE TARGET                 copy a database into a new one: a .cdb file to a server database\n"
    "                                     (postgresql://...) or back, every table, record and catalogue row";
inline constexpr const char* kDeleteUsage = "delete PATH                        delete a database file";
inline constexpr const char* kProfileUsage = "profile get SECTION KEY            print a setting: the stored value, else its default\n"
                                             "  profile set SECTION KEY VALUE      write one (a whole number as integer)";

inline constexpr const char* kFormRunUsage =
    "form run DATABASE FORM|--auto SOURCE [--answer yes|no] COMMAND...\n"
    "                                     run a form without a window: first, next, previous, last, goto N,\n"
    "                                     new, set CONTROL VALUE, tick|untick CONTROL, save, delete,\n"
    "                                     filter CONTROL including|excluding TEXT, sort CONTROL asc|desc,\n"
    "                                     unfilter, event CONTROL EVENTNAME, show";
inline constexpr const char* kFormUsage = "form show DATABASE FORM            print a stored form's properties\n"
                                          "  form export DATABASE FORM FILE     write a form file (.xnf)\n"
                                          "  form import DATABASE FILE          add the form a form file holds\n"
                                          "  form run ...                       run a form without a window (form run --help)";

inline constexpr const char* kImportUsage =
    "import DATABASE FILE [--delimiter TEXT] [--header|--no-header] [--skip-comments] [--table NAME]\n"
    "                                     [--types auto|text] [--append]\n"
    "                                     import a delimited text file as a new table (or add to one); the\n"
    "                                     delimiter, header and note lines not given are what the import\n"
    "                                     dialog proposes for the file, and so are the field types";
inline constexpr const char* kExportUsage =
    "export DATABASE TABLE|QUERY(Q) FILE [--delimiter TEXT]\n"
    "                                     write a table's records or a query's result as delimited text";
inline constexpr const char* kMacroUsage =
    "macro show DATABASE MACRO          print a macro's actions and arguments\n"
    "  macro run DATABASE MACRO [--answer yes|no] [--form FORM]\n"
    "                                     run a macro as the database window does, or on FORM as an event does";
inline constexpr const char* kExportSqliteUsage =
    "export-sqlite DATABASE FILE        write the user tables as a plain SQLite database";
inline constexpr const char* kQueryUsage =
    "query run DATABASE NAME [--param \"[Name]=VALUE\"]...\n"
    "                                     run a stored query with its parameters, printing the result\n"
    "  query show DATABASE NAME           print a stored query's columns, one Column=Value line each";

inline constexpr const char* kPrintUsage =
    "print DATABASE SOURCE OUT.pdf [--report NAME] [--param \"[Name]=VALUE\"]...\n"
    "                                     write a table's records, or a query's written (Q)Name, as a PDF;\n"
    "                                     a stored report over SOURCE (- for the report's own source)\n"
    "  print DATABASE FORM OUT.pdf --form [--one-per-page | --record N]\n"
    "                                     every record of a stored form, as many to a page as fit, or one";

int runCreate(const QStringList& args);
int runTables(const QStringList& args);
int runDelete(const QStringList& args);
int runCopy(const QStringList& args);
int runIndex(const QStringList& args);
int runProfile(const QStringList& args);
int runForm(const QStringList& args);
int runFormRun(const QStringList& args);
int runImport(const QStringList& args);
int runExport(const QStringList& args);
int runMacro(const QStringList& args);
int runExportSqlite(const QStringList& args);
int runQuery(const QStringList& args);
int runPrint(const QStringList& args);

inline constexpr const char* kHistoryUsage =
    "history DATABASE TABLE [--record N] print the changes of a table's records, newest first, or of the\n"
    "                                     record numbered N in that list";
inline constexpr const char* kUndoUsage =
    "undo DATABASE [--steps N]          take back the last step (or N steps) of the data's history";
inline constexpr const char* kRedoUsage = "redo DATABASE                      put back the step undone last";
int runHistory(const QStringList& args);
int runUndo(const QStringList& args);
int runRedo(const QStringList& args);

inline constexpr const char* kDeletedTablesUsage =
    "deleted-tables DATABASE            list the tables deleted in the database window and not back since,\n"
    "                                     newest first: when (UTC), name, records";
inline constexpr const char* kRestoreTableUsage =
    "restore-table DATABASE NAME        make a deleted table again with its records, fields' properties,\n"
    "                                     indexes and relations (the one deleted last of that name)";
int runDeletedTables(const QStringList& args);
int runRestoreTable(const QStringList& args);
