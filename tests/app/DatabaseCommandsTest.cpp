#include "FakeShell.h"
#include "support/MessageRecorder.h"
#include "app/CommandIds.h"
#include "app/shell/DatabaseCommands.h"
#include "forms/format/CtrlProps.h"
#include "forms/format/FormFile.h"
#include "platform/framework/Prompts.h"
#include "support/TempRoot.h"

#include <QFile>

#include <gtest/gtest.h>

using framework::Answer;

namespace {
const QString kNotAvailable = DatabaseCommands::notAvailableText();

class DatabaseCommandsTest : public ::testing::Test {
protected:
    DatabaseCommandsTest() : commands(model, database, recent, platform) {}

    void openSales()
    {
        database.files << "\\Documents\\Sales.cdb";
        database.openDatabase("\\Documents\\Sales.cdb");
        model.addTableRow(0, "Customers", "12", "0", "3");
        model.addTableRow(1, "Orders", "40", "0", "4");
    }
    void showPaneWith(Pane pane, const QString& sql, const QList<QStringList>& rows)
    {
        database.results[sql] = rows;
        commands.selectPane(pane);
    }

    MessageRecorder messages;
    DatabaseWindowModel model;
    FakeDatabase database;
    FakeRecent recent;
    FakePlatform platform;
    DatabaseCommands commands;
};
} // namespace

TEST_F(DatabaseCommandsTest, EveryMessageCarriesTheApplicationCaption)
{
    commands.run(cmd::NewTable);
    commands.run(cmd::OpenTable);
    ASSERT_EQ(messages.messages().size(), 2u);
    for (const auto& message : messages.messages())
        EXPECT_EQ(message.caption, "Varnel Desk 5.0");
}

TEST_F(DatabaseCommandsTest, NewDatabaseIsCreatedCheckedAndShowsTheTables)
{
    openSales();
    platform.newDatabaseAnswer = "\\Documents\\New.cdb";
    model.setPane(Pane::Macros);

    commands.run(cmd::NewDatabase);

    EXPECT_EQ(database.calls.mid(1), QStringList({"close", "create \\Documents\\New.cdb", "check"}));
    ASSERT_EQ(messages.texts(), QStringList({"Database created successfully."}));
    EXPECT_EQ(messages.messages().front().icon, framework::Icon::Information);
    EXPECT_EQ(recent.list, QStringList({"\\Documents\\New.cdb"}));
    EXPECT_EQ(model.pane(), Pane::Tables);
    EXPECT_TRUE(model.tables().isEmpty());
}

TEST_F(DatabaseCommandsTest, NewDatabaseCancelledOrFailedLeavesNoTrace)
{
    commands.run(cmd::NewDatabase);
    EXPECT_TRUE(database.calls.isEmpty());

    platform.newDatabaseAnswer = "\\Documents\\New.cdb";
    database.failCreate = true;
    commands.run(cmd::NewDatabase);
    EXPECT_EQ(messages.texts(), QStringList({"Database was not created."}));
    EXPECT_TRUE(recent.list.isEmpty());
    EXPECT_FALSE(database.calls.contains("check"));
}

TEST_F(DatabaseCommandsTest, OpenDatabaseAsksTheBrowserAndOpensItsAnswer)
{
    openSales();
    database.files << "\\Documents\\Stock.cdb";
    platform.browseAnswer = "\\Documents\\Stock.cdb";
    model.setPane(Pane::Forms);

    commands.run(cmd::OpenDatabase);

    ASSERT_EQ(platform.requests.size(), 1);
    EXPECT_EQ(platform.requests[0].title, "Open Database ");
    EXPECT_EQ(platform.requests[0].filters, "*.cdb(Varnel Desk Databases)");
    EXPECT_EQ(platform.requests[0].maxFileSize, -1) << "no database is as small as the handheld's limit";
    EXPECT_EQ(platform.requests[0].failureCaption, "Test");
    EXPECT_EQ(platform.requests[0].purpose, BrowsePurpose::Database);
    EXPECT_EQ(database.openPath(), "\\Documents\\Stock.cdb");
    EXPECT_EQ(model.pane(), Pane::Tables);
}

