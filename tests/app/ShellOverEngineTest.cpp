// The database window's commands over the real data layer and engine: the sample database, the
// catalogue rows it leaves, and the commands that change files and tables.
#include "FakeShell.h"
#include "app/CommandIds.h"
#include "app/ContextDatabase.h"
#include "app/shell/DatabaseCommands.h"
#include "app/shell/SampleDatabase.h"
#include "forms/format/CtrlProps.h"
#include "data/CAppContext.h"
#include "data/DataHistory.h"
#include "data/SqlText.h"
#include "platform/cedb/History.h"
#include "platform/framework/Profile.h"
#include "data/ReadOnlyDatabase.h"
#include "support/MessageRecorder.h"
#include "support/TempRoot.h"
#include "support/WidgetApplication.h"
#include "tables/CViewDataGrid.h"
#include "tables/CViewTableData.h"
#include "tables/FieldCatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QStyle>

#include <gtest/gtest.h>

namespace {
class ShellOverEngineTest : public ::testing::Test {
protected:
    ShellOverEngineTest()
        : database(context, model), commands(model, database, recent, platform)
    {
        QDir(QString::fromStdString(root.path().string())).mkpath("Documents");
    }

    QString hostFile(const QString& devicePath) const
    {
        return QString::fromStdString(root.path().string()) + QString(devicePath).replace('\\', '/');
    }
    int rowOf(const QString& table) const
    {
        for (int row = 0; row < model.tables().size(); ++row)
            if (model.tables()[row].name == table)
                return row;
        return -1;
    }

    TempRoot root;
    FakePlatform platform;
    MessageRecorder messages;
    CAppContext context;
    DatabaseWindowModel model;
    ContextDatabase database;
    FakeRecent recent;
    DatabaseCommands commands;
    const QString sample = QStringLiteral("\\Documents\\Sample.cdb");
};
} // namespace

TEST_F(ShellOverEngineTest, SampleDatabaseHoldsThreeFilledTables)
{
    ASSERT_TRUE(buildSampleDatabase(database, sample));
    EXPECT_FALSE(database.isOpen()) << "left closed";
    ASSERT_TRUE(QFile::exists(hostFile(sample)));

    ASSERT_TRUE(commands.openAtStart({sample, false, {}}));
    ASSERT_EQ(model.tables().size(), 3);
    const QList<std::pair<QString, QString>> counts = {{"Customers", "5"}, {"Products", "6"}, {"Orders", "8"}};
    for (const auto& [name, count] : counts) {
        const int row = rowOf(name);
        ASSERT_GE(row, 0) << name.toStdString();
        EXPECT_EQ(model.tables()[row].recordCount, count) << name.toStdString();
    }
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(" / ").toStdString();
}

// Whatever the font, the sample's datasheets open with every title and value whole.
TEST_F(ShellOverEngineTest, SampleColumnsShowTheirTitlesAndValuesWhole)
{
    ensureWidgetApplication();
    ASSERT_TRUE(buildSampleDatabase(database, sample));
    commands.openAtStart({sample, false, {}});
    for (const QString table : {"Customers", "Products", "Orders"}) {
        CViewTableData view(context);
        ASSERT_TRUE(view.openTable(table));
        view.show();
        const CViewDataGrid& grid = *view.grid();
        // A cell's text keeps the style's margin on each side; a title is drawn bold on its current column.
        const int margins = 2 * (grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1);
        for (int column = 1; column < grid.columnCount(); ++column) {
            const QString title = grid.horizontalHeaderItem(column)->text();
            const std::string where = (table + "." + title).toStdString();
            EXPECT_GE(grid.columnWidth(column), grid.horizontalHeader()->sectionSizeHint(column)) << where;
            for (int row = 0; row < grid.rowCount(); ++row)
                EXPECT_GE(grid.columnWidth(column), grid.fontMetrics().horizontalAdvance(grid.text(row, column)) + margins)
                    << where << " " << grid.text(row, column).toStdString();
        }
    }
}

