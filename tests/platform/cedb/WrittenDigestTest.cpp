// The digest taken from a record's values as they are bound is the one read back from what SQLite stored,
// for every kind of value, or there is none; and records imported so are undone, refused when another
// program changed one since, and forgotten with a rolled-back transaction.
#include "HistoryFixture.h"
#include "platform/cedb/BulkAppend.h"
#include "platform/cedb/Catalogue.h"
#include "platform/cedb/RecordDigest.h"
#include "platform/cedb/WrittenDigest.h"

#include <cmath>
#include <limits>
#include <optional>

namespace {

using cedb::StoredValue;

// A table as another program may declare it, beside the engine's own declarations.
class WrittenDigestTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sqlite3_open(":memory:", &db);
        ASSERT_EQ(sqlite3_exec(db,
                               "CREATE TABLE t (c1 INTEGER, c2 REAL, c3 TEXT COLLATE NOCASE, c4 BLOB, c5, "
                               "c6 INTEGER DEFAULT 7, c7 INTEGER PRIMARY KEY, c8 TEXT NOT NULL DEFAULT '')",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        table.storage = "t";
        for (int i = 1; i <= 8; ++i)
            table.columns.push_back(cedb::ColumnInfo{QStringLiteral("f%1").arg(i), i, {}, "c" + QByteArray::number(i)});
    }
    void TearDown() override { sqlite3_close(db); }

    // Writes `values` into the columns `columns` and answers the digest taken as they were bound, with
    // the one read back from the row in `stored`.
    std::optional<quint64> write(const std::vector<QByteArray>& columns, const std::vector<StoredValue>& values,
                                 quint64& stored)
    {
        cedb::WrittenDigest digest(db, table, columns);
        QByteArray sql = "INSERT INTO t (" + columns.front();
        for (size_t i = 1; i < columns.size(); ++i)
            sql += ", " + columns[i];
        sql += ") VALUES (?" + QByteArray(", ?").repeated(qsizetype(columns.size()) - 1) + ")";
        sqlite3_stmt* insert = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db, sql.constData(), -1, &insert, nullptr), SQLITE_OK);
        digest.start();
        for (size_t i = 0; i < values.size(); ++i) {
            cedb::bindStored(insert, int(i) + 1, values[i]);
            digest.add(i, values[i]);
        }
        EXPECT_EQ(sqlite3_step(insert), SQLITE_DONE) << sqlite3_errmsg(db);
        sqlite3_finalize(insert);
        const QByteArray read = "SELECT 0" + cedb::digestColumns(table, "r") + " FROM t AS r WHERE rowid = " +
                                QByteArray::number(sqlite3_last_insert_rowid(db));
        sqlite3_stmt* select = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db, read.constData(), -1, &select, nullptr), SQLITE_OK);
        EXPECT_EQ(sqlite3_step(select), SQLITE_ROW);
        stored = cedb::rowDigest(select, 1, int(table.columns.size()));
        sqlite3_finalize(select);
        return digest.digest();
    }

    // Every field but the ones left to a default or the rowid is given.
    std::optional<quint64> writeAll(const std::vector<StoredValue>& values, quint64& stored)
    {
        return write({"c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8"}, values, stored);
    }

    sqlite3* db = nullptr;
    cedb::TableInfo table;
    qint64 key = 0;
    StoredValue nextKey() { return ++key; }
};

TEST_F(WrittenDigestTest, ValuesOfTheColumnsKindAreDigestedAsTheyAreReadBack)
{
    constexpr qint64 kHuge = std::numeric_limits<qint64>::max();
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const QString withNul = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    const StoredValue null;
    const std::vector<std::vector<StoredValue>> records = {
        {qint64(0), 0.0, QString(), QByteArray(), QString(), qint64(0), nextKey(), QString()},
        {kHuge, 1.5, QStringLiteral("x"), QByteArray("\0\1", 2), QByteArray("raw"), -kHuge - 1, nextKey(),
         QStringLiteral("y")},
        // Whole reals are stored as integers, and -0.0 comes back as 0.0.
        {qint64(-1), 3.0, QStringLiteral("éàü – 日本"), QByteArray(300, 'b'), QStringLiteral("in a column of no kind"),
         cedb::StoredFlag{true}, nextKey(), withNul},
        {null, -0.0, QString(100, QChar(u'é')), null, null, cedb::StoredFlag{false}, nextKey(), QStringLiteral("z")},
        {null, 9007199254740993.0, null, QByteArray(), QByteArray("x"), null, nextKey(), QString()},
        {null, -4611686018427387904.0, null, null, null, null, nextKey(), QString()},
        {null, 1e300, null, null, null, null, nextKey(), QString()},
        {null, -kInfinity, null, null, null, null, nextKey(), QString()},
        {null, 5e-324, null, null, null, null, nextKey(), QString()},
        {null, cedb::StoredDate{45000.25}, null, null, null, null, nextKey(), QString()},
        // Empty text, an empty blob and Null are three values.
        {null, null, null, null, null, null, nextKey(), QString()},
        {null, null, QString(), null, null, null, nextKey(), QString()},
        {null, null, null, QByteArray(""), null, null, nextKey(), QString()},
    };
    std::vector<quint64> digests;
    for (size_t i = 0; i < records.size(); ++i) {
        quint64 stored = 0;
        const std::optional<quint64> taken = writeAll(records[i], stored);
        ASSERT_TRUE(taken.has_value()) << "record " << i;
        EXPECT_EQ(*taken, stored) << "record " << i;
        digests.push_back(stored);
    }
    const size_t last = digests.size() - 1;
    EXPECT_NE(digests[last], digests[last - 1]);
    EXPECT_NE(digests[last], digests[last - 2]);
    EXPECT_NE(digests[last - 1], digests[last - 2]);
}

