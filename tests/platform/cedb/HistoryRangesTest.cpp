// Records added many at a time are kept as ranges of records: undone and redone to the exact bytes across
// ranges, refused when another program changed one of them, shown in Record History, and the files that
// hold them one change each are still undone.
#include "HistoryFixture.h"
#include "platform/cedb/AddedRanges.h"

namespace {

using HistoryRangesTest = HistoryFixture;

constexpr int kSpan = int(cedb::kRangeSpan);
// Two full ranges and some of a third.
constexpr int kRecords = 2 * kSpan + 10;

// Every record's values differ, in storage classes of every kind and with Nulls, so that a record put back
// with another's values or in another's place shows; the i-th lands at rowid i + 1.
QString person(int i)
{
    return QStringLiteral("INSERT INTO People VALUES ('n%1 ''q''', %2, '2024-01-%3', %4, %5, %6)")
        .arg(i)
        .arg(i % 3 == 0 ? QStringLiteral("NULL") : QStringLiteral("'note %1'").arg(i))
        .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
        .arg(i % 2 ? QStringLiteral("true") : QStringLiteral("false"))
        .arg(i * 0.1)
        .arg(i);
}

const char* const kRanges = "SELECT record, CAST(after AS INTEGER) FROM VarnelHistoryChanges WHERE kind = 6 ORDER BY id";

TEST_F(HistoryRangesTest, RecordsAddedManyAtATimeComeBackToTheExactBytesAcrossRanges)
{
    insertMany(kRecords, person);
    const Lines added = stored();
    ASSERT_EQ(added.size(), size_t(kRecords));
    EXPECT_EQ(inFile(kRanges), (Lines{"1|1024", "1025|1024", "2049|10"}));
    EXPECT_EQ(inFile("SELECT count(*) FROM VarnelHistoryChanges"), Lines{"3"});
    EXPECT_EQ(cedb::history::nextUndo(path)->records, kRecords);
    EXPECT_GE(cedb::history::size(path), qint64(kRecords) * 10);

    ASSERT_TRUE(undo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), Lines{});
    ASSERT_TRUE(redo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), added);
    // Kept once by the first undo, the values come back the same every time.
    ASSERT_TRUE(undo()) << lastMessage.toStdString();
    ASSERT_TRUE(redo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), added);
    EXPECT_EQ(cedb::history::nextUndo(path)->records, kRecords);
}

// A writer may give records places of its own, with gaps between them: each range holds the records of
// its places only, never one beyond its span.
TEST_F(HistoryRangesTest, RecordsGivenTheirOwnPlacesAreKeptInTheRangesTheirPlacesFallIn)
{
    std::shared_ptr<cedb::Database> db;
    ASSERT_EQ(cedb::Database::open(path, db), S_OK);
    ASSERT_EQ(db->beginTransaction(), S_OK);
    const qint64 ownPlaces[] = {0, 0, 1500, 1500 + kSpan - 1, 1500 + kSpan, 9000, 0};
    for (const qint64 place : ownPlaces)
        ASSERT_EQ(db->writeAdded("t4",
                                 [&] {
                                     const QString name = QStringLiteral("at %1").arg(place);
                                     return place ? db->run("INSERT INTO t4 (rowid, c1, c6) VALUES (?, ?, ?)",
                                                            {place, name, place})
                                                  : db->run("INSERT INTO t4 (c1) VALUES (?)", {name});
                                 }),
                  S_OK);
    ASSERT_EQ(db->commitTransaction(), S_OK);
    const Lines added = stored();
    EXPECT_EQ(inFile("SELECT rowid FROM t4"), (Lines{"1", "2", "1500", "2523", "2524", "9000", "9001"}));
    EXPECT_EQ(inFile(kRanges), (Lines{"1|2", "1500|2", "2524|1", "9000|2"}));
    EXPECT_EQ(cedb::history::nextUndo(path)->records, 7);

    const auto versions = cedb::history::recordHistory(path, "People", 2523);
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(versions[0].kind, cedb::history::ChangeKind::Added);
    EXPECT_EQ(versions[0].fields[0].after.toString(), "at 2523");
    EXPECT_TRUE(cedb::history::recordHistory(path, "People", 2000).empty());

    ASSERT_TRUE(undo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), Lines{});
    ASSERT_TRUE(redo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), added);
}