// The sample lies where Open Database starts: the Default Database Folder, made on a new device, or
// the folder the user named there.
TEST(SampleDatabasePath, TheSampleLivesInTheDefaultDatabaseFolder)
{
    TempRoot root;
    const QDir host(QString::fromStdString(root.path().string()));
    ASSERT_FALSE(host.exists("My Document"));
    EXPECT_EQ(prepareSampleDatabasePath(), "\\My Document\\Sample.cdb");
    EXPECT_TRUE(QFileInfo(host.filePath("My Document")).isDir());
    EXPECT_EQ(prepareSampleDatabasePath(), "\\My Document\\Sample.cdb") << "an existing folder serves as it is";
    ASSERT_TRUE(host.mkpath("Data/Shop"));
    framework::WriteProfileString("GENERAL_OPTIONS", "DefaultDatabase", "\\Data\\Shop");
    EXPECT_EQ(prepareSampleDatabasePath(), "\\Data\\Shop\\Sample.cdb");

    // A file of that name leaves no room for the folder: the sample goes to the system folder.
    TempRoot other;
    QFile blocker(QString::fromStdString(other.path().string()) + "/My Document");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(prepareSampleDatabasePath(), "\\Windows\\Sample.cdb");
}

TEST_F(ShellOverEngineTest, SampleFieldsCarryTheirDesignerProperties)
{
    ASSERT_TRUE(buildSampleDatabase(database, sample));
    commands.openAtStart({sample, false, {}});
    commands.selectTable(rowOf("Products"));
    EXPECT_EQ(model.fieldCountValue(), "6");
    QHash<QString, QStringList> byName;
    for (const QStringList& field : model.fields())
        byName[field[0]] = field;
    EXPECT_EQ(byName["ProductID"], QStringList({"ProductID", "AutoNumber", "4", "", "YES", "NO", "NO"}));
    EXPECT_EQ(byName["Product"], QStringList({"Product", "Text", "50", "YES", "YES", "NO", "NO"}));
    EXPECT_EQ(byName["Price"][1], "Double");
    EXPECT_EQ(byName["Discontinued"][1], "Boolean");
    EXPECT_EQ(byName["Notes"], QStringList({"Notes", "Memo", "0", "NO", "", "", ""}));
}

TEST_F(ShellOverEngineTest, TheFieldsListFollowsTheTablesColumns)
{
    ASSERT_TRUE(buildSampleDatabase(database, sample));
    commands.openAtStart({sample, false, {}});
    for (const QString table : {"Customers", "Products", "Orders"}) {
        commands.selectTable(rowOf(table));
        const QList<QStringList> columns = database.select(
            "SELECT FieldName FROM MSysFields WHERE TableID = " + model.tables()[rowOf(table)].tableId + " ORDER BY FieldID").value();
        QStringList expected, listed;
        for (const QStringList& column : columns)
            expected << column.value(0);
        for (const QStringList& field : model.fields())
            listed << field.value(0);
        EXPECT_EQ(listed, expected) << table.toStdString();
    }
}

TEST_F(ShellOverEngineTest, SampleCountersStartAfterTheSampleRows)
{
    ASSERT_TRUE(buildSampleDatabase(database, sample));
    commands.openAtStart({sample, false, {}});
    const auto counters = database.select("SELECT FieldName, AutoNumber FROM XNSysFields WHERE AutoNumber > 0");
    ASSERT_TRUE(counters);
    QMap<QString, QString> next;
    for (const QStringList& row : *counters)
        next[row[0]] = row[1];
    EXPECT_EQ(next, (QMap<QString, QString>{{"CustomerID", "6"}, {"ProductID", "7"}, {"OrderID", "9"}}));
}