// A value SQLite may store otherwise than it was bound leaves the record without a digest taken at write.
TEST_F(WrittenDigestTest, ValuesSqliteMayConvertOrReplaceLeaveNoDigest)
{
    const std::vector<std::pair<size_t, StoredValue>> converted = {
        {0, 2.0},                                      // a real into an INTEGER column
        {0, QStringLiteral("12")},                     // a text into an INTEGER column
        {1, qint64(2)},                                // an integer into a REAL column
        {1, std::numeric_limits<double>::quiet_NaN()}, // stored as Null
        {2, qint64(2)},                                // an integer into a TEXT column
        {4, qint64(2)},                                // a column of no type keeps it, but not provably
        {6, StoredValue()},                            // the key given Null gets the rowid
    };
    for (const auto& [column, value] : converted) {
        std::vector<StoredValue> record = {StoredValue(), StoredValue(), StoredValue(), StoredValue(), StoredValue(),
                                           StoredValue(), nextKey(), QString()};
        record[column] = value;
        quint64 stored = 0;
        EXPECT_FALSE(writeAll(record, stored).has_value()) << column;
    }
    quint64 stored = 0;
    // A field left out: c6 gets its default, c7 the rowid.
    EXPECT_FALSE(write({"c1", "c2", "c3", "c4", "c5", "c7", "c8"},
                       {qint64(1), 1.0, QString(), QByteArray(), QByteArray(), nextKey(), QString()}, stored)
                     .has_value());
    EXPECT_FALSE(write({"c1", "c2", "c3", "c4", "c5", "c6", "c8"},
                       {qint64(1), 1.0, QString(), QByteArray(), QByteArray(), qint64(1), QString()}, stored)
                     .has_value());
    // Without those columns, a field left out is Null and the digest holds.
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE u (c1 INTEGER, c2 REAL)", nullptr, nullptr, nullptr), SQLITE_OK);
    table.storage = "u";
    table.columns.resize(2);
    const auto taken = write({"c2"}, {2.5}, stored);
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(*taken, stored);
}

using ImportHistoryTest = HistoryFixture;

const char* const kRanges = "SELECT record, CAST(after AS INTEGER) FROM VarnelHistoryChanges WHERE kind = 6 ORDER BY id";
const QStringList kFields = {"Name", "Notes", "Born", "Member", "Score", "Visits"};

std::vector<Variant> imported(int i)
{
    return {Variant(QStringLiteral("name %1").arg(i)),
            i % 3 ? Variant(QStringLiteral("note é %1").arg(i)) : Variant::null(),
            Variant(QStringLiteral("2024-02-%1").arg(i % 28 + 1)),
            Variant(i % 2 == 0),
            Variant(i % 5 ? i * 0.25 : -0.0),
            Variant(qint32(i))};
}

TEST_F(ImportHistoryTest, ImportedRecordsAreUndoneAndRefusedWhenAnotherProgramChangedOne)
{
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    std::unique_ptr<cedb::BulkAppend> append;
    ASSERT_EQ(cedb::BulkAppend::open(path, "People", kFields, append), S_OK);
    for (int i = 0; i < 1500; ++i)
        ASSERT_EQ(append->add(imported(i), i), S_OK);
    ASSERT_EQ(append->flush(), S_OK);
    ASSERT_EQ(connection->CommitTrans(path), S_OK);
    append.reset();
    EXPECT_EQ(inFile(kRanges), (Lines{"1|1024", "1025|476"}));

    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c5 = 0.5 WHERE rowid = 1200"));
    EXPECT_FALSE(undo());
    EXPECT_EQ(lastMessage, "\"Change in People\" cannot be undone: the record \"name 1199\" in People was changed "
                           "since, by a later step or another program.");
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c5 = 299.75 WHERE rowid = 1200"));
    ASSERT_TRUE(undo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), Lines{});
}

