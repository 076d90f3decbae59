#include "app/shell/DatabaseCommands.h"

#include "app/CommandIds.h"
#include "app/shell/FieldListRow.h"
#include "app/shell/ServerSignIn.h"
#include "data/DatabaseFolder.h"
#include "data/EngineError.h"
#include "data/FieldRows.h"
#include "data/FormRows.h"
#include "data/MacroRows.h"
#include "data/ModuleRows.h"
#include "data/QueryStore.h"
#include "data/ReadOnlyDatabase.h"
#include "data/SqlText.h"
#include "forms/format/CtrlProps.h"
#include "forms/format/FormFile.h"
#include "logic/MacroText.h"
#include "logic/RunMacro.h"
#include "logic/RunModule.h"
#include "logic/queries/QueryRun.h"
#include "platform/cedb/ServerAccess.h"
#include "platform/cedb/ServerAddress.h"
#include "platform/framework/MessageBox.h"

#include <algorithm>

namespace {

// What opening and deleting the selected item of a pane's list runs; 0, nothing, in the relations pane.
struct ItemCommands {
    int open;
    int remove;
};

ItemCommands selectedItemCommands(Pane pane)
{
    switch (pane) {
    case Pane::Tables: return {cmd::OpenTable, cmd::DeleteTable};
    case Pane::Forms: return {cmd::OpenForm, cmd::DeleteForm};
    case Pane::Queries: return {cmd::OpenQuery, cmd::DeleteQuery};
    case Pane::Macros: return {cmd::OpenMacro, cmd::DeleteMacro};
    case Pane::Modules: return {cmd::EditModule, cmd::DeleteModule};
    case Pane::Relations: break;
    }
    return {0, 0};
}
// The browser lists what a filter's patterns match and shows its text: the text names our own files,
// and the first entry is the one the browser starts with.
const QString kDatabaseFilters = QStringLiteral("*.cdb(Varnel Desk Databases)");
const QString kTextFilters = QStringLiteral(
    "*.txt;*.csv;*.tab;*.tsv(Text Files)|*.csv(Comma Separated Values)|*.tab;*.tsv(Tab Separated Values)|*.*(All Files)");

// Every database is larger than the browser's handheld size limit of 10000 bytes, which would leave all
// of them out of a typed "*.cdb" listing: the database browser takes no limit.
BrowseRequest databaseRequest(const QString& title, const QString& failureCaption)
{
    return {.title = title, .filters = kDatabaseFilters, .maxFileSize = -1, .failureCaption = failureCaption,
            .purpose = BrowsePurpose::Database};
}

void tell(const QString& text) { framework::showMessage(text); }

bool ask(const QString& question)
{
    return framework::showMessage(question, framework::applicationCaption(), framework::Buttons::YesNo,
                                  framework::Icon::Information) == framework::Answer::Yes;
}
} // namespace

DatabaseCommands::DatabaseCommands(DatabaseWindowModel& model, DatabaseService& database, RecentDatabases& recent,
                                   ShellPlatform& platform)
    : m_model(model), m_database(database), m_recent(recent), m_platform(platform)
{
}

QString DatabaseCommands::notAvailableText() { return QStringLiteral("This function is not available yet."); }

void DatabaseCommands::notAvailable() { tell(notAvailableText()); }