// The sample's catalogue rows are the designer's own: a sample table loads into the designer with the
// sizes and flags it was made with, and without the template's default values.
TEST_F(ShellOverEngineTest, SampleTablesLoadAsTheDesignerWouldHaveSavedThem)
{
    ASSERT_TRUE(buildSampleDatabase(database, sample));
    commands.openAtStart({sample, false, {}});
    const QList<LoadedField> fields = FieldCatalogue(context, "Products").LoadFields();
    ASSERT_EQ(fields.size(), 6);
    const auto property = [&](int field, const QString& name) {
        for (const PropertyRow& row : fields[field].definition.properties)
            if (row.name == name)
                return row.value;
        return QString("<none>");
    };
    EXPECT_EQ(fields[0].definition.type, "AutoNumber");
    EXPECT_EQ(fields[1].definition.type, "Text");
    EXPECT_EQ(property(1, "Field Size"), "50");
    EXPECT_EQ(property(1, "Required"), "Yes");
    EXPECT_EQ(property(1, "AllowZeroLength"), "No");
    EXPECT_EQ(fields[2].definition.type, "Double");
    EXPECT_EQ(property(2, "DefValue"), "");
    EXPECT_EQ(property(2, "Required"), "No");
    EXPECT_EQ(fields[5].definition.type, "Memo");
}

namespace {
FieldDefinition textField(const QString& name)
{
    return {name, fieldtypes::kText, fieldtypes::propertyTemplate(fieldtypes::kText)};
}

// What the file holds of a table: its records, its catalogue rows and its relations, each row as text.
QList<QStringList> everythingOf(ContextDatabase& database, const QString& table, const QString& id)
{
    QList<QStringList> rows;
    for (const QString& sql : {QStringLiteral("SELECT * FROM %1").arg(sqlQuoted(table)),
                               QStringLiteral("SELECT * FROM MSysTables WHERE TableID = %1").arg(id),
                               QStringLiteral("SELECT * FROM MSysFields WHERE TableID = %1").arg(id),
                               QStringLiteral("SELECT * FROM MSysIndexes WHERE TableID = %1").arg(id),
                               QStringLiteral("SELECT * FROM XNSysFields WHERE TableID = %1").arg(id),
                               QStringLiteral("SELECT * FROM XNSysRelations WHERE LeftTable = %1 OR RightTable = %1")
                                   .arg(sqlQuoted(table)),
                               QStringLiteral("SELECT * FROM XNSysTables WHERE TableSource = %1").arg(sqlQuoted(table))}) {
        rows << QStringList{sql};
        rows << database.select(sql).value_or(QList<QStringList>{{"cannot be read"}});
    }
    return rows;
}
} // namespace

