#pragma once
// Numbers that name the shell's commands, views, command bars and pictures. Other views and dialogs
// refer to them, so they are kept exactly as the program has always numbered them.

namespace cmd {
// database
constexpr int NewDatabase = 646;
constexpr int OpenDatabase = 57601;
constexpr int CloseDatabase = 57602;
constexpr int DeleteDatabase = 642;
constexpr int BeamDatabase = 643;
constexpr int Options = 644;
constexpr int NewServerDatabase = 656;
constexpr int OpenServerDatabase = 657;
constexpr int CopyDatabase = 658;
constexpr int Help = 57670;
constexpr int Exit = 645;
constexpr int RecentFirst = 57616; // recent databases 1 to 4: 57616 to 57619
constexpr int RecentLast = 57619;
// tables
constexpr int NewTable = 648;
constexpr int EditTable = 649;
constexpr int OpenTable = 647;
constexpr int DeleteTable = 650;
constexpr int OpenAutoForm = 651;
constexpr int ImportFromFile = 652;
constexpr int ExportToFile = 653; // a table or a query's result as delimited text
constexpr int ExportSqlite = 655;  // the user tables as a plain SQLite database
constexpr int OpenIndexManager = 654;
constexpr int DeletedTables = 659;
// forms
constexpr int NewForm = 661;
constexpr int OpenForm = 662;
constexpr int EditForm = 663;
constexpr int DeleteForm = 716;
constexpr int ImportForm = 667;
constexpr int ExportForm = 668;
// queries
constexpr int NewQuery = 774;
constexpr int EditQuery = 775;
constexpr int DeleteQuery = 776;
constexpr int OpenQuery = 777;
constexpr int QueryAutoForm = 1121;
// macros
constexpr int NewMacro = 734;
constexpr int EditMacro = 779;
constexpr int DeleteMacro = 737;
constexpr int OpenMacro = 736;
// modules
constexpr int NewModule = 1001;
constexpr int EditModule = 1003;
constexpr int RunModule = 1002;
constexpr int DeleteModule = 1004;
// reports
constexpr int Reports = 1130;
// relations
constexpr int NewRelation = 751;
constexpr int DeleteRelation = 749;
constexpr int SaveRelation = 753;
constexpr int SaveRelationFlags = 758;
} // namespace cmd

// Views the main frame switches between, by their template numbers.
namespace view {
constexpr int DatabaseWindow = 101;
constexpr int Datasheet = 155;
constexpr int FormView = 175;
constexpr int NewFormDesigner = 228;
constexpr int FormDesigner = 846;
constexpr int QueryDatasheet = 243;
constexpr int NewModuleEditor = 857;
constexpr int ModuleEditor = 859;
} // namespace view

// Command bars, one per pane of the database window.
namespace bar {
constexpr int Tables = 128;
constexpr int Forms = 206;
constexpr int Queries = 245;
constexpr int Macros = 207;
constexpr int Modules = 247;
constexpr int Relations = 230;
} // namespace bar

// The strip's pictures, one per pane.
namespace bitmap {
constexpr int Tables = 197;
constexpr int Forms = 208;
constexpr int Queries = 246;
constexpr int Macros = 209;
constexpr int Modules = 858;
constexpr int Relations = 232;
} // namespace bitmap