bool DatabaseCommands::run(int commandId)
{
    if (commandId >= cmd::RecentFirst && commandId <= cmd::RecentLast) {
        openRecent(commandId - cmd::RecentFirst);
        m_model.notify();
        return true;
    }
    switch (commandId) {
    case cmd::NewDatabase: createAndShow(m_platform.chooseNewDatabase()); break;
    case cmd::NewServerDatabase: newServerDatabase(); break;
    case cmd::OpenDatabase: openDatabase(); break;
    case cmd::OpenServerDatabase: openServerDatabase(); break;
    case cmd::CopyDatabase: copyDatabase(); break;
    case cmd::CloseDatabase: closeDatabase(); break;
    case cmd::DeleteDatabase: deleteDatabase(); break;
    case cmd::BeamDatabase: m_model.disableBeam(); break;
    case cmd::Help: m_platform.startHelp(QStringLiteral("file:XNHelp.htm#Contents")); break;
    case cmd::Exit: exitApplication(); break;
    case cmd::NewTable: newTable(); break;
    case cmd::EditTable: editTable(); break;
    case cmd::OpenTable: openTable(); break;
    case cmd::DeleteTable: deleteTable(); break;
    case cmd::DeletedTables: showDeletedTables(); break;
    case cmd::OpenAutoForm: openAutoForm(selectedTableName()); break;
    case cmd::ImportFromFile: importFromFile(); break;
    case cmd::OpenIndexManager: openIndexManager(); break;
    case cmd::ExportToFile: exportToFile(); break;
    case cmd::ExportSqlite:
        if (m_database.isOpen() && m_transfer)
            m_transfer->exportDatabase();
        break;
    case cmd::NewForm:
        if (m_database.isOpen() && m_views)
            m_views->openFormDesigner({});
        break;
    case cmd::OpenForm:
        if (m_views && !m_model.selectedObjectName().isEmpty())
            m_views->openForm(m_model.selectedObjectName());
        break;
    case cmd::EditForm:
        if (m_views && !m_model.selectedObjectName().isEmpty())
            m_views->openFormDesigner(m_model.selectedObjectName());
        break;
    case cmd::ExportForm: exportForm(); break;
    case cmd::ImportForm: importForm(); break;
    case cmd::DeleteForm:
        deleteObject(QStringLiteral("Are you sure to Delete the form"),
                     [this](const QString& name) { return FormRows(m_database).remove(name); },
                     QStringLiteral("Form Deleted Successfully"), QStringLiteral("Form couldn't be deleted"));
        break;
    case cmd::NewQuery:
        if (m_views)
            m_views->openQueryDesigner(QString());
        refillObjects();
        break;
    case cmd::EditQuery: editQuery(); break;
    case cmd::DeleteQuery: deleteQuery(); break;
    case cmd::OpenQuery: openQuery(); break;
    case cmd::QueryAutoForm:
        if (!m_model.selectedObjectName().isEmpty())
            openAutoForm(m_model.selectedObjectName() + QStringLiteral("(Q)"));
        break;
    case cmd::NewMacro: openMacroEditor(false); break;
    case cmd::Reports:
        if (m_database.isOpen() && m_views)
            m_views->openReports(selectedSourceName());
        break;
    case cmd::EditMacro: openMacroEditor(true); break;
    case cmd::OpenMacro: runMacro(); break;
    case cmd::RunModule: runModule(); break;
    case cmd::DeleteMacro:
        deleteObject(QStringLiteral("Are you sure you want to delete the macro ?"),
                     [this](const QString& name) { return MacroRows(m_database).remove(name); },
                     QStringLiteral("Macro Deleted Successfully"), QStringLiteral("Macro could not be deleted"));
        break;
    case cmd::NewModule: openModuleEditor(false); break;
    case cmd::EditModule: openModuleEditor(true); break;
    case cmd::DeleteModule:
        deleteObject(QStringLiteral("Are you sure you want to delete the module ?"),
                     [this](const QString& name) { return ModuleRows(m_database).remove(name); },
                     QStringLiteral("Module Deleted Successfully"), QStringLiteral("Module could not be deleted"));
        break;
    case cmd::Options: m_platform.openOptions(); break;
    case cmd::NewRelation: onRelationsPage(&RelationsPage::newRelation); break;
    case cmd::DeleteRelation: onRelationsPage(&RelationsPage::deleteRelation); break;
    case cmd::SaveRelation: onRelationsPage(&RelationsPage::saveRelation); break;
    case cmd::SaveRelationFlags: onRelationsPage(&RelationsPage::saveRelationFlags); break;
    default: return false;
    }
    m_model.notify();
    return true;
}