TEST_F(ShellOverEngineTest, ADeletedTableComesBackWholeByUndoOrFromTheDeletedTables)
{
    ASSERT_TRUE(buildSampleDatabase(database, sample));
    commands.openAtStart({sample, false, {}});
    ASSERT_TRUE(database.execute("CREATE INDEX ByDate ON Orders (OrderDate)"));
    ASSERT_TRUE(database.execute("INSERT INTO XNSysRelations (LeftTable, RightTable, LeftField, RightField, "
                                 "RelationType, RelationFlags) VALUES ('Customers', 'Orders', 'CustomerID', "
                                 "'CustomerID', 0, 6)"));
    ASSERT_TRUE(database.execute("INSERT INTO Orders (CustomerID, ProductID, Quantity, OrderDate, Paid, OrderID) "
                                 "VALUES (5, 6, 1, '2026-12-01', false, 9)"));
    ASSERT_TRUE(database.setNextAutoNumber("Orders", "OrderID", 12));
    const QString path = context.databasePath();
    const QString id = model.tables()[rowOf("Orders")].tableId;
    const QList<QStringList> before = everythingOf(database, "Orders", id);

    commands.selectTable(rowOf("Orders"));
    commands.run(cmd::DeleteTable);
    ASSERT_EQ(messages.texts().last(), "Table Deleted Successfully");
    EXPECT_TRUE(database.select("SELECT * FROM XNSysRelations").value().isEmpty());
    EXPECT_TRUE(database.select("SELECT * FROM XNSysFields WHERE TableID = " + id).value().isEmpty());
    std::vector<cedb::history::DeletedTable> deleted = cedb::history::deletedTables(path);
    ASSERT_EQ(deleted.size(), 1u);
    EXPECT_EQ(deleted[0].name, "Orders");
    EXPECT_EQ(deleted[0].step.records, 9);

    DataHistory history(context);
    EXPECT_EQ(history.undoText(), "Undo Delete Table Orders (9 records)");
    ASSERT_TRUE(history.undo()) << history.message().toStdString();
    EXPECT_EQ(everythingOf(database, "Orders", id), before);
    EXPECT_TRUE(cedb::history::deletedTables(path).empty());
    ASSERT_TRUE(history.redo()) << history.message().toStdString();
    EXPECT_FALSE(database.select("SELECT * FROM Orders"));

    // Restored from the list, it is a step of its own, which undo takes back whole.
    QString message;
    ASSERT_TRUE(cedb::history::restoreTable(path, cedb::history::deletedTables(path).at(0).change, message))
        << message.toStdString();
    EXPECT_EQ(everythingOf(database, "Orders", id), before);
    EXPECT_TRUE(cedb::history::deletedTables(path).empty());
    ASSERT_EQ(DataHistory(context).undoText(), "Undo Restore Table Orders (9 records)");
    ASSERT_TRUE(DataHistory(context).undo());
    EXPECT_FALSE(database.select("SELECT * FROM Orders"));
    ASSERT_EQ(cedb::history::deletedTables(path).size(), 1u);

    // The AutoNumber goes on from where it was, never handing out a number the restored records hold.
    ASSERT_TRUE(cedb::history::restoreTable(path, cedb::history::deletedTables(path).at(0).change, message));
    EXPECT_EQ(database.select("SELECT AutoNumber FROM XNSysFields WHERE TableID = " + id + " AND FieldName = 'OrderID'"),
              QList<QStringList>({{"12"}}));

    // A table made since under the same name keeps its place: the deleted one waits.
    database.relistTables();
    commands.selectTable(rowOf("Orders"));
    commands.run(cmd::DeleteTable);
    ASSERT_TRUE(database.createTable("Orders", {textField("Note")}));
    EXPECT_FALSE(cedb::history::restoreTable(path, cedb::history::deletedTables(path).at(0).change, message));
    EXPECT_EQ(message, "Orders cannot be restored: a table named Orders exists now.");
}

TEST_F(ShellOverEngineTest, ATableWhoseNameHoldsAQuoteIsDeletedAndRestored)
{
    ASSERT_TRUE(buildSampleDatabase(database, sample));
    commands.openAtStart({sample, false, {}});
    ASSERT_TRUE(database.createTable("Bob's list", {textField("Note")}));
    database.relistTables();
    commands.selectTable(rowOf("Bob's list"));
    commands.run(cmd::DeleteTable);
    ASSERT_EQ(messages.texts().last(), "Table Deleted Successfully");
    const auto deleted = cedb::history::deletedTables(context.databasePath());
    ASSERT_EQ(deleted.size(), 1u);
    QString message;
    ASSERT_TRUE(cedb::history::restoreTable(context.databasePath(), deleted[0].change, message)) << message.toStdString();
    database.relistTables();
    EXPECT_NE(rowOf("Bob's list"), -1);
}

TEST_F(ShellOverEngineTest, DeleteTableRemovesTableAndCatalogueRows)
{
    ASSERT_TRUE(buildSampleDatabase(database, sample));
    commands.openAtStart({sample, false, {}});
    const QString ordersId = model.tables()[rowOf("Orders")].tableId;
    commands.selectTable(rowOf("Orders"));
    commands.run(cmd::DeleteTable);
    EXPECT_EQ(messages.texts().last(), "Table Deleted Successfully");
    EXPECT_EQ(rowOf("Orders"), -1);
    EXPECT_TRUE(database.select("SELECT * FROM XNSysFields WHERE TableID = " + ordersId).value().isEmpty());

    database.checkCatalogue(); // the engine agrees: the table is gone
    EXPECT_EQ(model.tables().size(), 2);
}
TEST_F(ShellOverEngineTest, SampleDatabaseHoldsAProductCardWhoseControlsSitInItsContainers)
{
    ASSERT_TRUE(buildSampleDatabase(database, sample));
    ASSERT_TRUE(commands.openAtStart({sample, false, {}}));
    const auto rows = database.select("Select * From XNSysForms where FormName = 'ProductCard'");
    ASSERT_TRUE(rows && rows->size() == 1);
    EXPECT_EQ(rows->first().value(1), "Products");
    const ParsedForm form = ParseForm(rows->first().value(2));
    EXPECT_EQ(GetProperty(form.form, "SQL Source"), "Products");
    QStringList kinds;
    for (const PropertySet& control : form.controls)
        kinds << KindName(control.kind) + ":" + GetProperty(control, "ParentId");
    EXPECT_EQ(kinds, QStringList({"TabControl:", "Label:T10", "ComboBox:T10", "Label:T10", "TextBox:T10",
                                  "GroupBox:T10", "Label:G1", "TextBox:G1", "CheckBox:G1", "TextBox:T11"}));
}

