// The history of data changes: what each write leaves, undone and redone to the exact stored bytes.
#include "HistoryFixture.h"

#include <QProcess>

namespace {

using HistoryTest = HistoryFixture;

const QString kAwkward = QStringLiteral("INSERT INTO People VALUES ('Zoë ''the'' \"Ace\" Ñúñez', '', '1969-07-20 20:17:40', "
                                        "true, 0.1, 3)");

TEST_F(HistoryTest, AFileNeverWrittenGainsNoHistoryTables)
{
    EXPECT_FALSE(cedb::history::nextUndo(path));
    EXPECT_TRUE(rows("SELECT * FROM MSysTables").size() > 0);
    QString message;
    EXPECT_FALSE(cedb::history::undo(path, 1, message));
    EXPECT_EQ(message, "There is nothing to undo.");
}

TEST_F(HistoryTest, EachKindOfChangeIsUndoneAndRedoneToTheExactBytes)
{
    const QString longText = QString(5000, QChar(u'é'));
    ASSERT_EQ(run(kAwkward), S_OK);
    ASSERT_EQ(run("INSERT INTO People (Name, Notes, Score) VALUES ('B', '" + longText + "', 1e300)"), S_OK);
    ASSERT_EQ(run("INSERT INTO People (Name) VALUES ('C')"), S_OK);
    const Lines added = stored();
    set("Name = 'B'", {{kNotes, Variant::null()}, {kMember, Variant(false)}, {kScore, Variant(2.5)},
                       {kBorn, Variant(QStringLiteral("2000-02-29"))}});
    const Lines changed = stored();
    ASSERT_EQ(run("DELETE FROM People WHERE Name = 'C'"), S_OK);
    const Lines deleted = stored();

    ASSERT_TRUE(undo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), changed);
    ASSERT_TRUE(undo());
    EXPECT_EQ(stored(), added);
    ASSERT_TRUE(undo(3));
    EXPECT_EQ(stored(), Lines{});
    EXPECT_FALSE(undo());

    ASSERT_TRUE(redo());
    EXPECT_EQ(stored().size(), 1u);
    ASSERT_TRUE(redo());
    ASSERT_TRUE(redo());
    EXPECT_EQ(stored(), added);
    ASSERT_TRUE(redo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), changed);
    ASSERT_TRUE(redo());
    EXPECT_EQ(stored(), deleted);
    EXPECT_FALSE(redo());
    EXPECT_EQ(lastMessage, "There is nothing to redo.");
}

TEST_F(HistoryTest, ACommandIsOneStepWithItsNameAndRecordCount)
{
    command("Add three", {"INSERT INTO People (Name) VALUES ('a')", "INSERT INTO People (Name) VALUES ('b')",
                          "INSERT INTO People (Name) VALUES ('c')"});
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginCommand(path, "Replace All in People"), S_OK);
    set("1 = 1", {{kNotes, Variant(QStringLiteral("x"))}});
    set("Name = 'a'", {{kVisits, Variant(std::int32_t(1))}});
    ASSERT_EQ(connection->EndCommand(path), S_OK);
    set("Name = 'b'", {{kNotes, Variant(QStringLiteral("y"))}});
    auto step = cedb::history::nextUndo(path);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->command, "Change in People");
    EXPECT_EQ(step->records, 1);
    ASSERT_TRUE(undo());
    step = cedb::history::nextUndo(path);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->command, "Replace All in People");
    EXPECT_EQ(step->records, 3);
    ASSERT_TRUE(undo());
    EXPECT_EQ(rows("SELECT Name, Notes, Visits FROM People"), (Lines{"a|<null>|<null>", "b|<null>|<null>", "c|<null>|<null>"}));
    ASSERT_TRUE(undo());
    EXPECT_TRUE(rows("SELECT * FROM People").empty());
    // A command that writes nothing leaves no step.
    setAs("Nothing", "Name = 'none'", {{kNotes, Variant(QStringLiteral("z"))}});
    EXPECT_FALSE(cedb::history::nextUndo(path));
}