void DatabaseCommands::createAndShow(const QString& path)
{
    if (path.isEmpty())
        return;
    m_database.closeDatabase();
    clearTableLists();
    if (!m_database.createDatabase(path)) {
        // A server says why it made no database there (it holds one already, the user may not create
        // tables); a file's failure has always been told in these words alone.
        const QString why = cedb::isServerAddress(path) ? u'\n' + lastEngineError().description : QString();
        tell(QStringLiteral("Database was not created.") + why);
        return;
    }
    framework::showMessage(QStringLiteral("Database created successfully."), framework::applicationCaption(),
                           framework::Buttons::Ok, framework::Icon::Information);
    m_recent.add(path);
    m_database.checkCatalogue();
    showTablesPane();
}

void DatabaseCommands::openDatabase()
{
    const QString path = m_platform.browseForFile(databaseRequest(QStringLiteral("Open Database "), QStringLiteral("Test")));
    if (path.isEmpty())
        return;
    // The open database goes only once the new one is open: a file that cannot be used leaves it open.
    openAndShow(path);
}

void DatabaseCommands::newServerDatabase()
{
    const QString address = m_platform.chooseServerDatabase(QStringLiteral("New Server Database"));
    if (!address.isEmpty() && signInToServer(m_platform, address))
        createAndShow(address);
}

void DatabaseCommands::openServerDatabase()
{
    const QString address = m_platform.chooseServerDatabase(QStringLiteral("Open Server Database"));
    if (!address.isEmpty() && signInToServer(m_platform, address))
        openAndShow(address);
}

// A file goes to a server and a server database to a file: the two ways a database changes hands.
void DatabaseCommands::copyDatabase()
{
    if (!m_database.isOpen())
        return;
    const bool toServer = !cedb::isServerAddress(m_database.openPath());
    const QString target = toServer ? m_platform.chooseServerDatabase(QStringLiteral("Copy Database To"))
                                    : m_platform.chooseNewDatabase();
    if (target.isEmpty() || (toServer && !signInToServer(m_platform, target)))
        return;
    const QString why = m_database.copyDatabaseTo(target);
    if (!why.isEmpty()) {
        tell(QStringLiteral("Database was not copied.\n") + why);
        return;
    }
    framework::showMessage(QStringLiteral("Database copied to %1.").arg(shownName(target)), framework::applicationCaption(),
                           framework::Buttons::Ok, framework::Icon::Information);
}

bool DatabaseCommands::openAndShow(const QString& path)
{
    const bool opened = m_database.openDatabase(path);
    showTablesPane();
    if (opened && isReadOnlyDatabase(m_database.openPath()))
        tell(readOnlyDatabaseText());
    return opened;
}

void DatabaseCommands::showTablesPane()
{
    m_model.setPane(Pane::Tables);
    m_model.clearSecondList();
}

void DatabaseCommands::clearTableLists()
{
    m_model.clearTablesList();
    m_model.clearSecondList();
}

void DatabaseCommands::closeDatabase()
{
    showTablesPane();
    m_database.closeDatabase();
    clearTableLists();
    m_model.setCountLabels(QString(), QString());
}

void DatabaseCommands::deleteDatabase()
{
    const QString path =
        m_platform.browseForFile(databaseRequest(QStringLiteral("Delete Database "), QStringLiteral("Varnel 5.0")));
    if (path.isEmpty())
        return;
    const bool isTheOpenOne = m_database.isOpen() && m_database.openPath() == path;
    const QString question = isTheOpenOne ? QStringLiteral("Database is open.\nAre you sure to Delete this Database?.")
                                          : QStringLiteral("Are you sure to Delete this Database");
    if (!ask(question))
        return;
    if (isTheOpenOne) {
        clearTableLists();
        m_model.setCountLabels(QString(), QString());
        // The file goes away, so it must stop being the open database first.
        m_database.closeDatabase();
    }
    tell(m_database.deleteDatabase(path) ? QStringLiteral("Database deleted successfully.")
                                         : QStringLiteral("Database was not deleted."));
}

void DatabaseCommands::openRecent(int index)
{
    const QStringList entries = m_recent.entries();
    if (index < 0 || index >= entries.size())
        return;
    const QString path = entries.at(index);
    if (openAndShow(path))
        m_recent.add(path);
    else
        m_recent.remove(index);
}

void DatabaseCommands::exitApplication()
{
    m_platform.releaseHotKeys();
    if (ask(QStringLiteral("Are you sure to close Varnel Desk application")))
        m_platform.quit();
    else
        m_platform.takeHotKeys();
}