TEST_F(HistoryRangesTest, UndoIsRefusedWhenAnotherProgramChangedOrDeletedARecordOfARange)
{
    insertMany(kRecords, person);
    const Lines added = stored();
    const QString refused = QStringLiteral("\"Change in People\" cannot be undone: the record %1 was changed since, "
                                           "by a later step or another program.");
    // The middle of the second range, while the step keeps digests.
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c6 = -1 WHERE rowid = 1536"));
    EXPECT_FALSE(undo());
    EXPECT_EQ(lastMessage, refused.arg("\"n1535 'q'\" in People"));
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c6 = 1535 WHERE rowid = 1536"));
    // What puts the record deleted next back as it was.
    const Lines putBack = inFile("SELECT 'INSERT INTO t4 (rowid, c1, c2, c3, c4, c5, c6) VALUES (2000, ' || quote(c1) || "
                                 "', ' || quote(c2) || ', ' || quote(c3) || ', ' || quote(c4) || ', ' || quote(c5) || "
                                 "', ' || quote(c6) || ')' FROM t4 WHERE rowid = 2000");
    ASSERT_EQ(putBack.size(), 1u);
    ASSERT_TRUE(runInOtherProgram(path, "DELETE FROM t4 WHERE rowid = 2000"));
    EXPECT_FALSE(undo());
    EXPECT_EQ(lastMessage, refused.arg("2000 of People"));
    ASSERT_TRUE(runInOtherProgram(path, putBack[0]));
    ASSERT_EQ(stored(), added);

    // Once undone and redone, the step keeps the values themselves.
    ASSERT_TRUE(undo()) << lastMessage.toStdString();
    ASSERT_TRUE(redo()) << lastMessage.toStdString();
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c2 = NULL WHERE rowid = 1536"));
    EXPECT_FALSE(undo());
    EXPECT_EQ(lastMessage, refused.arg("\"n1535 'q'\" in People"));
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c2 = 'note 1535' WHERE rowid = 1536"));
    ASSERT_TRUE(runInOtherProgram(path, "DELETE FROM t4 WHERE rowid = 2000"));
    EXPECT_FALSE(undo());
    EXPECT_EQ(lastMessage, refused.arg("\"n1999 'q'\" in People"));
    EXPECT_EQ(stored().size(), size_t(kRecords - 1));
}

// Bytes cut short or written over by another program are never read past their end nor trusted.
TEST_F(HistoryRangesTest, ARangeWhoseBytesAreDamagedRefusesTheUndoAndLeavesTheRecords)
{
    insertMany(kRecords, person);
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE VarnelHistoryChanges SET after = substr(after, 1, 700) WHERE record = 1025"));
    EXPECT_FALSE(undo());
    EXPECT_EQ(lastMessage, "\"Change in People\" cannot be undone: its history in the file cannot be read.");
    EXPECT_EQ(stored().size(), size_t(kRecords));
    EXPECT_TRUE(cedb::history::recordHistory(path, "People", 1100).empty());
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE VarnelHistoryChanges SET after = '9999d' WHERE record = 1025"));
    EXPECT_FALSE(undo());
    EXPECT_EQ(stored().size(), size_t(kRecords));
}

TEST_F(HistoryRangesTest, RecordHistoryShowsTheAdditionOfARecordInARange)
{
    insertMany(kRecords, person);
    const auto addition = [&](size_t versions) {
        const auto history = cedb::history::recordHistory(path, "People", 1100);
        EXPECT_EQ(history.size(), versions);
        EXPECT_EQ(history.back().kind, cedb::history::ChangeKind::Added);
        EXPECT_EQ(history.back().fields.size(), 6u);
        EXPECT_EQ(history.back().fields[kName].after.toString(), "n1099 'q'");
        EXPECT_EQ(history.back().fields[kNotes].after.toString(), "note 1099");
        EXPECT_EQ(history.back().fields[kVisits].after.toInt(), 1099);
    };
    addition(1);
    set("Visits = 1099", {{kVisits, Variant(std::int32_t(5))}, {kNotes, Variant::null()}});
    addition(2);
    ASSERT_EQ(run("DELETE FROM People WHERE Visits = 5"), S_OK);
    addition(3);
    // Undone, the step shows the values it kept.
    ASSERT_TRUE(undo(3)) << lastMessage.toStdString();
    addition(3);
    EXPECT_EQ(cedb::history::changedRecords(path, "People").size(), size_t(kRecords));
    EXPECT_EQ(cedb::history::changedRecords(path, "People").front(), 1100);
    // The whole table's history gives each of them what the record's own gives.
    const auto table = cedb::history::tableHistory(path, "People");
    ASSERT_EQ(table.size(), size_t(kRecords));
    EXPECT_EQ(table.front().record, 1100);
    EXPECT_EQ(table.front().versions.size(), 3u);
    for (const auto& [record, versions] : {table.front(), table.back()}) {
        const auto own = cedb::history::recordHistory(path, "People", record);
        ASSERT_EQ(versions.size(), own.size());
        for (size_t i = 0; i < own.size(); ++i) {
            EXPECT_EQ(versions[i].change, own[i].change);
            EXPECT_EQ(versions[i].step.records, own[i].step.records);
            EXPECT_EQ(versions[i].fields.size(), own[i].fields.size());
        }
    }
    EXPECT_EQ(table.back().versions.back().step.records, kRecords);
}