TEST_F(HistoryTest, ATransactionIsOneStepAndARolledBackOneLeavesNone)
{
    insertMany(10000, [](int i) { return QStringLiteral("INSERT INTO People (Name, Visits) VALUES ('n%1', %1)").arg(i); });
    auto step = cedb::history::nextUndo(path);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->records, 10000);
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    ASSERT_EQ(run("DELETE FROM People"), S_OK);
    ASSERT_EQ(connection->RollbackTrans(path), S_OK);
    EXPECT_EQ(cedb::history::steps(path).size(), 1u);
    ASSERT_TRUE(undo());
    EXPECT_TRUE(rows("SELECT * FROM People").empty());
    ASSERT_TRUE(redo());
    EXPECT_EQ(rows("SELECT * FROM People").size(), 10000u);
}

TEST_F(HistoryTest, UndoIsRefusedWholeWhenAnotherProgramChangedARecordSince)
{
    command("Replace All in People", {"INSERT INTO People (Name) VALUES ('Ann')", "INSERT INTO People (Name) VALUES ('Bob')"});
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c2 = 'theirs' WHERE c1 = 'Bob'"));
    EXPECT_FALSE(undo());
    EXPECT_EQ(lastMessage, "\"Replace All in People\" cannot be undone: the record \"Bob\" in People was changed since, "
                           "by a later step or another program.");
    EXPECT_EQ(rows("SELECT Name, Notes FROM People"), (Lines{"Ann|<null>", "Bob|theirs"}));
}

TEST_F(HistoryTest, RedoIsRefusedWhenAnotherProgramChangedTheRecordAfterTheUndo)
{
    ASSERT_EQ(run("INSERT INTO People (Name) VALUES ('Ann')"), S_OK);
    set("1 = 1", {{kVisits, Variant(std::int32_t(1))}});
    ASSERT_TRUE(undo());
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c6 = 7"));
    EXPECT_FALSE(redo());
    EXPECT_EQ(lastMessage, "\"Change in People\" cannot be redone: the record \"Ann\" in People was changed since, "
                           "by a later step or another program.");
    EXPECT_EQ(rows("SELECT Visits FROM People"), Lines{"7"});
}

TEST_F(HistoryTest, ANewStepEndsWhatCanBeRedone)
{
    ASSERT_EQ(run("INSERT INTO People (Name) VALUES ('Ann')"), S_OK);
    set("1 = 1", {{kVisits, Variant(std::int32_t(1))}});
    ASSERT_TRUE(undo());
    set("1 = 1", {{kVisits, Variant(std::int32_t(2))}});
    EXPECT_FALSE(cedb::history::nextRedo(path));
    ASSERT_TRUE(undo());
    EXPECT_EQ(rows("SELECT Visits FROM People"), Lines{"<null>"});
}

TEST_F(HistoryTest, HistoryStaysWithTheFileAndClearForgetsIt)
{
    ASSERT_EQ(run(kAwkward), S_OK);
    cedb::Database::closeUnused();
    auto step = cedb::history::nextUndo(path);
    ASSERT_TRUE(step);
    QString message;
    ASSERT_TRUE(cedb::history::clear(path, message));
    EXPECT_FALSE(cedb::history::nextUndo(path));
    EXPECT_EQ(rows("SELECT * FROM People").size(), 1u);
}

TEST_F(HistoryTest, RecordHistoryAndRestoringAVersion)
{
    ASSERT_EQ(run("INSERT INTO People (Name, Visits) VALUES ('Ann', 1)"), S_OK);
    set("1 = 1", {{kVisits, Variant(std::int32_t(2))}});
    set("1 = 1", {{kVisits, Variant(std::int32_t(3))}, {kNotes, Variant(QStringLiteral("late"))}});
    const auto versions = cedb::history::recordHistory(path, "People", 1);
    ASSERT_EQ(versions.size(), 3u);
    EXPECT_EQ(versions[0].kind, cedb::history::ChangeKind::Changed);
    ASSERT_EQ(versions[0].fields.size(), 2u);
    EXPECT_EQ(versions[0].fields[0].field, "Notes");
    EXPECT_TRUE(versions[0].fields[0].before.isNull());
    EXPECT_EQ(versions[0].fields[0].after.toString(), "late");
    EXPECT_EQ(versions[2].kind, cedb::history::ChangeKind::Added);
    QString message;
    ASSERT_TRUE(cedb::history::restoreVersion(path, "People", 1, versions[1].change, message)) << message.toStdString();
    EXPECT_EQ(rows("SELECT Notes, Visits FROM People"), Lines{"<null>|2"});
    EXPECT_EQ(cedb::history::nextUndo(path)->command, "Restore in People");
    ASSERT_TRUE(undo());
    EXPECT_EQ(rows("SELECT Notes, Visits FROM People"), Lines{"late|3"});
}