void DatabaseCommands::newTable()
{
    if (!m_database.isOpen()) {
        tell(QStringLiteral("Please open a database before creating a table"));
        return;
    }
    m_model.setDesignerMode(0);
    openTableDesigner();
}

void DatabaseCommands::editTable()
{
    m_model.setDesignerMode(1);
    if (!m_database.isOpen()) {
        tell(QStringLiteral("Please select a table to edit"));
        return;
    }
    if (!selectedTableName().isEmpty())
        openTableDesigner();
}

void DatabaseCommands::openIndexManager()
{
    if (selectedTableName().isEmpty()) {
        tell(QStringLiteral("Please select a table to manage its indexes"));
        return;
    }
    m_platform.openIndexManager(selectedTableName());
}

void DatabaseCommands::openTableDesigner()
{
    m_platform.openTableDesigner();
    // The designer may have added the table or changed its fields: show them afresh.
    if (m_model.selectedTable() >= 0)
        selectTable(m_model.selectedTable());
    m_model.notify();
}

void DatabaseCommands::openTable()
{
    if (selectedTableName().isEmpty()) {
        tell(QStringLiteral("Please select a table to open"));
        return;
    }
    if (m_views)
        m_views->openTable(selectedTableName());
}

void DatabaseCommands::openAutoForm(const QString& source)
{
    if (m_views && !source.isEmpty())
        m_views->openAutoForm(source);
}

void DatabaseCommands::deleteTable()
{
    const int row = m_model.selectedTable();
    const QString name = selectedTableName();
    if (name.isEmpty() || !ask(QStringLiteral("Are you sure to Delete the table")))
        return;
    if (!m_database.deleteTable(name)) {
        tell(QStringLiteral("Table couldn't be deleted"));
        return;
    }
    m_model.removeTableRow(row);
    m_model.clearSecondList();
    // The counts below the list were the deleted table's; no table is selected now.
    m_model.setCountLabels(QString(), QString());
    m_model.notify();
    tell(QStringLiteral("Table Deleted Successfully"));
}

void DatabaseCommands::showDeletedTables()
{
    if (!m_database.isOpen())
        return;
    if (m_platform.openDeletedTables())
        m_database.relistTables();
}

void DatabaseCommands::importFromFile()
{
    if (!m_database.isOpen()) {
        tell(QStringLiteral("Please open a database before Importing"));
        return;
    }
    // A first import looks beside the database rather than at the top of the device.
    const QString path = m_platform.browseForFile({.title = QStringLiteral("Import Table"), .filters = kTextFilters,
                                                   .failureCaption = QStringLiteral("Test"),
                                                   .purpose = BrowsePurpose::Import,
                                                   .fallbackFolder = folderOfDatabase(m_database.openPath())});
    if (path.isEmpty())
        return;
    if (!m_transfer) {
        notAvailable();
        return;
    }
    const std::optional<QString> table = m_transfer->importFile(path);
    if (!table)
        return;
    const bool listed = std::any_of(m_model.tables().begin(), m_model.tables().end(),
                                    [&](const auto& row) { return row.name.compare(*table, Qt::CaseInsensitive) == 0; });
    const auto id = m_database.select(QStringLiteral("SELECT TableID FROM MSysTables WHERE TableName = ") + sqlQuoted(*table));
    if (!listed && id && !id->isEmpty())
        m_model.addTableRow(m_model.tableRowCount(), *table, QStringLiteral("0"), QStringLiteral("0"), id->first().value(0));
    refreshRecordCounts();
}

void DatabaseCommands::exportToFile()
{
    if (!m_database.isOpen())
        return;
    const bool query = m_model.pane() == Pane::Queries;
    const QString name = query ? m_model.selectedObjectName() : selectedTableName();
    if (name.isEmpty()) {
        tell(QStringLiteral("Please select a table or query to export"));
        return;
    }
    if (!m_transfer) {
        notAvailable();
        return;
    }
    m_transfer->exportSource(query ? name + QStringLiteral("(Q)") : name);
}

