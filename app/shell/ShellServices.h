#pragma once
// What the database window needs from the layers below it: the open database and its lifecycle, the
// recent-database list, and the platform's dialogs and processes. The program wires the real ones;
// tests give their own, so the window's behaviour is checked without windows or files.
#include "data/CatalogueSql.h"
#include "tables/FieldTypes.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Its statements (CatalogueSql) run on the open database.
class DatabaseService : public CatalogueSql {
public:
    virtual ~DatabaseService() = default;

    virtual bool isOpen() const = 0;
    virtual QString openPath() const = 0;
    // A new, empty database in place of any file at `path`; the old file stays when the creation fails.
    virtual bool createDatabase(const QString& path) = 0;
    // Reports a missing file itself; adds the path to the recent list and runs the catalogue check.
    virtual bool openDatabase(const QString& path) = 0;
    virtual void closeDatabase() = 0;
    // Removes the path from the recent list when the file is gone.
    virtual bool deleteDatabase(const QString& path) = 0;
    // The catalogue check: refills the tables list and mends the catalogue tables.
    virtual void checkCatalogue() = 0;
    // Refills the tables list only: no write, for what another program changed.
    virtual void relistTables() = 0;
    // Copies the open database into a new one at `target`: a .cdb path, replaced only once the copy is
    // whole, or an empty server database. Why it failed, or empty when it is copied.
    virtual QString copyDatabaseTo(const QString& target) = 0;

    // How many records the table holds now; nullopt when it cannot be read.
    virtual std::optional<int> recordCount(const QString& table) = 0;
    // Creates a table with its fields' catalogue rows, as the table designer does, without messages.
    virtual bool createTable(const QString& name, const QList<FieldDefinition>& fields) = 0;
    // Deletes a table with its records and what the catalogue holds of it; a database file keeps it
    // among its deleted tables, to be restored whole. True on success.
    virtual bool deleteTable(const QString& name) = 0;
    // Sets the next number an AutoNumber field of the table hands out; true on success.
    virtual bool setNextAutoNumber(const QString& table, const QString& field, int next) = 0;
};

class RecentDatabases {
public:
    virtual ~RecentDatabases() = default;
    virtual QStringList entries() const = 0;
    virtual void add(const QString& path) = 0; // puts the path at the top
    virtual void remove(int index) = 0;
};

// What a file is picked for: each purpose keeps the folder it last picked from.
enum class BrowsePurpose { Database, Import, FormFile, SoundFile, Folder, Export };

// What the file browser component is asked for and what it answers.
struct BrowseRequest {
    QString title{};
    QString filters{};
    int maxFileSize = -1;
    QString failureCaption{}; // caption of "Failed to get ClassID" and "Failed to Create Instance"
    bool onlyFolders = false; // lists folders only and answers the chosen folder
    QString startFolder{};    // device path the browser opens on when it is a folder
    BrowsePurpose purpose = BrowsePurpose::Database;
    // Not empty: the browser names a file to write, this extension added to a typed name without one;
    // a name that does not exist is taken, one that does once the user agrees to replace it.
    QString saveExtension{};
    QString suggestedName{};  // the name the browser offers to write
    // Where it opens when neither the start folder nor the one last picked from for the purpose is one.
    QString fallbackFolder{};
};

class ShellPlatform {
public:
    virtual ~ShellPlatform() = default;
    // The chosen file's full path; empty when the user cancelled or the browser could not be created.
    virtual QString browseForFile(const BrowseRequest& request) = 0;
    // The New Database save dialog; the path with its extension, empty when cancelled.
    virtual QString chooseNewDatabase() = 0;
    // The server database dialog (server, port, database, user) under `title`; the database's address,
    // empty when cancelled.
    virtual QString chooseServerDatabase(const QString& title) = 0;
    // Asks for a password, telling `why`; nullopt when cancelled. Nothing keeps what is typed.
    virtual std::optional<QString> askPassword(const QString& why) = 0;
    // The Export Form save dialog, offering the form's name; the path with its extension, empty when
    // cancelled.
    virtual QString chooseFormFile(const QString& formName) = 0;
    // Asks which of a module's procedures to run; the one picked, empty when cancelled.
    virtual QString chooseProcedure(const QString& moduleName, const QStringList& procedures) = 0;
    virtual void startHelp(const QString& commandLine) = 0;
    virtual void releaseHotKeys() = 0;
    virtual void takeHotKeys() = 0;
    virtual void quit() = 0;
    // Shows the table designer modally; it reads the designer mode and the selected table from the window.
    virtual void openTableDesigner() = 0;
    // Shows the index manager of the table modally.
    virtual void openIndexManager(const QString& table) = 0;
    // Shows the options sheet modally.
    virtual void openOptions() = 0;
    // Shows the open database's deleted tables modally; true when one was restored.
    virtual bool openDeletedTables() = 0;
};

// Views of other parts that the database window switches to; the program shows them in its frame.
class ViewOpener {
public:
    virtual ~ViewOpener() = default;
    // The module editor on the named module, or on a new module when the name is empty.
    virtual void openModuleEditor(const QString& moduleName) = 0;
    // The datasheet over a table's records.
    virtual void openTable(const QString& table) = 0;
    // The datasheet over the result of a stored query's statement.
    virtual void openQuery(const QString& name, const QString& statement) = 0;
    // The query designer on the named query, or on a new query when the name is empty.
    virtual void openQueryDesigner(const QString& name) = 0;
    // The form view on a stored form.
    virtual void openForm(const QString& name) = 0;
    // The form designer on a stored form, or on a new form when the name is empty.
    virtual void openFormDesigner(const QString& formName) = 0;
    // The form view on the automatic form of a table, or of a stored query written "Name(Q)".
    virtual void openAutoForm(const QString& source) = 0;
    // The macro editor, modally, on the named macro or on a new one when the name is empty.
    virtual void openMacroEditor(const QString& macroName) = 0;
    // The form view on a stored form, which runs the macro once the form is loaded.
    virtual void openFormRunningMacro(const QString& formName, const QString& macroName) = 0;
    // The reports list, modally; a new report starts over `newSource` (a table, "(Q)Name", or none).
    virtual void openReports(const QString& newSource) = 0;
};

// The relations page of the database window: it keeps the choices the commands act on.
class RelationsPage {
public:
    virtual ~RelationsPage() = default;
    // Reads the tables, their fields and the stored relations again.
    virtual void refill() = 0;
    virtual void newRelation() = 0;
    virtual void saveRelation() = 0;
    virtual void deleteRelation() = 0;
    virtual void saveRelationFlags() = 0;
};