TEST_F(HistoryTest, DeletedRecordsComeBackWithWhatTheirDeletionTookAlong)
{
    ASSERT_EQ(run("CREATE TABLE Orders (Who varchar(20), Qty int)"), S_OK);
    ASSERT_EQ(run("INSERT INTO People (Name) VALUES ('Ann')"), S_OK);
    ASSERT_EQ(run("INSERT INTO People (Name) VALUES ('Bob')"), S_OK);
    ASSERT_EQ(run("INSERT INTO Orders VALUES ('Ann', 5)"), S_OK);
    command("Delete in People", {"DELETE FROM Orders WHERE Who = 'Ann'", "DELETE FROM People WHERE Name = 'Ann'"});
    // A new record takes the deleted one's place in the file.
    ASSERT_EQ(run("DELETE FROM People WHERE Name = 'Bob'"), S_OK);
    ASSERT_EQ(run("INSERT INTO People (Name) VALUES ('Cy')"), S_OK);
    const auto deleted = cedb::history::deletedRecords(path, "People");
    ASSERT_EQ(deleted.size(), 2u);
    EXPECT_EQ(deleted[1].values[0].value.toString(), "Ann");
    QString message;
    ASSERT_TRUE(cedb::history::restoreDeleted(path, "People", deleted[1].change, message)) << message.toStdString();
    EXPECT_EQ(rows("SELECT Name FROM People ORDER BY Name"), (Lines{"Ann", "Cy"}));
    EXPECT_EQ(rows("SELECT * FROM Orders"), Lines{"Ann|5"});
    EXPECT_EQ(cedb::history::deletedRecords(path, "People").size(), 1u);
}

// Records added in a transaction are kept many at a time; the history must still hold every change in the
// order it was made, whatever the transaction did between its adds.
TEST_F(HistoryTest, ATransactionsAddsAreKeptInOrderAmongItsOtherChanges)
{
    ASSERT_EQ(run("CREATE TABLE Orders (Who varchar(20), Qty int)"), S_OK);
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    for (const char* name : {"a", "b", "c"})
        ASSERT_EQ(run(QStringLiteral("INSERT INTO People (Name) VALUES ('%1')").arg(name)), S_OK);
    set("Name = 'b'", {{kVisits, Variant(std::int32_t(1))}});
    ASSERT_EQ(run("DELETE FROM People WHERE Name = 'c'"), S_OK);
    ASSERT_EQ(run("INSERT INTO People (Name) VALUES ('d')"), S_OK);
    ASSERT_EQ(run("INSERT INTO Orders VALUES ('d', 2)"), S_OK);
    ASSERT_EQ(run("INSERT INTO People (Name) VALUES ('e')"), S_OK);
    ASSERT_EQ(connection->CommitTrans(path), S_OK);
    const Lines written = stored();
    ASSERT_EQ(rows("SELECT Name, Visits FROM People"), (Lines{"a|<null>", "b|1", "d|<null>", "e|<null>"}));

    const auto versions = cedb::history::recordHistory(path, "People", 2);
    ASSERT_EQ(versions.size(), 2u);
    EXPECT_EQ(versions[0].kind, cedb::history::ChangeKind::Changed);
    EXPECT_EQ(versions[1].kind, cedb::history::ChangeKind::Added);
    EXPECT_EQ(cedb::history::deletedRecords(path, "People").size(), 1u);
    ASSERT_EQ(cedb::history::steps(path).size(), 1u);

    ASSERT_TRUE(undo()) << lastMessage.toStdString();
    EXPECT_TRUE(rows("SELECT * FROM People").empty());
    EXPECT_TRUE(rows("SELECT * FROM Orders").empty());
    ASSERT_TRUE(redo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), written);
    EXPECT_EQ(rows("SELECT * FROM Orders"), Lines{"d|2"});
}