// The step's later changes of its added records come after their ranges: undo takes them back first,
// redo makes them again after the records are back, and the step counts each record once.
TEST_F(HistoryRangesTest, AChangeOfARangesRecordLaterInTheSameStepComesAfterItsAddition)
{
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    for (int i = 0; i < kSpan + 100; ++i)
        ASSERT_EQ(run(person(i)), S_OK);
    set("Visits = 1100", {{kNotes, Variant(QStringLiteral("changed"))}});
    ASSERT_EQ(run("DELETE FROM People WHERE Visits = 5"), S_OK);
    for (int i = kSpan + 100; i < kSpan + 120; ++i)
        ASSERT_EQ(run(person(i)), S_OK);
    ASSERT_EQ(connection->CommitTrans(path), S_OK);
    const Lines written = stored();
    EXPECT_EQ(inFile(kRanges), (Lines{"1|1024", "1025|100", "1125|20"}));
    EXPECT_EQ(cedb::history::nextUndo(path)->records, kSpan + 120);

    const auto versions = cedb::history::recordHistory(path, "People", 1101);
    ASSERT_EQ(versions.size(), 2u);
    EXPECT_EQ(versions[0].kind, cedb::history::ChangeKind::Changed);
    EXPECT_EQ(versions[1].kind, cedb::history::ChangeKind::Added);
    EXPECT_EQ(versions[1].fields[kNotes].after.toString(), "note 1100");
    EXPECT_EQ(cedb::history::deletedRecords(path, "People").size(), 1u);

    ASSERT_TRUE(undo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), Lines{});
    ASSERT_TRUE(redo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), written);
    ASSERT_TRUE(undo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), Lines{});
}

// Files written before ranges keep one change per record added many at a time: its digest, as those
// files' writer made it, or the values an undo kept there.
TEST_F(HistoryRangesTest, AFileWithOneChangePerAddedRecordIsStillUndone)
{
    const QString people[] = {"INSERT INTO People (Name, Visits) VALUES ('Ann', 3)",
                              "INSERT INTO People (Name) VALUES ('Bob')", "INSERT INTO People (Name) VALUES ('Cy')"};
    insertMany(3, [&](int i) { return people[i]; });
    const Lines added = stored();
    ASSERT_TRUE(runInOtherProgram(
        path, "DELETE FROM VarnelHistoryChanges; INSERT INTO VarnelHistoryChanges (step, tableId, record, kind, after) "
              "VALUES (1, 4, 1, 1, x'221EA60D1DFBECD0'), (1, 4, 2, 1, x'CDE4F369E0AFFA35'), (1, 4, 3, 1, "
              "'c1 ''Cy''' || char(10) || 'c2 NULL' || char(10) || 'c3 NULL' || char(10) || 'c4 NULL' || char(10) || "
              "'c5 NULL' || char(10) || 'c6 NULL' || char(10))"));
    EXPECT_EQ(cedb::history::nextUndo(path)->records, 3);
    const auto versions = cedb::history::recordHistory(path, "People", 1);
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(versions[0].fields[kVisits].after.toInt(), 3);

    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c2 = 'theirs' WHERE c1 = 'Bob'"));
    EXPECT_FALSE(undo());
    EXPECT_EQ(lastMessage, "\"Change in People\" cannot be undone: the record \"Bob\" in People was changed since, "
                           "by a later step or another program.");
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c2 = NULL WHERE c1 = 'Bob'"));
    ASSERT_TRUE(undo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), Lines{});
    ASSERT_TRUE(redo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), added);
}

} // namespace
