#pragma once
// What each command of the database window does: which questions it asks, which statements it runs,
// which messages it shows, and how the window's state changes. No widgets here.
#include "app/shell/DatabaseWindowModel.h"
#include "app/shell/ShellServices.h"
#include "app/shell/TextTransfer.h"

#include <functional>

class FormStore;

class DatabaseCommands {
public:
    DatabaseCommands(DatabaseWindowModel& model, DatabaseService& database, RecentDatabases& recent,
                     ShellPlatform& platform);

    // Runs the command with that id; returns false for an id the database window does not know.
    bool run(int commandId);

    // A tap on the strip, in strip pixels.
    void tapStrip(int x, int y);
    void selectPane(Pane pane);
    void selectTable(int row);
    void selectObject(int row);

    // Start-up: the database named on the command line, or the most recent one when the options
    // say so, or the sample database when there is nothing else to show.
    struct StartOptions {
        QString startupPath;
        bool openMostRecent = false;
        QString defaultDatabase;
    };
    // Returns true when a database was opened.
    bool openAtStart(const StartOptions& options);

    // A double click on an item of the current pane opens it as the pane's open command does (a module
    // opens in its editor).
    void openSelected();
    // Delete in the list of the current pane deletes its selected item as the pane's delete command
    // does, with its question.
    void deleteSelected();
    // The main window's title: the open database's file name before the program's name.
    QString windowTitle() const;
    // Reads every listed table's record count again (records were added or deleted elsewhere).
    void refreshRecordCounts();
    // Reads the shown list and every record count again, for what another program changed in the file.
    void rereadLists();

    static QString notAvailableText();
    // Where the commands open other parts' views; without one those commands do nothing.
    void setViewOpener(ViewOpener* views) { m_views = views; }
    // The relations page the relation commands act on; without one they are not available.
    void setRelationsPage(RelationsPage* page) { m_relations = page; }
    // Where forms are imported into and exported from; without one those commands do nothing.
    void setFormStore(FormStore* forms) { m_forms = forms; }
    // The import and export dialogs of delimited text; without them those commands are not available.
    void setTextTransfer(TextTransfer* transfer) { m_transfer = transfer; }

private:
    // Reads each listed table's record count again, and the selected table's count label.
    void readRecordCounts();
    void createAndShow(const QString& path);
    void newServerDatabase();
    void openDatabase();
    void openServerDatabase();
    void copyDatabase();
    void closeDatabase();
    void deleteDatabase();
    void openRecent(int index);
    void exitApplication();
    void newTable();
    void editTable();
    void openIndexManager();
    void openTableDesigner();
    void openTable();
    void deleteTable();
    void showDeletedTables();
    void openAutoForm(const QString& source);
    void importFromFile();
    void exportToFile();
    // Asks, then deletes the selected item of the pane through `remove`, which is given its name.
    void deleteObject(const QString& question, const std::function<bool(const QString&)>& remove, const QString& done,
                      const QString& failed);
    void importForm();
    void exportForm();
    void showFormControls();
    void openModuleEditor(bool existing);
    void runModule();
    void openMacroEditor(bool existing);
    void runMacro();
    void editQuery();
    void deleteQuery();
    void openQuery();
    void whenObjectSelected();
    void onRelationsPage(void (RelationsPage::*command)());

    bool openAndShow(const QString& path);
    // A database as the user knows it: a file's name, or the database and its server.
    static QString shownName(const QString& path);
    void showTablesPane();
    void refillObjects();
    void clearTableLists();
    QString selectedTableName() const;
    // The table or query ("(Q)Name") chosen in the window's pane; empty in any other pane.
    QString selectedSourceName() const;
    static void notAvailable();

    DatabaseWindowModel& m_model;
    DatabaseService& m_database;
    RecentDatabases& m_recent;
    ShellPlatform& m_platform;
    ViewOpener* m_views = nullptr;
    RelationsPage* m_relations = nullptr;
    FormStore* m_forms = nullptr;
    TextTransfer* m_transfer = nullptr;
};