TEST_F(HistoryTest, ARecordAddedWhereOneWasDeletedInTheSameTransactionIsKept)
{
    ASSERT_EQ(run("INSERT INTO People (Name) VALUES ('before')"), S_OK);
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    ASSERT_EQ(run("INSERT INTO People (Name) VALUES ('gone')"), S_OK);
    ASSERT_EQ(run("DELETE FROM People WHERE Name = 'gone'"), S_OK);
    // SQLite gives the next record the deleted one's rowid.
    ASSERT_EQ(run("INSERT INTO People (Name) VALUES ('again')"), S_OK);
    ASSERT_EQ(connection->CommitTrans(path), S_OK);
    ASSERT_TRUE(undo()) << lastMessage.toStdString();
    EXPECT_EQ(rows("SELECT Name FROM People"), Lines{"before"});
    ASSERT_TRUE(redo()) << lastMessage.toStdString();
    EXPECT_EQ(rows("SELECT Name FROM People"), (Lines{"before", "again"}));
}

TEST_F(HistoryTest, ADesignChangeInsideATransactionKeepsTheAddsBeforeIt)
{
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    ASSERT_EQ(run("INSERT INTO People (Name) VALUES ('a')"), S_OK);
    ASSERT_EQ(run("ALTER TABLE People ADD COLUMN Extra int"), S_OK);
    ASSERT_EQ(run("INSERT INTO People (Name, Extra) VALUES ('b', 7)"), S_OK);
    ASSERT_EQ(connection->CommitTrans(path), S_OK);
    ASSERT_EQ(cedb::history::recordHistory(path, "People", 1).size(), 1u);
    ASSERT_EQ(cedb::history::recordHistory(path, "People", 2).size(), 1u);
    ASSERT_EQ(run("INSERT INTO People (Name) VALUES ('after')"), S_OK);
    ASSERT_TRUE(undo());
    EXPECT_EQ(rows("SELECT Name, Extra FROM People"), (Lines{"a|<null>", "b|7"}));
    ASSERT_TRUE(undo()) << lastMessage.toStdString();
    EXPECT_TRUE(rows("SELECT * FROM People").empty());
}

// Records added in a transaction are kept by their place only: their values must still come back exactly
// after an undo, show in the record's history as they were added, and survive a later change of them.
TEST_F(HistoryTest, RecordsAddedInATransactionComeBackToTheExactBytes)
{
    const QString longText = QString(5000, QChar(u'é'));
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    ASSERT_EQ(run(kAwkward), S_OK);
    ASSERT_EQ(run("INSERT INTO People (Name, Notes, Score) VALUES ('B', '" + longText + "', 1e300)"), S_OK);
    ASSERT_EQ(run("INSERT INTO People (Name) VALUES ('')"), S_OK);
    ASSERT_EQ(run("INSERT INTO People (Born, Member, Score, Visits) VALUES ('2024-02-29', false, -0.1, -2147483648)"),
              S_OK);
    ASSERT_EQ(connection->CommitTrans(path), S_OK);
    const Lines added = stored();
    ASSERT_EQ(added.size(), 4u);

    auto versions = cedb::history::recordHistory(path, "People", 1);
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(versions[0].kind, cedb::history::ChangeKind::Added);
    ASSERT_EQ(versions[0].fields.size(), 6u);
    EXPECT_EQ(versions[0].fields[0].after.toString(), QStringLiteral("Zoë 'the' \"Ace\" Ñúñez"));
    EXPECT_EQ(versions[0].fields[5].after.toInt(), 3);

    // What the record was given stays what the history shows after it changed, and after it went.
    set("Name = 'B'", {{kNotes, Variant(QStringLiteral("short"))}, {kVisits, Variant(std::int32_t(9))}});
    const Lines changed = stored();
    versions = cedb::history::recordHistory(path, "People", 2);
    ASSERT_EQ(versions.size(), 2u);
    EXPECT_EQ(versions[1].fields[1].after.toString(), longText);
    EXPECT_TRUE(versions[1].fields[5].after.isNull());
    ASSERT_EQ(run("DELETE FROM People WHERE Name = 'B'"), S_OK);
    versions = cedb::history::recordHistory(path, "People", 2);
    ASSERT_EQ(versions.size(), 3u);
    EXPECT_EQ(versions[2].fields[1].after.toString(), longText);

    ASSERT_TRUE(undo(2)) << lastMessage.toStdString();
    EXPECT_EQ(stored(), added);
    ASSERT_TRUE(undo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), Lines{});
    ASSERT_TRUE(redo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), added);
    ASSERT_TRUE(redo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), changed);
    // Kept once by the first undo, the values come back the same every time.
    ASSERT_TRUE(undo(2));
    ASSERT_TRUE(redo());
    EXPECT_EQ(stored(), added);
    const Variant member = cedb::history::recordHistory(path, "People", 4)[0].fields[3].after;
    EXPECT_EQ(member.vt(), VT_BOOL);
    EXPECT_FALSE(member.toBool());
}