TEST_F(ShellOverEngineTest, NewDatabaseOverAnExistingFileStartsEmpty)
{
    ASSERT_TRUE(buildSampleDatabase(database, sample));
    platform.newDatabaseAnswer = sample;
    commands.run(cmd::NewDatabase);
    EXPECT_EQ(messages.texts(), QStringList({"Database created successfully."}));
    EXPECT_TRUE(database.isOpen());
    EXPECT_TRUE(model.tables().isEmpty());
    EXPECT_EQ(database.select("SELECT * FROM MSysTables WHERE TableName = 'XNSysForms'").value().size(), 1)
        << "the catalogue tables are made";
}

// The new database is made beside the old file and moved over it only when complete: a creation that
// fails (here the place of the new file is taken by a folder) keeps the old file and its tables.
TEST_F(ShellOverEngineTest, NewDatabaseThatCannotBeCreatedKeepsTheOldFile)
{
    ASSERT_TRUE(buildSampleDatabase(database, sample));
    ASSERT_TRUE(QDir().mkpath(hostFile("\\Documents\\Sample.new.cdb")));
    platform.newDatabaseAnswer = sample;
    commands.run(cmd::NewDatabase);
    EXPECT_EQ(messages.texts(), QStringList({"Database was not created."}));
    EXPECT_FALSE(database.isOpen());
    ASSERT_TRUE(commands.openAtStart({sample, false, {}}));
    EXPECT_EQ(model.tables().size(), 3);
}

TEST_F(ShellOverEngineTest, NewDatabaseLeavesNoTemporaryFile)
{
    ASSERT_TRUE(buildSampleDatabase(database, sample));
    platform.newDatabaseAnswer = sample;
    commands.run(cmd::NewDatabase);
    EXPECT_TRUE(database.isOpen());
    EXPECT_EQ(database.openPath(), sample);
    EXPECT_EQ(QDir(hostFile("\\Documents")).entryList(QDir::Files), QStringList({"Sample.cdb"}));
}

TEST_F(ShellOverEngineTest, DeletingTheOpenDatabaseClosesItFirst)
{
    ASSERT_TRUE(buildSampleDatabase(database, sample));
    commands.openAtStart({sample, false, {}});
    platform.browseAnswer = sample;
    commands.run(cmd::DeleteDatabase);
    EXPECT_EQ(messages.texts(), QStringList({"Database is open.\nAre you sure to Delete this Database?.",
                                             "Database deleted successfully."}));
    EXPECT_FALSE(database.isOpen());
    EXPECT_FALSE(QFile::exists(hostFile(sample)));
}

TEST_F(ShellOverEngineTest, AFileMarkedReadOnlyIsSaidSoWhenItOpens)
{
    ASSERT_TRUE(buildSampleDatabase(database, sample));
    database.closeDatabase();
    QFile file(hostFile(sample));
    ASSERT_TRUE(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    messages.clear();
    ASSERT_TRUE(commands.openAtStart({sample, false, {}}));
    EXPECT_EQ(messages.texts(), QStringList{readOnlyDatabaseText()}) << "no repair of the catalogue is tried";
    EXPECT_EQ(commands.windowTitle(), "Sample.cdb (read-only) - Varnel Desk");
    EXPECT_EQ(model.tables().size(), 3) << "its tables are listed as always";
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