// What a rolled-back transaction added is not kept; nor are its digests, which the next transaction's
// records, given the same places, would otherwise be taken for. A record written without its digest among
// imported ones is read back with them.
TEST_F(ImportHistoryTest, ARollbackBetweenTwoImportsForgetsTheFirstOnesDigests)
{
    std::shared_ptr<cedb::Database> db;
    ASSERT_EQ(cedb::Database::open(path, db), S_OK);
    std::unique_ptr<cedb::BulkAppend> append;
    ASSERT_EQ(cedb::BulkAppend::open(path, "People", kFields, append), S_OK);
    ASSERT_EQ(db->beginTransaction(), S_OK);
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(append->add(imported(i), i), S_OK);
    ASSERT_EQ(db->rollbackTransaction(), S_OK);
    ASSERT_EQ(db->beginTransaction(), S_OK);
    for (int i = 100; i < 105; ++i)
        ASSERT_EQ(append->add(imported(i), i), S_OK);
    ASSERT_EQ(db->commitTransaction(), S_OK);
    ASSERT_EQ(db->beginTransaction(), S_OK);
    ASSERT_EQ(append->add(imported(105), 105), S_OK);
    ASSERT_EQ(db->writeAdded("t4", [&] { return db->run("INSERT INTO t4 (c1, c6) VALUES ('other', 7)"); }), S_OK);
    ASSERT_EQ(append->add(imported(106), 106), S_OK);
    ASSERT_EQ(db->commitTransaction(), S_OK);
    append.reset();
    db.reset();
    EXPECT_EQ(inFile(kRanges), (Lines{"1|5", "6|3"}));

    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c6 = 8 WHERE rowid = 7"));
    EXPECT_FALSE(undo());
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c6 = 7 WHERE rowid = 7"));
    ASSERT_TRUE(undo()) << lastMessage.toStdString();
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c1 = 'renamed' WHERE rowid = 3"));
    EXPECT_FALSE(undo());
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c1 = 'name 102' WHERE rowid = 3"));
    ASSERT_TRUE(undo()) << lastMessage.toStdString();
    EXPECT_EQ(stored(), Lines{});
}

// INSERTs naming other fields in turn, and the same fields again once a field before them was dropped in
// the same transaction, are kept with the digests of what they stored. (The records before the drop give
// no value to the dropped field or past it, whose places move: their digests would not hold.)
TEST_F(ImportHistoryTest, InsertsNamingOtherFieldsAndAFieldDroppedBetweenThemAreUndoneAndRefusedWhenChanged)
{
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(run(QStringLiteral("INSERT INTO People (Name) VALUES ('s%1')").arg(i)), S_OK);
        ASSERT_EQ(run(QStringLiteral("INSERT INTO People (Name, Visits) VALUES ('v%1', NULL)").arg(i)), S_OK);
    }
    ASSERT_EQ(run("ALTER TABLE People DROP COLUMN Notes"), S_OK);
    ASSERT_EQ(run("INSERT INTO People (Name, Visits) VALUES ('after', 9)"), S_OK);
    ASSERT_EQ(connection->CommitTrans(path), S_OK);
    EXPECT_EQ(inFile(kRanges), (Lines{"1|8", "9|1"}));

    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c6 = 10 WHERE rowid = 9"));
    EXPECT_FALSE(undo());
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c6 = 9 WHERE rowid = 9"));
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c1 = 'other' WHERE rowid = 4"));
    EXPECT_FALSE(undo());
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c1 = 'v1' WHERE rowid = 4"));
    ASSERT_TRUE(undo()) << lastMessage.toStdString();
    EXPECT_EQ(inFile("SELECT count(*) FROM t4"), Lines{"0"});
}

// Past so many records waiting, they are kept before the next one: what waits stays bounded, and the
// ranges are the same as kept at once.
TEST_F(ImportHistoryTest, ALongImportKeepsItsRecordsBeforeTooManyWait)
{
    const int count = int(cedb::DeferredAdds::kMaxWritten) + 30;
    std::shared_ptr<cedb::Database> db;
    ASSERT_EQ(cedb::Database::open(path, db), S_OK);
    std::unique_ptr<cedb::BulkAppend> append;
    ASSERT_EQ(cedb::BulkAppend::open(path, "People", {"Visits"}, append), S_OK);
    ASSERT_EQ(db->beginTransaction(), S_OK);
    for (int i = 0; i < count; ++i)
        ASSERT_EQ(append->add({Variant(qint32(i))}, i), S_OK);
    sqlite3_stmt* kept = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db->handle(), "SELECT count(*) FROM VarnelHistoryChanges", -1, &kept, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(kept), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int64(kept, 0), cedb::DeferredAdds::kMaxWritten / cedb::kRangeSpan);
    sqlite3_finalize(kept);
    ASSERT_EQ(db->commitTransaction(), S_OK);
    append.reset();
    db.reset();
    EXPECT_EQ(inFile("SELECT count(*), sum(CAST(after AS INTEGER)) FROM VarnelHistoryChanges WHERE kind = 6"),
              Lines{QStringLiteral("%1|%2").arg(count / cedb::kRangeSpan + 1).arg(count)});
    EXPECT_EQ(cedb::history::nextUndo(path)->records, count);
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c6 = -1 WHERE rowid = 65540"));
    EXPECT_FALSE(undo());
    ASSERT_TRUE(runInOtherProgram(path, "UPDATE t4 SET c6 = 65539 WHERE rowid = 65540"));
    ASSERT_TRUE(undo()) << lastMessage.toStdString();
    EXPECT_EQ(inFile("SELECT count(*) FROM t4"), Lines{"0"});
}

} // namespace