void DatabaseCommands::whenObjectSelected()
{
    if (!m_model.selectedObjectName().isEmpty())
        notAvailable();
}

// An existing form of the file's name, or a file that cannot be read, ends the import without a word.
void DatabaseCommands::importForm()
{
    if (!m_database.isOpen() || !m_forms)
        return;
    const QString path = m_platform.browseForFile({.title = QStringLiteral("Import Form"),
                                                   .filters = QStringLiteral("*.xnf(Varnel Form File)"),
                                                   .failureCaption = QStringLiteral("Varnel 5.0"),
                                                   .purpose = BrowsePurpose::FormFile});
    if (path.isEmpty())
        return;
    QString name;
    if (ImportFormFile(*m_forms, path, &name) == ImportResult::InvalidName)
        tell(QStringLiteral("Invalid Form Name : ") + name);
    refillObjects();
}

void DatabaseCommands::exportForm()
{
    const QString name = m_model.selectedObjectName();
    if (name.isEmpty() || !m_forms)
        return;
    const QString path = m_platform.chooseFormFile(name);
    if (!path.isEmpty() && ExportFormFile(*m_forms, name, path) == ExportResult::Written)
        tell(QStringLiteral("Exported Successfully"));
}

// The detail list of the forms pane: each control's name and stored kind.
void DatabaseCommands::showFormControls()
{
    QList<QStringList> rows;
    const std::optional<FormRow> form = m_forms ? m_forms->findForm(m_model.selectedObjectName()) : std::nullopt;
    if (form)
        for (const PropertySet& control : ParseForm(form->ctrlProps).controls)
            if (!control.isEmpty())
                rows << QStringList{ControlName(control), KindName(control.kind)};
    m_model.setFormControls(rows);
}

void DatabaseCommands::openModuleEditor(bool existing)
{
    const QString name = existing ? m_model.selectedObjectName() : QString();
    if (m_database.isOpen() && (!existing || !name.isEmpty()) && m_views)
        m_views->openModuleEditor(name);
}

// The module's source runs as it stands: no wrapping, no rewriting (RunModule.h says when one of its
// procedures runs instead, and when the user picks it).
void DatabaseCommands::runModule()
{
    const QString name = m_model.selectedObjectName();
    if (name.isEmpty())
        return;
    const std::optional<QString> source = ModuleRows(m_database).source(name);
    if (!source)
        return;
    ScriptHost host;
    const ModuleRun run = RunModule(host, name, *source, [this, &name](const QStringList& procedures) {
        return m_platform.chooseProcedure(name, procedures);
    });
    if (run == ModuleRun::NothingToRun)
        return tell(QStringLiteral("The module %1 has no statements outside its procedures and no procedure "
                                   "without arguments to run").arg(name));
    if (run == ModuleRun::Cancelled)
        return;
    // A module that fails must not look like one that did nothing; a run the user stopped needs no word.
    if (host.scriptError && !host.stopped)
        tell(host.errorLine > 0 ? QStringLiteral("Error in line %1: %2").arg(host.errorLine).arg(host.errorDescription)
                                : QStringLiteral("The module could not run to its end"));
}

void DatabaseCommands::openMacroEditor(bool existing)
{
    const QString name = existing ? m_model.selectedObjectName() : QString();
    if (!m_database.isOpen() || (existing && name.isEmpty()) || !m_views)
        return;
    m_views->openMacroEditor(name);
    refillObjects();
}

// A macro run from here needs a form to act on: its first action must open one, and the form view
// runs the macro once that form is loaded.
void DatabaseCommands::runMacro()
{
    const QString name = m_model.selectedObjectName();
    if (name.isEmpty())
        return;
    const std::optional<QString> arguments = MacroRows(m_database).arguments(name);
    const QString form = arguments ? MacroStartForm(*arguments) : QString();
    if (form.isEmpty()) {
        framework::showMessage(QStringLiteral("Cannot execute the macro. No form is open."),
                               framework::applicationCaption(), framework::Buttons::Ok, framework::Icon::Information);
        return;
    }
    if (!FormRows(m_database).exists(form)) {
        framework::showMessage(MacroStopText(name, 1, QStringLiteral("Open Form"),
                                             QStringLiteral("there is no form named %1").arg(form)),
                               framework::applicationCaption(), framework::Buttons::Ok, framework::Icon::Information);
        return;
    }
    if (m_views)
        m_views->openFormRunningMacro(form, name);
}