// Records added many at a time keep only a digest of their values, which must still tell another program's
// change, whatever it changed, and nothing else.
TEST_F(HistoryTest, UndoOfRecordsAddedInATransactionIsRefusedWhenAnotherProgramChangedOneSince)
{
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    ASSERT_EQ(run("INSERT INTO People (Name, Visits) VALUES ('Ann', 3)"), S_OK);
    ASSERT_EQ(run("INSERT INTO People (Name) VALUES ('Bob')"), S_OK);
    ASSERT_EQ(connection->CommitTrans(path), S_OK);
    const Lines added = stored();
    const std::pair<const char*, const char*> changes[] = {
        {"UPDATE t4 SET c6 = 4 WHERE c1 = 'Ann'", "UPDATE t4 SET c6 = 3 WHERE c1 = 'Ann'"},
        {"UPDATE t4 SET c2 = 'theirs' WHERE c1 = 'Bob'", "UPDATE t4 SET c2 = NULL WHERE c1 = 'Bob'"},
        {"UPDATE t4 SET c6 = NULL WHERE c1 = 'Ann'", "UPDATE t4 SET c6 = 3 WHERE c1 = 'Ann'"}};
    for (const auto& [theirs, back] : changes) {
        ASSERT_TRUE(runInOtherProgram(path, theirs));
        EXPECT_FALSE(undo()) << theirs;
        EXPECT_TRUE(lastMessage.contains("was changed since, by a later step or another program.")) << theirs;
        ASSERT_TRUE(runInOtherProgram(path, back));
    }
    EXPECT_EQ(stored(), added);
    ASSERT_TRUE(undo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), Lines{});
    ASSERT_TRUE(redo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), added);
}

// Additions and deletions have no text on one side; they still take room in the file.
TEST_F(HistoryTest, TheHistorysSizeCountsAddedAndDeletedRecords)
{
    ASSERT_EQ(run("INSERT INTO People (Name) VALUES ('Ann')"), S_OK);
    const qint64 afterAdd = cedb::history::size(path);
    EXPECT_GT(afterAdd, 0);
    ASSERT_EQ(run("DELETE FROM People"), S_OK);
    EXPECT_GT(cedb::history::size(path), afterAdd);
}

TEST_F(HistoryTest, CatalogueWritesAreNotRecorded)
{
    ASSERT_EQ(run("INSERT INTO People (Name) VALUES ('Ann')"), S_OK);
    ASSERT_EQ(run("CREATE TABLE XNSysNotes (Text text)"), S_OK);
    ASSERT_EQ(run("INSERT INTO XNSysNotes VALUES ('x')"), S_OK);
    EXPECT_EQ(cedb::history::steps(path).size(), 1u);
}

} // namespace