TEST_F(DatabaseCommandsTest, OpenDatabaseCancelledKeepsTheOpenDatabase)
{
    openSales();
    commands.run(cmd::OpenDatabase);
    EXPECT_EQ(database.openPath(), "\\Documents\\Sales.cdb");
    EXPECT_EQ(model.tables().size(), 2);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(DatabaseCommandsTest, CloseDatabaseEmptiesListsAndCounts)
{
    openSales();
    model.setCountLabels("12", "3");
    model.setFields({{"Name"}});
    commands.run(cmd::CloseDatabase);
    EXPECT_FALSE(database.isOpen());
    EXPECT_TRUE(model.tables().isEmpty());
    EXPECT_TRUE(model.fields().isEmpty());
    EXPECT_TRUE(model.recordCountValue().isEmpty());
    EXPECT_TRUE(model.fieldCountValue().isEmpty());
}

TEST_F(DatabaseCommandsTest, DeleteDatabaseOfTheOpenFileAnsweredNoChangesNothing)
{
    openSales();
    platform.browseAnswer = "\\Documents\\Sales.cdb";
    messages.answer(Answer::No);

    commands.run(cmd::DeleteDatabase);

    EXPECT_EQ(messages.texts(), QStringList({"Database is open.\nAre you sure to Delete this Database?."}));
    EXPECT_EQ(messages.messages()[0].buttons, framework::Buttons::YesNo);
    EXPECT_EQ(messages.messages()[0].icon, framework::Icon::Information);
    EXPECT_EQ(platform.requests[0].title, "Delete Database ");
    EXPECT_EQ(platform.requests[0].failureCaption, "Varnel 5.0");
    EXPECT_EQ(platform.requests[0].purpose, BrowsePurpose::Database) << "it looks where databases were opened";
    EXPECT_TRUE(database.isOpen());
    EXPECT_EQ(model.tables().size(), 2);
    EXPECT_TRUE(database.files.contains("\\Documents\\Sales.cdb"));
}

TEST_F(DatabaseCommandsTest, DeleteDatabaseOfTheOpenFileClosesItBeforeDeleting)
{
    openSales();
    platform.browseAnswer = "\\Documents\\Sales.cdb";
    commands.run(cmd::DeleteDatabase);
    EXPECT_FALSE(database.isOpen());
    EXPECT_TRUE(model.tables().isEmpty());
    EXPECT_FALSE(database.files.contains("\\Documents\\Sales.cdb"));
    EXPECT_EQ(messages.texts().last(), "Database deleted successfully.");
}

TEST_F(DatabaseCommandsTest, DeleteDatabaseOfAnotherFileReportsTheOutcome)
{
    openSales();
    database.files << "\\Documents\\Old.cdb";
    platform.browseAnswer = "\\Documents\\Old.cdb";
    commands.run(cmd::DeleteDatabase);
    EXPECT_EQ(messages.texts(), QStringList({"Are you sure to Delete this Database", "Database deleted successfully."}));
    EXPECT_TRUE(database.isOpen());

    messages.clear();
    commands.run(cmd::DeleteDatabase); // the file is gone now
    EXPECT_EQ(messages.texts(), QStringList({"Are you sure to Delete this Database", "Database was not deleted."}));

    messages.clear();
    messages.answer(Answer::No);
    database.files << "\\Documents\\Old.cdb";
    commands.run(cmd::DeleteDatabase);
    EXPECT_TRUE(database.files.contains("\\Documents\\Old.cdb"));
}

TEST_F(DatabaseCommandsTest, RecentEntryMovesToTopOnSuccessAndIsDroppedOnFailure)
{
    database.files << "\\b.cdb";
    recent.list = {"\\a.cdb", "\\b.cdb", "\\c.cdb"};
    commands.run(cmd::RecentFirst + 1);
    EXPECT_EQ(database.openPath(), "\\b.cdb");
    EXPECT_EQ(recent.list, QStringList({"\\b.cdb", "\\a.cdb", "\\c.cdb"}));

    commands.run(cmd::RecentFirst + 2); // \c.cdb does not exist
    EXPECT_EQ(recent.list, QStringList({"\\b.cdb", "\\a.cdb"}));
    EXPECT_EQ(database.openPath(), "\\b.cdb");

    commands.run(cmd::RecentLast); // no fourth entry: nothing happens
    EXPECT_EQ(recent.list.size(), 2);
}

TEST_F(DatabaseCommandsTest, BeamDisablesItselfAndHelpStartsTheViewer)
{
    commands.run(cmd::BeamDatabase);
    EXPECT_FALSE(model.beamEnabled());
    commands.run(cmd::Help);
    EXPECT_EQ(platform.help, QStringList({"file:XNHelp.htm#Contents"}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(DatabaseCommandsTest, ExitAsksAndQuitsOnlyOnYes)
{
    messages.answer(Answer::No);
    commands.run(cmd::Exit);
    EXPECT_EQ(messages.texts(), QStringList({"Are you sure to close Varnel Desk application"}));
    EXPECT_FALSE(platform.quitCalled);
    EXPECT_TRUE(platform.hotKeysTaken) << "answered No, the window keeps its keys";

    commands.run(cmd::Exit);
    EXPECT_TRUE(platform.quitCalled);
    EXPECT_FALSE(platform.hotKeysTaken);
}

TEST_F(DatabaseCommandsTest, TableCommandsNeedADatabaseOrASelection)
{
    commands.run(cmd::NewTable);
    commands.run(cmd::EditTable);
    commands.run(cmd::OpenTable);
    commands.run(cmd::ImportFromFile);
    EXPECT_EQ(messages.texts(),
              QStringList({"Please open a database before creating a table", "Please select a table to edit",
                           "Please select a table to open", "Please open a database before Importing"}));
    EXPECT_EQ(model.designerMode(), 1);

    messages.clear();
    openSales();
    commands.run(cmd::EditTable);   // no selection: nothing
    commands.run(cmd::DeleteTable); // no selection: nothing
    commands.run(cmd::OpenAutoForm);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(platform.designerOpened, 0);
    commands.run(cmd::NewTable);
    EXPECT_EQ(model.designerMode(), 0);
    EXPECT_EQ(platform.designerOpened, 1);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(DatabaseCommandsTest, IndexManagerOpensOnTheSelectedTable)
{
    openSales();
    commands.run(cmd::OpenIndexManager);
    EXPECT_EQ(messages.texts(), QStringList{"Please select a table to manage its indexes"});
    commands.selectTable(1);
    commands.run(cmd::OpenIndexManager);
    EXPECT_EQ(platform.indexManagerTables, QStringList{"Orders"});
}

TEST_F(DatabaseCommandsTest, ImportAsksTheBrowserForATextFile)
{
    openSales();
    commands.run(cmd::ImportFromFile);
    ASSERT_EQ(platform.requests.size(), 1);
    EXPECT_EQ(platform.requests[0].title, "Import Table");
    EXPECT_TRUE(platform.requests[0].filters.startsWith("*.txt;*.csv;*.tab;*.tsv(Text Files)|"));
    EXPECT_TRUE(platform.requests[0].filters.endsWith("|*.*(All Files)"));
    EXPECT_EQ(platform.requests[0].purpose, BrowsePurpose::Import);
    EXPECT_EQ(platform.requests[0].fallbackFolder, "\\Documents") << "a first import looks beside the database";
    EXPECT_TRUE(messages.texts().isEmpty()) << "cancelled";
}

namespace {
class FakeTransfer : public TextTransfer {
public:
    std::optional<QString> importFile(const QString& path) override
    {
        imported << path;
        return importAnswer;
    }
    void exportSource(const QString& source) override { exported << source; }
    void exportDatabase() override { exported << "database"; }
    QStringList imported;
    QStringList exported;
    std::optional<QString> importAnswer;
};
} // namespace

// The chosen file goes to the import dialog; a new table joins the list with its records, and a table
// that received more records shows its new count.
TEST_F(DatabaseCommandsTest, ImportedTablesJoinTheListAndExportTakesTheSelection)
{
    FakeTransfer transfer;
    commands.setTextTransfer(&transfer);
    openSales();
    platform.browseAnswer = "\\Documents\\Stock.txt";
    transfer.importAnswer = "Stock";
    database.results["SELECT TableID FROM MSysTables WHERE TableName = 'Stock'"] = {{"9"}};
    database.counts = {{"Customers", 12}, {"Orders", 40}, {"Stock", 250}};
    commands.run(cmd::ImportFromFile);
    EXPECT_EQ(transfer.imported, QStringList({"\\Documents\\Stock.txt"}));
    ASSERT_EQ(model.tables().size(), 3);
    EXPECT_EQ(model.tables()[2].name, "Stock");
    EXPECT_EQ(model.tables()[2].recordCount, "250");
    EXPECT_EQ(model.tables()[2].tableId, "9");

    transfer.importAnswer = "orders";
    database.counts["Orders"] = 45;
    commands.run(cmd::ImportFromFile);
    EXPECT_EQ(model.tables().size(), 3);
    EXPECT_EQ(model.tables()[1].recordCount, "45");

    commands.run(cmd::ExportToFile);
    EXPECT_EQ(messages.texts(), QStringList({"Please select a table or query to export"}));
    commands.selectTable(1);
    commands.run(cmd::ExportToFile);
    showPaneWith(Pane::Queries, "SELECT * FROM XNSysQueries", {{"1", "Totals", "0", "SELECT * FROM Orders"}});
    commands.selectObject(0);
    commands.run(cmd::ExportToFile);
    commands.run(cmd::ExportSqlite);
    EXPECT_EQ(transfer.exported, QStringList({"Orders", "Totals(Q)", "database"}));
}

TEST_F(DatabaseCommandsTest, DeleteTableDropsItAndItsCatalogueRows)
{
    openSales();
    commands.selectTable(1);
    commands.run(cmd::DeleteTable);
    EXPECT_EQ(messages.texts(), QStringList({"Are you sure to Delete the table", "Table Deleted Successfully"}));
    EXPECT_TRUE(database.calls.contains("delete table Orders"));
    ASSERT_EQ(model.tables().size(), 1);
    EXPECT_EQ(model.tables()[0].name, "Customers");
    EXPECT_TRUE(model.fields().isEmpty());
}

TEST_F(DatabaseCommandsTest, DeleteTableFailureOrRefusalKeepsTheRow)
{
    openSales();
    commands.selectTable(0);
    messages.answer(Answer::No);
    commands.run(cmd::DeleteTable);
    EXPECT_FALSE(database.calls.contains("delete table Customers"));

    database.failing << "delete table Customers";
    commands.run(cmd::DeleteTable);
    EXPECT_EQ(messages.texts().last(), "Table couldn't be deleted");
    EXPECT_EQ(model.tables().size(), 2);
}

TEST_F(DatabaseCommandsTest, RecordCountsAreReadAgainOnRequest)
{
    openSales();
    database.results["Select * From XNSysFields Where TableID = 4 order by FieldID"] = {{"4", "1"}, {"4", "2"}};
    commands.selectTable(1);
    database.counts["Orders"] = 43; // Customers cannot be read: its count stays as it was
    commands.refreshRecordCounts();
    EXPECT_EQ(model.tables()[0].recordCount, "12");
    EXPECT_EQ(model.tables()[1].recordCount, "43");
    EXPECT_EQ(model.recordCountValue(), "43");
    EXPECT_EQ(model.fieldCountValue(), "2");
}

TEST_F(DatabaseCommandsTest, DeletedTablesListTheTablesAgainOnlyWhenOneWasRestored)
{
    openSales();
    database.calls.clear();
    commands.run(cmd::DeletedTables);
    EXPECT_EQ(platform.deletedTablesOpened, 1);
    EXPECT_FALSE(database.calls.contains("relist"));
    platform.tableRestored = true;
    commands.run(cmd::DeletedTables);
    EXPECT_TRUE(database.calls.contains("relist"));
}

TEST_F(DatabaseCommandsTest, SelectingATableListsItsFields)
{
    openSales();
    QStringList price(26), name(26);
    price[1] = "Price";
    price[3] = "8";
    price[4] = "8";
    name[1] = "Name";
    name[3] = "50";
    name[4] = "12";
    name[8] = "-1";
    database.results["Select * From XNSysFields Where TableID = 4 order by FieldID"] = {name, price};

    commands.selectTable(1);

    EXPECT_EQ(model.selectedTable(), 1);
    EXPECT_EQ(model.recordCountValue(), "40");
    EXPECT_EQ(model.fieldCountValue(), "2");
    ASSERT_EQ(model.fields().size(), 2);
    EXPECT_EQ(model.fields()[0], QStringList({"Name", "Text", "50", "YES", "NO", "NO", "NO"}));
    EXPECT_EQ(model.fields()[1][1], "Double");
}

TEST_F(DatabaseCommandsTest, StripSelectsPanesOnlyWithAnOpenDatabase)
{
    commands.tapStrip(30, 50);
    EXPECT_EQ(model.pane(), Pane::Tables);

    openSales();
    commands.tapStrip(30, 50);
    EXPECT_EQ(model.pane(), Pane::Forms);
    EXPECT_TRUE(database.statements.contains("Select * from XNSysForms"));
    commands.tapStrip(30, 36);
    commands.tapStrip(30, 65);
    EXPECT_EQ(model.pane(), Pane::Forms);
    commands.tapStrip(30, 140);
    EXPECT_EQ(model.pane(), Pane::Relations);
}

TEST_F(DatabaseCommandsTest, PanesRefillTheirListsFromTheCatalogue)
{
    openSales();
    showPaneWith(Pane::Queries, "SELECT * FROM XNSysQueries",
                 {{"1", "Big orders", "0", "SELECT * FROM Orders WHERE Total > 100"}});
    EXPECT_EQ(model.objects(), QList<QStringList>({{"Big orders", "SELECT * FROM Orders WHERE Total > 100"}}));
    EXPECT_TRUE(model.countLabelsVisible());

    showPaneWith(Pane::Macros, "Select * from XNSysMacros",
                 {{"1", "Greet", "MsgBox"}, {"2", "Greet", "Beep"}, {"3", "Close", "CloseForm"}});
    EXPECT_EQ(model.objects(), QList<QStringList>({{"Greet"}, {"Close"}})) << "one line per macro";
    EXPECT_FALSE(model.countLabelsVisible());

    showPaneWith(Pane::Modules, "SELECT * from XNSysModules", {{"Tools", "Sub A\nEnd Sub"}});
    EXPECT_EQ(model.objects(), QList<QStringList>({{"Tools"}}));
    EXPECT_EQ(model.recordCountCaption(), "Source");
    commands.selectPane(Pane::Tables);
    EXPECT_EQ(model.recordCountCaption(), "Record Count");
}

TEST_F(DatabaseCommandsTest, SelectingAModuleShowsItsSource)
{
    openSales();
    showPaneWith(Pane::Modules, "SELECT * from XNSysModules", {{"Tools"}, {"Gone"}});
    database.results["SELECT * from XNSysModules where ModuleName = 'Tools'"] = {{"Tools", "Sub A\nEnd Sub"}};
    commands.selectObject(0);
    EXPECT_EQ(model.moduleSource(), "Sub A\nEnd Sub");
    commands.selectObject(1);
    EXPECT_EQ(model.moduleSource(), "Could not get source for the module");
}

TEST_F(DatabaseCommandsTest, DeletingFormsMacrosAndModulesRunsTheirStatements)
{
    openSales();
    struct Case {
        Pane pane;
        QString listSql;
        int command;
        QString question, sql, done, failed;
    };
    const QList<Case> cases = {
        {Pane::Forms, "Select * from XNSysForms", cmd::DeleteForm, "Are you sure to Delete the form",
         "Delete From XNSysForms where FormName = 'Entry'", "Form Deleted Successfully", "Form couldn't be deleted"},
        {Pane::Macros, "Select * from XNSysMacros", cmd::DeleteMacro, "Are you sure you want to delete the macro ?",
         "DELETE From XNSysMacros where MacroName = 'Entry'", "Macro Deleted Successfully",
         "Macro could not be deleted"},
        {Pane::Modules, "SELECT * from XNSysModules", cmd::DeleteModule,
         "Are you sure you want to delete the module ?", "DELETE From XNSysModules where ModuleName = 'Entry'",
         "Module Deleted Successfully", "Module could not be deleted"},
    };
    for (const Case& c : cases) {
        const int nameColumn = c.pane == Pane::Macros ? 1 : 0;
        QStringList row(3);
        row[nameColumn] = "Entry";
        showPaneWith(c.pane, c.listSql, {row});
        messages.clear();
        commands.run(c.command); // nothing selected: nothing happens
        EXPECT_TRUE(messages.texts().isEmpty());

        commands.selectObject(0);
        commands.run(c.command);
        EXPECT_EQ(messages.texts(), QStringList({c.question, c.done}));
        EXPECT_TRUE(database.statements.contains(c.sql)) << c.sql.toStdString();

        messages.clear();
        database.failing << c.sql;
        commands.selectObject(0);
        commands.run(c.command);
        EXPECT_EQ(messages.texts(), QStringList({c.question, c.failed}));
    }
}

TEST_F(DatabaseCommandsTest, QueryCommandsExplainAnEmptyListOrMissingSelection)
{
    openSales();
    showPaneWith(Pane::Queries, "SELECT * FROM XNSysQueries", {});
    commands.run(cmd::EditQuery);
    commands.run(cmd::DeleteQuery);
    commands.run(cmd::OpenQuery);
    EXPECT_EQ(messages.texts(), QStringList({"No Query is selected for editing", "No Queries are available to delete",
                                             "No Queries are available to execute"}));

    messages.clear();
    showPaneWith(Pane::Queries, "SELECT * FROM XNSysQueries", {{"1", "Big", "0", "SELECT 1"}});
    commands.run(cmd::EditQuery);
    EXPECT_EQ(messages.texts(), QStringList({"Please select a query from the list."}));
}

TEST_F(DatabaseCommandsTest, DeleteQueryAsksRunsAndRefills)
{
    openSales();
    showPaneWith(Pane::Queries, "SELECT * FROM XNSysQueries", {{"1", "Big", "0", "SELECT 1"}});
    commands.selectObject(0);
    database.failing << "DELETE FROM XNSysQueries WHERE QueryName = 'Big'";
    commands.run(cmd::DeleteQuery);
    EXPECT_EQ(messages.texts(), QStringList({"Do you want to delete this record?", "Failed to delete the query"}));
    EXPECT_EQ(database.statements.last(), "SELECT * FROM XNSysQueries") << "the list is refilled";
}

TEST_F(DatabaseCommandsTest, OpenQueryReportsAQueryThatCannotBeRead)
{
    openSales();
    showPaneWith(Pane::Queries, "SELECT * FROM XNSysQueries", {{"1", "Big", "0", "SELECT 1"}});
    commands.selectObject(0);
    commands.run(cmd::OpenQuery);
    EXPECT_EQ(messages.texts(), QStringList({"Failed Execute the query"}));
}

TEST_F(DatabaseCommandsTest, CommandsOfViewsStillToComeSayTheyAreNotAvailable)
{
    openSales();
    for (int id : {cmd::NewRelation}) {
        messages.clear();
        EXPECT_TRUE(commands.run(id));
        EXPECT_EQ(messages.texts(), QStringList({kNotAvailable})) << id;
    }
    EXPECT_FALSE(commands.run(99999));
}

TEST_F(DatabaseCommandsTest, OptionsOpensTheSheetWithOrWithoutADatabase)
{
    EXPECT_TRUE(commands.run(cmd::Options));
    openSales();
    EXPECT_TRUE(commands.run(cmd::Options));
    EXPECT_EQ(platform.optionsOpened, 2);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(DatabaseCommandsTest, StartUpOpensTheNamedDatabaseOrTheMostRecentWhenAsked)
{
    database.files << "\\a.cdb" << "\\b.cdb";
    recent.list = {"\\b.cdb"};
    EXPECT_FALSE(commands.openAtStart({{}, false, "\\My Document"}));
    EXPECT_FALSE(commands.openAtStart({{}, true, ""}));
    EXPECT_FALSE(database.isOpen());

    EXPECT_TRUE(commands.openAtStart({{}, true, "\\My Document"}));
    EXPECT_EQ(database.openPath(), "\\b.cdb");

    EXPECT_TRUE(commands.openAtStart({"\\a.cdb", true, "\\My Document"}));
    EXPECT_EQ(database.openPath(), "\\a.cdb");
}

namespace {
class RecordingViews : public ViewOpener {
public:
    void openModuleEditor(const QString& moduleName) override { moduleEditors << moduleName; }
    void openTable(const QString& table) override { tables << table; }
    void openQuery(const QString& name, const QString& statement) override { queries << name << statement; }
    void openQueryDesigner(const QString& name) override { designers << name; }
    void openForm(const QString& name) override { forms << name; }
    void openAutoForm(const QString& source) override { autoForms << source; }
    void openMacroEditor(const QString& macroName) override { macroEditors << macroName; }
    void openReports(const QString& newSource) override { reportSources << newSource; }
    QStringList reportSources;
    void openFormRunningMacro(const QString& form, const QString& macro) override { macroForms << form << macro; }
    QStringList moduleEditors;
    QStringList macroEditors;
    QStringList macroForms;
    void openFormDesigner(const QString& formName) override { formDesigners << formName; }
    QStringList formDesigners;
    QStringList forms;
    QStringList autoForms;
    QStringList tables;
    QStringList queries;
    QStringList designers;
};
} // namespace

TEST_F(DatabaseCommandsTest, OpenTableAndOpenQueryShowTheirRecords)
{
    RecordingViews views;
    commands.setViewOpener(&views);
    openSales();
    commands.selectTable(1);
    commands.run(cmd::OpenTable);
    EXPECT_EQ(views.tables, QStringList({"Orders"}));

    showPaneWith(Pane::Queries, "SELECT * FROM XNSysQueries", {{"1", "Big", "0", "SELECT * FROM Orders"}});
    database.results["SELECT * FROM XNSysQueries WHERE QueryName = 'Big'"] = {{"1", "Big", "0", "SELECT * FROM Orders"}};
    commands.selectObject(0);
    commands.run(cmd::OpenQuery);
    EXPECT_EQ(views.queries, QStringList({"Big", "SELECT * FROM Orders"}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(DatabaseCommandsTest, QueryCommandsOpenTheDesignerAskParametersAndDeleteOnlyWhenTold)
{
    RecordingViews views;
    commands.setViewOpener(&views);
    openSales();
    showPaneWith(Pane::Queries, "SELECT * FROM XNSysQueries", {{"1", "Big", "0", "SELECT 1"}});
    commands.run(cmd::NewQuery);
    commands.selectObject(0);
    commands.run(cmd::EditQuery);
    EXPECT_EQ(views.designers, QStringList({"", "Big"}));
    EXPECT_EQ(database.statements.last(), "SELECT * FROM XNSysQueries") << "the list is refilled";

    QStringList asked;
    const auto previous = framework::setPromptResponder([&asked](const framework::PromptRequest& request) {
        asked << request.prompt;
        return std::optional<QString>(QStringLiteral("O'Brien"));
    });
    database.results["SELECT * FROM XNSysQueries WHERE QueryName = 'Big'"] = {
        {"1", "Big", "1", "SELECT * FROM Customers WHERE Name = [Who] OR Boss = [Who]"}};
    commands.selectObject(0);
    commands.run(cmd::OpenQuery);
    EXPECT_EQ(asked, QStringList({"[Who]"}));
    EXPECT_EQ(views.queries,
              QStringList({"Big", "SELECT * FROM Customers WHERE Name = 'O''Brien' OR Boss = 'O''Brien'"}));

    const QString purge = QStringLiteral("DELETE  FROM Orders WHERE ((Orders.Qty <2) ) ");
    database.results["SELECT * FROM XNSysQueries WHERE QueryName = 'Big'"] = {{"1", "Big", "2", purge}};
    messages.answer(framework::Answer::No);
    commands.run(cmd::OpenQuery);
    EXPECT_FALSE(database.statements.contains(purge));
    commands.run(cmd::OpenQuery);
    EXPECT_EQ(database.statements.count(purge), 1);
    EXPECT_EQ(views.queries.size(), 2) << "a delete shows no datasheet";
    EXPECT_EQ(messages.texts(), QStringList({"Do you want to delete the records?", "Do you want to delete the records?"}));
    framework::setPromptResponder(previous);
}

TEST_F(DatabaseCommandsTest, FormsOpenStoredOrAutomaticOverATableOrAQuery)
{
    RecordingViews views;
    commands.setViewOpener(&views);
    openSales();
    commands.run(cmd::OpenAutoForm);
    EXPECT_TRUE(views.autoForms.isEmpty()) << "no table is selected";
    commands.selectTable(1);
    commands.run(cmd::OpenAutoForm);

    showPaneWith(Pane::Forms, "Select * from XNSysForms", {{"Entry", "Customers", ""}});
    commands.run(cmd::OpenForm);
    EXPECT_TRUE(views.forms.isEmpty()) << "no form is selected";
    commands.selectObject(0);
    commands.run(cmd::OpenForm);
    EXPECT_EQ(views.forms, QStringList({"Entry"}));

    showPaneWith(Pane::Queries, "SELECT * FROM XNSysQueries", {{"1", "Big", "0", "SELECT * FROM Orders"}});
    commands.run(cmd::QueryAutoForm);
    commands.selectObject(0);
    commands.run(cmd::QueryAutoForm);
    EXPECT_EQ(views.autoForms, QStringList({"Orders", "Big(Q)"}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(DatabaseCommandsTest, ANewReportStartsOverTheTableOrQueryChosenInTheWindow)
{
    RecordingViews views;
    commands.setViewOpener(&views);
    openSales();
    commands.run(cmd::Reports);
    commands.selectTable(1);
    commands.run(cmd::Reports);
    showPaneWith(Pane::Queries, "SELECT * FROM XNSysQueries", {{"1", "Big", "0", "SELECT * FROM Orders"}});
    commands.selectObject(0);
    commands.run(cmd::Reports);
    showPaneWith(Pane::Forms, "Select * from XNSysForms", {{"Entry", "Customers", ""}});
    commands.selectObject(0);
    commands.run(cmd::Reports);
    EXPECT_EQ(views.reportSources, QStringList({"", "Orders", "(Q)Big", ""})) << "a form is no record source";
}

TEST_F(DatabaseCommandsTest, ADoubleClickOpensTheItemOfTheCurrentPane)
{
    RecordingViews views;
    commands.setViewOpener(&views);
    openSales();
    commands.selectTable(0);
    commands.openSelected();
    EXPECT_EQ(views.tables, QStringList({"Customers"}));

    showPaneWith(Pane::Queries, "SELECT * FROM XNSysQueries", {{"1", "Big", "0", "SELECT * FROM Orders"}});
    database.results["SELECT * FROM XNSysQueries WHERE QueryName = 'Big'"] = {{"1", "Big", "0", "SELECT * FROM Orders"}};
    commands.selectObject(0);
    commands.openSelected();
    EXPECT_EQ(views.queries, QStringList({"Big", "SELECT * FROM Orders"}));

    showPaneWith(Pane::Modules, "SELECT * from XNSysModules", {{"Tools"}});
    commands.selectObject(0);
    commands.openSelected();
    EXPECT_EQ(views.moduleEditors, QStringList({"Tools"}));

    showPaneWith(Pane::Forms, "Select * from XNSysForms", {{"Entry", "Customers", ""}});
    commands.selectObject(0);
    commands.openSelected();
    EXPECT_EQ(views.forms, QStringList({"Entry"}));
    EXPECT_TRUE(messages.texts().isEmpty());

    // A macro runs as its Open command does: this one opens no form first.
    showPaneWith(Pane::Macros, "Select * from XNSysMacros", {{"1", "Greet"}});
    commands.selectObject(0);
    commands.openSelected();
    EXPECT_EQ(messages.texts(), QStringList({"Cannot execute the macro. No form is open."}));
}

TEST_F(DatabaseCommandsTest, TheWindowTitleNamesTheOpenDatabase)
{
    EXPECT_EQ(commands.windowTitle(), "Varnel Desk");
    openSales();
    EXPECT_EQ(commands.windowTitle(), "Sales.cdb - Varnel Desk");
    commands.run(cmd::CloseDatabase);
    EXPECT_EQ(commands.windowTitle(), "Varnel Desk");
}

TEST_F(DatabaseCommandsTest, ModuleEditorOpensForANewModuleOrTheSelectedOne)
{
    RecordingViews views;
    commands.setViewOpener(&views);
    commands.run(cmd::NewModule);
    EXPECT_TRUE(views.moduleEditors.isEmpty()) << "no database is open";
    openSales();
    showPaneWith(Pane::Modules, "SELECT * from XNSysModules", {{"Tools"}});
    commands.run(cmd::EditModule);
    EXPECT_TRUE(views.moduleEditors.isEmpty()) << "no module is selected";
    commands.run(cmd::NewModule);
    commands.selectObject(0);
    commands.run(cmd::EditModule);
    EXPECT_EQ(views.moduleEditors, QStringList({"", "Tools"}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(DatabaseCommandsTest, RunModuleRunsTheSelectedSourceAsItStands)
{
    openSales();
    showPaneWith(Pane::Modules, "SELECT * from XNSysModules", {{"O'Hara"}, {"Gone"}});
    database.results["SELECT * from XNSysModules where ModuleName = 'O''Hara'"] = {
        {"O'Hara", "Dim n\nFor n = 1 To 3\nMessage \"step \" & n\nNext"}};
    commands.run(cmd::RunModule);
    EXPECT_TRUE(messages.texts().isEmpty()) << "nothing is selected";
    commands.selectObject(0);
    commands.run(cmd::RunModule);
    EXPECT_EQ(messages.texts(), QStringList({"step 1", "step 2", "step 3"}));
    commands.selectObject(1);
    messages.clear();
    commands.run(cmd::RunModule);
    EXPECT_TRUE(messages.texts().isEmpty()) << "a module that cannot be read runs nothing";
}

TEST_F(DatabaseCommandsTest, RunModuleOfProceduresOnlyRunsTheOneOfItsNameOrTheOneTheUserPicks)
{
    openSales();
    showPaneWith(Pane::Modules, "SELECT * from XNSysModules", {{"ShowTotal"}, {"Helpers"}, {"Tools"}});
    database.results["SELECT * from XNSysModules where ModuleName = 'ShowTotal'"] = {
        {"ShowTotal", "Sub Other()\nEnd Sub\nSub ShowTotal()\nMsgBox \"Total: \" & 2 * 21\nEnd Sub"}};
    database.results["SELECT * from XNSysModules where ModuleName = 'Helpers'"] = {
        {"Helpers", "Sub Tidy(x)\nMessage x\nEnd Sub"}};
    database.results["SELECT * from XNSysModules where ModuleName = 'Tools'"] = {
        {"Tools", "Sub Hello()\nMsgBox \"Hi\"\nEnd Sub\nSub Bye()\nMsgBox \"Bye\"\nEnd Sub"}};
    commands.selectObject(0);
    commands.run(cmd::RunModule);
    commands.selectObject(1);
    commands.run(cmd::RunModule);
    EXPECT_TRUE(platform.procedureOffers.isEmpty()) << "the module's name, or no procedure to pick";
    commands.selectObject(2);
    platform.procedureAnswer = "Bye";
    commands.run(cmd::RunModule);
    platform.procedureAnswer.clear();
    commands.run(cmd::RunModule);
    EXPECT_EQ(platform.procedureOffers, QStringList({"Tools: Hello, Bye", "Tools: Hello, Bye"}));
    EXPECT_EQ(messages.texts(),
              QStringList({"Total: 42",
                           "The module Helpers has no statements outside its procedures and no procedure without "
                           "arguments to run",
                           "Bye"}))
        << "a cancelled pick runs nothing and says nothing";
}

TEST_F(DatabaseCommandsTest, RunModuleShowsWhereAndWhyTheScriptFailed)
{
    openSales();
    showPaneWith(Pane::Modules, "SELECT * from XNSysModules", {{"Broken"}, {"Late"}});
    database.results["SELECT * from XNSysModules where ModuleName = 'Broken'"] = {{"Broken", "Message \"unterminated"}};
    database.results["SELECT * from XNSysModules where ModuleName = 'Late'"] = {{"Late", "Message \"one\"\nx = 1 / 0"}};
    commands.selectObject(0);
    commands.run(cmd::RunModule);
    commands.selectObject(1);
    commands.run(cmd::RunModule);
    EXPECT_EQ(messages.texts(), QStringList({"Error in line 1: Unterminated string constant", "one",
                                             "Error in line 2: Division by zero"}));
}

TEST_F(DatabaseCommandsTest, RelationCommandsReachTheRelationsPage)
{
    struct Page : RelationsPage {
        void refill() override { calls << "refill"; }
        void newRelation() override { calls << "new"; }
        void saveRelation() override { calls << "save"; }
        void deleteRelation() override { calls << "delete"; }
        void saveRelationFlags() override { calls << "flags"; }
        QStringList calls;
    } page;
    commands.setRelationsPage(&page);
    openSales();
    commands.selectPane(Pane::Forms);
    commands.selectPane(Pane::Relations);
    for (int id : {cmd::NewRelation, cmd::SaveRelation, cmd::SaveRelationFlags, cmd::DeleteRelation})
        EXPECT_TRUE(commands.run(id));
    EXPECT_EQ(page.calls, QStringList({"refill", "new", "save", "flags", "delete"}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

namespace {
// Form rows held in memory, as the program's store holds them in XNSysForms.
struct MemoryForms : FormStore {
    std::optional<FormRow> findForm(const QString& name) override
    {
        for (const FormRow& row : rows)
            if (row.name == name)
                return row;
        return std::nullopt;
    }
    bool addForm(const FormRow& row) override
    {
        rows << row;
        return true;
    }
    QList<FormRow> rows;
};

class FormCommandsTest : public DatabaseCommandsTest {
protected:
    void SetUp() override
    {
        commands.setFormStore(&forms);
        openSales();
        showPaneWith(Pane::Forms, "Select * from XNSysForms", {{"Entry", "Customers", ""}});
    }
    void writeFile(const char* name, const QString& text)
    {
        QFile file(QString::fromStdString((root / name).string()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }

    TempRoot root;
    MemoryForms forms;
};
} // namespace

TEST_F(FormCommandsTest, ImportFormAddsTheFilesFormUnderItsNameAndShowsItInTheList)
{
    writeFile("Stock.v1.xnf", "Yes~Yes~Yes~Yes~16777215~~Yes~Yes~Yes~Yes~No~Yes~Stock~|0|");
    platform.browseAnswer = "\\Stock.v1.xnf";
    database.statements.clear();

    commands.run(cmd::ImportForm);

    ASSERT_EQ(platform.requests.size(), 1);
    EXPECT_EQ(platform.requests[0].title, "Import Form");
    EXPECT_EQ(platform.requests[0].filters, "*.xnf(Varnel Form File)");
    EXPECT_EQ(platform.requests[0].purpose, BrowsePurpose::FormFile);
    EXPECT_EQ(platform.requests[0].failureCaption, "Varnel 5.0");
    ASSERT_EQ(forms.rows.size(), 1);
    EXPECT_EQ(forms.rows[0].name, "Stock");
    EXPECT_EQ(forms.rows[0].tableSource, "Stock");
    EXPECT_TRUE(database.statements.contains("Select * from XNSysForms"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(FormCommandsTest, ImportFormEndsSilentlyOnAnExistingNameOrAMissingFileAndNamesABadName)
{
    forms.rows << FormRow{"Stock", "Stock", "mine"};
    writeFile("Stock.xnf", "theirs");
    writeFile("My Stock.xnf", "theirs");
    for (const char* path : {"\\Stock.xnf", "\\Gone.xnf", ""}) {
        platform.browseAnswer = path;
        commands.run(cmd::ImportForm);
    }
    EXPECT_EQ(forms.rows.size(), 1);
    EXPECT_EQ(forms.rows[0].ctrlProps, "mine");
    EXPECT_TRUE(messages.texts().isEmpty());

    platform.browseAnswer = "\\My Stock.xnf";
    commands.run(cmd::ImportForm);
    EXPECT_EQ(messages.texts(), QStringList({"Invalid Form Name : My Stock"}));
    EXPECT_EQ(forms.rows.size(), 1);

    database.closeDatabase();
    platform.requests.clear();
    commands.run(cmd::ImportForm);
    EXPECT_TRUE(platform.requests.isEmpty());
}

TEST_F(FormCommandsTest, ExportFormWritesTheSelectedFormWhereTheSaveDialogSays)
{
    forms.rows << FormRow{"Entry", "Customers", "Yes|0|"};
    commands.run(cmd::ExportForm);
    EXPECT_TRUE(platform.formFileOffers.isEmpty());

    commands.selectObject(0);
    commands.run(cmd::ExportForm);
    EXPECT_EQ(platform.formFileOffers, QStringList({"Entry"}));
    EXPECT_TRUE(messages.texts().isEmpty());

    platform.formFileAnswer = "\\Entry.xnf";
    commands.run(cmd::ExportForm);
    EXPECT_EQ(messages.texts(), QStringList({"Exported Successfully"}));
    EXPECT_EQ(ReadFormFile("\\Entry.xnf"), "Yes|0|");
}

TEST_F(FormCommandsTest, SelectingAFormListsItsControlsByNameAndType)
{
    PropertySet city = BuildPropertySet(ControlKind::TextBox);
    SetProperty(city, "Name", "City");
    PropertySet save = BuildPropertySet(ControlKind::CommandButton);
    SetProperty(save, "Name", "Save");
    forms.rows << FormRow{"Entry", "Customers", *SerialiseForm(BuildPropertySet(ControlKind::FormProps), {city, save})};

    commands.selectObject(0);
    EXPECT_EQ(model.formControls(), (QList<QStringList>{{"City", "TextBox"}, {"Save", "CommandButton"}}));
    commands.selectPane(Pane::Macros);
    EXPECT_TRUE(model.formControls().isEmpty());
}

TEST_F(DatabaseCommandsTest, MacrosAreEditedAndRunThroughTheFormTheirFirstActionOpens)
{
    RecordingViews views;
    commands.setViewOpener(&views);
    openSales();
    showPaneWith(Pane::Macros, "Select * from XNSysMacros",
                 {{"", "Go", "Open Form~Next Record~", "Open Form~FormName=Entry#Edit mode=ReadWrite~Next Record~", "-1"},
                  {"", "Tell", "Message~", "Message~Message text=Hi", "-1"},
                  {"", "Lost", "Open Form~", "Open Form~FormName=Gone#Edit mode=ReadOnly", "-1"}});
    commands.run(cmd::EditMacro);
    commands.run(cmd::NewMacro);
    EXPECT_EQ(views.macroEditors, QStringList({""})) << "Edit needs a selected macro";

    database.results["SELECT * from XNSysMacros where MacroName = 'Go'"] = {database.results["Select * from XNSysMacros"][0]};
    database.results["SELECT * from XNSysMacros where MacroName = 'Tell'"] = {database.results["Select * from XNSysMacros"][1]};
    database.results["SELECT * from XNSysMacros where MacroName = 'Lost'"] = {database.results["Select * from XNSysMacros"][2]};
    database.results["Select FormName From XNSysForms where FormName = 'Entry'"] = {{"Entry"}};
    commands.selectObject(0);
    commands.run(cmd::EditMacro);
    // The list is read again after the editor, so the macro is chosen again.
    commands.selectObject(0);
    commands.run(cmd::OpenMacro);
    EXPECT_EQ(views.macroEditors, QStringList({"", "Go"}));
    EXPECT_EQ(views.macroForms, QStringList({"Entry", "Go"}));
    EXPECT_TRUE(messages.texts().isEmpty());

    commands.selectObject(1);
    commands.run(cmd::OpenMacro);
    commands.selectObject(2);
    commands.run(cmd::OpenMacro);
    EXPECT_EQ(messages.texts(), QStringList({"Cannot execute the macro. No form is open.",
                                             "The macro Lost stopped at row 1, Open Form: there is no form named Gone."}));
    EXPECT_EQ(messages.messages().front().icon, framework::Icon::Information);
    EXPECT_EQ(views.macroForms.size(), 2);
}

TEST_F(FormCommandsTest, NewFormAndEditFormOpenTheDesigner)
{
    RecordingViews views;
    commands.setViewOpener(&views);
    commands.run(cmd::EditForm);
    EXPECT_TRUE(views.formDesigners.isEmpty()) << "Edit Form needs a selected form";
    commands.run(cmd::NewForm);
    commands.selectObject(0);
    commands.run(cmd::EditForm);
    EXPECT_EQ(views.formDesigners, QStringList({"", "Entry"}));
    database.closeDatabase();
    commands.run(cmd::NewForm);
    EXPECT_EQ(views.formDesigners.size(), 2);
    EXPECT_TRUE(messages.texts().isEmpty());
}

// The counts the Tables and Queries panes show are read again when a delete query has run and on the
// way back to either pane, so that neither shows the counts of before a change.
TEST_F(DatabaseCommandsTest, TheCountsAreReadAgainAfterADeleteQueryAndOnReturnToTheirPane)
{
    openSales();
    database.counts = {{"Customers", 12}, {"Orders", 40}};
    commands.selectTable(1);
    EXPECT_EQ(model.recordCountValue(), "40");
    const QString purge = QStringLiteral("DELETE FROM Orders WHERE Qty < 2");
    showPaneWith(Pane::Queries, "SELECT * FROM XNSysQueries", {{"1", "Purge", "2", purge}});
    database.results["SELECT * FROM XNSysQueries WHERE QueryName = 'Purge'"] = {{"1", "Purge", "2", purge}};
    commands.selectObject(0);
    database.counts["Orders"] = 31;
    commands.run(cmd::OpenQuery);
    ASSERT_EQ(database.statements.count(purge), 1);
    EXPECT_EQ(model.tables().at(1).recordCount, "31");
    EXPECT_EQ(model.recordCountValue(), "31");

    // A change made while another pane was shown.
    commands.selectPane(Pane::Macros);
    database.counts["Customers"] = 13;
    database.counts["Orders"] = 30;
    commands.selectPane(Pane::Queries);
    EXPECT_EQ(model.recordCountValue(), "30");
    commands.selectPane(Pane::Tables);
    EXPECT_EQ(model.tables().at(0).recordCount, "13");
}