void DatabaseCommands::deleteObject(const QString& question, const std::function<bool(const QString&)>& remove,
                                    const QString& done, const QString& failed)
{
    const QString name = m_model.selectedObjectName();
    if (name.isEmpty() || !ask(question))
        return;
    tell(remove(name) ? done : failed);
    refillObjects();
    m_model.setFormControls({});
}

void DatabaseCommands::editQuery()
{
    if (m_model.objects().isEmpty())
        tell(QStringLiteral("No Query is selected for editing"));
    else if (m_model.selectedObjectName().isEmpty())
        tell(QStringLiteral("Please select a query from the list."));
    else if (m_views) {
        m_views->openQueryDesigner(m_model.selectedObjectName());
        refillObjects();
    }
}

void DatabaseCommands::deleteQuery()
{
    if (m_model.objects().isEmpty()) {
        tell(QStringLiteral("No Queries are available to delete"));
        return;
    }
    const QString name = m_model.selectedObjectName();
    if (name.isEmpty() || !ask(QStringLiteral("Do you want to delete this record?")))
        return;
    if (!QueryRows(m_database).remove(name))
        tell(QStringLiteral("Failed to delete the query"));
    refillObjects();
}

void DatabaseCommands::openQuery()
{
    if (m_model.objects().isEmpty()) {
        tell(QStringLiteral("No Queries are available to execute"));
        return;
    }
    const QString name = m_model.selectedObjectName();
    if (name.isEmpty())
        return;
    const std::optional<StoredQuery> query = QueryRows(m_database).find(name);
    if (!query) {
        tell(QStringLiteral("Failed Execute the query"));
        return;
    }
    const std::optional<QString> statement = PrepareQueryRun(query->statement);
    if (!statement)
        return;
    // A delete has no records to show: it has done its work once it ran, and the counts the window
    // shows are those of before unless they are read again.
    if (IsDeleteStatement(*statement)) {
        if (!m_database.execute(*statement))
            tell(QStringLiteral("Failed Execute the query"));
        refreshRecordCounts();
    } else if (m_views) {
        m_views->openQuery(name, *statement);
    }
}

void DatabaseCommands::tapStrip(int x, int y)
{
    if (!m_database.isOpen())
        return;
    if (const auto pane = paneAtStripPoint(x, y))
        selectPane(*pane);
}

void DatabaseCommands::selectPane(Pane pane)
{
    m_model.setPane(pane);
    refillObjects();
    // The counts shown may be of before a change made elsewhere (a macro, a delete query, a form): a
    // pane that shows them reads them again on the way back to it.
    if (m_model.countLabelsVisible() && m_database.isOpen())
        readRecordCounts();
    if (pane == Pane::Relations && m_relations)
        m_relations->refill();
    m_model.notify();
}

void DatabaseCommands::onRelationsPage(void (RelationsPage::*command)())
{
    if (!m_relations) {
        notAvailable();
        return;
    }
    (m_relations->*command)();
}

namespace {
QList<QStringList> oneColumn(const QStringList& names)
{
    QList<QStringList> items;
    for (const QString& name : names)
        items << QStringList{name};
    return items;
}
} // namespace

void DatabaseCommands::refillObjects()
{
    QList<QStringList> rows;
    switch (m_model.pane()) {
    case Pane::Forms: rows = oneColumn(FormRows(m_database).names()); break;
    case Pane::Queries:
        for (const StoredQuery& query : QueryRows(m_database).all())
            rows << QStringList{query.name, query.statement};
        break;
    case Pane::Macros: rows = oneColumn(MacroRows(m_database).names()); break;
    case Pane::Modules: rows = oneColumn(ModuleRows(m_database).names()); break;
    case Pane::Tables:
    case Pane::Relations: return;
    }
    QList<QStringList> items;
    QStringList seenNames;
    for (const QStringList& item : rows) {
        // A macro is stored as one row per action; the list names each macro once.
        if (seenNames.contains(item.first()))
            continue;
        seenNames << item.first();
        items << item;
    }
    m_model.setObjects(items);
}

void DatabaseCommands::selectTable(int row)
{
    if (row < 0 || row >= m_model.tables().size())
        return;
    m_model.setSelectedTable(row);
    const TableRow& table = m_model.tables().at(row);
    // The fields in the table's own order, the order the datasheet and the designer show them in.
    const QList<QStringList> rows = FieldRows(m_database).ofTable(table.tableId);
    QList<QStringList> fields;
    for (const QStringList& catalogueRow : rows)
        fields << fieldListRow(catalogueRow);
    m_model.setFields(fields);
    m_model.setCountLabels(table.recordCount, QString::number(rows.size()));
    m_model.notify();
}

void DatabaseCommands::openSelected() { run(selectedItemCommands(m_model.pane()).open); }

void DatabaseCommands::deleteSelected() { run(selectedItemCommands(m_model.pane()).remove); }

QString DatabaseCommands::windowTitle() const
{
    const QString program = QStringLiteral("Varnel Desk");
    if (!m_database.isOpen())
        return program;
    const QString path = m_database.openPath();
    const QString mark = isReadOnlyDatabase(path) ? QStringLiteral(" (read-only)") : QString();
    return shownName(path) + mark + QStringLiteral(" - ") + program;
}

QString DatabaseCommands::shownName(const QString& path)
{
    if (!cedb::isServerAddress(path))
        return path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
    const cedb::ServerPlace place = cedb::serverPlace(path);
    return QStringLiteral("%1 on %2").arg(place.database, place.server());
}

void DatabaseCommands::rereadLists()
{
    if (!m_database.isOpen())
        return;
    const QString selected = m_model.tables().value(m_model.selectedTable()).name;
    m_database.relistTables();
    const auto stillThere = std::find_if(m_model.tables().begin(), m_model.tables().end(),
                                         [&](const TableRow& row) { return row.name == selected; });
    if (stillThere != m_model.tables().end())
        selectTable(int(stillThere - m_model.tables().begin()));
    else
        m_model.setCountLabels(QString(), QString());
    refillObjects();
    m_model.notify();
}

void DatabaseCommands::refreshRecordCounts()
{
    readRecordCounts();
    m_model.notify();
}

void DatabaseCommands::readRecordCounts()
{
    for (int row = 0; row < m_model.tables().size(); ++row)
        if (const auto count = m_database.recordCount(m_model.tables().at(row).name))
            m_model.setRecordCount(row, QString::number(*count));
    if (const int selected = m_model.selectedTable(); selected >= 0 && selected < m_model.tables().size())
        m_model.setCountLabels(m_model.tables().at(selected).recordCount, m_model.fieldCountValue());
}

void DatabaseCommands::selectObject(int row)
{
    m_model.setSelectedObject(row);
    if (m_model.pane() == Pane::Forms)
        showFormControls();
    if (m_model.pane() == Pane::Modules) {
        m_model.setModuleSource(ModuleRows(m_database)
                                    .source(m_model.selectedObjectName())
                                    .value_or(QStringLiteral("Could not get source for the module")));
    }
    m_model.notify();
}

bool DatabaseCommands::openAtStart(const StartOptions& options)
{
    QString path = options.startupPath;
    const QStringList recent = m_recent.entries();
    if (path.isEmpty() && options.openMostRecent && !options.defaultDatabase.isEmpty() && !recent.isEmpty())
        path = recent.first();
    if (path.isEmpty())
        return false;
    const bool opened = openAndShow(path);
    m_model.notify();
    return opened;
}

QString DatabaseCommands::selectedSourceName() const
{
    if (m_model.pane() == Pane::Queries)
        return m_model.selectedObjectName().isEmpty() ? QString() : QStringLiteral("(Q)") + m_model.selectedObjectName();
    return m_model.pane() == Pane::Tables ? selectedTableName() : QString();
}

QString DatabaseCommands::selectedTableName() const { return m_model.tables().value(m_model.selectedTable()).name; }
