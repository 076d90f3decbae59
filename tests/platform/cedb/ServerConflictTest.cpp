// Several users of one server database: a write is made only over the record as it was read.
#include "EngineFixture.h"
#include "platform/cedb/DesignCheck.h"
#include "platform/cedb/ServerAccess.h"
#include "platform/cedb/ServerAddress.h"

#include <QProcess>
#include <QThread>

#include <chrono>

#include <algorithm>
#include <map>
#include <numeric>

namespace {

class ServerConflictTest : public EngineFixture {
protected:
    void SetUp() override
    {
        useEngine(EngineKind::Server);
        // Another program is another connection: the same database under a second address.
        other = path + QStringLiteral("&application_name=other");
    }

    std::shared_ptr<cedb::Recordset> openAs(const QString& address, const QString& sql)
    {
        auto recordset = cedb::Recordset::create();
        EXPECT_EQ(recordset->Open(sql, address, cedb::adOpenDynamic, cedb::adLockOptimistic, cedb::adCmdUnknown), S_OK);
        return recordset;
    }

    QString other;
};

TEST_F(ServerConflictTest, AChangeSinceReadingIsRefusedNamingBothValuesThenMineCanBeKept)
{
    ASSERT_EQ(run("CREATE TABLE People (Name varchar(20), Qty int)"), S_OK);
    ASSERT_EQ(run("INSERT INTO People VALUES('Ann', 1)"), S_OK);
    auto mine = openAs(path, "People");
    auto theirs = openAs(other, "People");
    ASSERT_EQ(field(mine, 0).toString(), "Ann");
    ASSERT_EQ(put(theirs, 0, Variant(QStringLiteral("Bob"))), S_OK);
    ASSERT_EQ(theirs->Update(), S_OK);

    ASSERT_EQ(put(mine, 0, Variant(QStringLiteral("Alice"))), S_OK);
    EXPECT_EQ(mine->Update(), cedb::DB_E_CONCURRENCYVIOLATION);
    const QString message = cedb::lastError().description;
    EXPECT_TRUE(message.contains(QStringLiteral("Name: theirs \"Bob\", yours \"Alice\""))) << message.toStdString();
    EXPECT_FALSE(message.contains(QStringLiteral("Qty"))) << "only the fields the other user changed";
    EXPECT_EQ(rows("People"), Lines{"Bob|1"}) << "nothing of mine was written";
    EXPECT_EQ(field(mine, 0).toString(), "Bob") << "the record shows theirs now";

    // Saving again is knowing: it writes over the version now read.
    ASSERT_EQ(put(mine, 0, Variant(QStringLiteral("Alice"))), S_OK);
    EXPECT_EQ(mine->Update(), S_OK);
    EXPECT_EQ(rows("People"), Lines{"Alice|1"});
    // The other program's next edit starts from the record as it is now, and writes only what it changes.
    EXPECT_EQ(field(theirs, 0).toString(), "Alice");
    ASSERT_EQ(put(theirs, 1, Variant(std::int32_t(5))), S_OK);
    EXPECT_EQ(theirs->Update(), S_OK);
    EXPECT_EQ(rows("People"), Lines{"Alice|5"});
}

TEST_F(ServerConflictTest, DeletedOrResavedUnchangedRecords)
{
    ASSERT_EQ(run("CREATE TABLE People (Name varchar(20), Qty int)"), S_OK);
    ASSERT_EQ(run("INSERT INTO People VALUES('Ann', 1)"), S_OK);
    ASSERT_EQ(run("INSERT INTO People VALUES('Cy', 2)"), S_OK);
    auto mine = openAs(path, "People");
    auto theirs = openAs(other, "People");
    ASSERT_EQ(field(mine, 0).toString(), "Ann");
    ASSERT_EQ(field(theirs, 0).toString(), "Ann");

    // The other program saved the record with the values it had: nothing of theirs is lost by mine.
    ASSERT_EQ(put(theirs, 0, Variant(QStringLiteral("Ann"))), S_OK);
    ASSERT_EQ(theirs->Update(), S_OK);
    ASSERT_EQ(put(mine, 1, Variant(std::int32_t(7))), S_OK);
    EXPECT_EQ(mine->Update(), S_OK);
    EXPECT_EQ(rows("People"), (Lines{"Ann|7", "Cy|2"}));

    // A record the other program deleted is not brought back by an edit, and says so.
    ASSERT_EQ(theirs->MoveNext(), S_OK);
    ASSERT_EQ(mine->MoveNext(), S_OK);
    ASSERT_EQ(field(mine, 0).toString(), "Cy");
    ASSERT_EQ(theirs->Delete(cedb::adAffectCurrent), S_OK);
    ASSERT_EQ(put(mine, 1, Variant(std::int32_t(9))), S_OK);
    EXPECT_EQ(mine->Update(), cedb::DB_E_CONCURRENCYVIOLATION);
    EXPECT_TRUE(cedb::lastError().description.contains(QStringLiteral("deleted")));
    EXPECT_EQ(rows("People"), Lines{"Ann|7"});
}

// Whether the program at `address` hears of another's write within `within`: the server sends the word
// on its own time after the commit, so a program hears it a moment later.
bool hears(const QString& address, std::chrono::milliseconds within = std::chrono::seconds(10))
{
    const auto until = std::chrono::steady_clock::now() + within;
    do {
        if (cedb::otherProgramsWrote(address))
            return true;
        QThread::msleep(10);
    } while (std::chrono::steady_clock::now() < until);
    return false;
}

// Each program hears of the others' committed writes through the server, not of its own, and never of
// a transaction rolled back.
TEST_F(ServerConflictTest, AProgramHearsOfTheOthersCommittedWrites)
{
    const auto moment = std::chrono::milliseconds(300);
    ASSERT_EQ(run("CREATE TABLE People (Name varchar(20), Qty int)"), S_OK);
    ASSERT_EQ(run("INSERT INTO People VALUES('Ann', 1)"), S_OK);
    auto mine = openAs(path, "People");
    auto theirs = openAs(other, "People");
    hears(path, moment);
    hears(other, moment);
    EXPECT_FALSE(hears(path, moment)) << "nothing written since";

    ASSERT_EQ(put(theirs, 1, Variant(std::int32_t(2))), S_OK);
    ASSERT_EQ(theirs->Update(), S_OK);
    EXPECT_TRUE(hears(path));
    EXPECT_FALSE(hears(path, moment)) << "heard once";
    EXPECT_FALSE(hears(other, moment)) << "a program's own write is none of the others'";

    const auto insert = [this](const char* sql) {
        return cedb::Recordset::create()->Open(QString::fromUtf8(sql), other, 0, 1, cedb::adCmdUnknown);
    };
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(other), S_OK);
    ASSERT_EQ(insert("INSERT INTO People VALUES('Bo', 3)"), S_OK);
    ASSERT_EQ(insert("INSERT INTO People VALUES('Cy', 4)"), S_OK);
    EXPECT_FALSE(hears(path, moment)) << "not before the commit";
    ASSERT_EQ(connection->RollbackTrans(other), S_OK);
    EXPECT_FALSE(hears(path, moment)) << "a rolled back transaction wrote nothing";
    ASSERT_EQ(connection->BeginTrans(other), S_OK);
    ASSERT_EQ(insert("INSERT INTO People VALUES('Di', 5)"), S_OK);
    ASSERT_EQ(connection->CommitTrans(other), S_OK);
    EXPECT_TRUE(hears(path));

    ASSERT_EQ(insert("CREATE TABLE Notes (Text varchar(20))"), S_OK);
    EXPECT_TRUE(hears(path)) << "a design change too";
    EXPECT_FALSE(cedb::otherProgramsWrote(QStringLiteral("\\Test.cdb"))) << "a file hears nothing";
}

// Eight programs add one to counters of the same fifty records, 500 times each, reading each value
// before they write it. Every stored edit is counted in the end and every refused one is not: a
// record's final value is the number of its stored edits, and its stored values are 1, 2, ... that.
TEST_F(ServerConflictTest, EightProgramsEditingTheSameRecordsLoseNothing)
{
    ASSERT_EQ(run("CREATE TABLE Counters (Id int, V int)"), S_OK);
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(run(QStringLiteral("INSERT INTO Counters VALUES(%1, 0)").arg(i)), S_OK);
    ASSERT_EQ(connection->CommitTrans(path), S_OK);

    std::vector<std::unique_ptr<QProcess>> workers;
    for (int w = 0; w < 8; ++w) {
        workers.push_back(std::make_unique<QProcess>());
        workers.back()->start(QStringLiteral(SERVER_EDIT_WORKER),
                              {path + QStringLiteral("&application_name=worker%1").arg(w), QString::number(w + 1),
                               QStringLiteral("500")});
    }
    std::map<int, std::vector<int>> stored;
    int refused = 0, edits = 0;
    for (auto& worker : workers) {
        ASSERT_TRUE(worker->waitForFinished(240000));
        ASSERT_EQ(worker->exitCode(), 0) << worker->readAllStandardError().toStdString();
        for (const QByteArray& line : worker->readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() != 3)
                continue;
            ++edits;
            if (parts[0] == "stored")
                stored[parts[1].toInt()].push_back(parts[2].toInt());
            else
                ++refused;
        }
    }
    EXPECT_EQ(edits, 8 * 500);
    int accepted = 0;
    for (const QString& line : rows("SELECT Id, V FROM Counters")) {
        const int id = line.section(u'|', 0, 0).toInt();
        const int last = line.section(u'|', 1, 1).toInt();
        std::vector<int> values = stored[id];
        std::sort(values.begin(), values.end());
        std::vector<int> expected(static_cast<size_t>(last));
        std::iota(expected.begin(), expected.end(), 1);
        EXPECT_EQ(values, expected) << "record " << id;
        accepted += last;
    }
    EXPECT_EQ(accepted + refused, 8 * 500);
}

} // namespace

// A recordset opened before another program redesigned its table neither reads nor writes as if the
// design were the old one: each says so, naming the table; opened again, it reads the new design.
TEST_F(ServerConflictTest, ATableAnotherProgramRedesignedIsNeitherReadNorWrittenAsBefore)
{
    ASSERT_EQ(run("CREATE TABLE People (Name varchar(20), Qty int)"), S_OK);
    insertMany(200, [](int i) { return QStringLiteral("INSERT INTO People VALUES('P%1', %1)").arg(i); });
    auto mine = openAs(path, "People");
    const std::optional<QByteArray> opened = cedb::tableDesign(path, "People");
    ASSERT_TRUE(opened && !opened->isEmpty());
    const auto redesign = [&](const char* sql) {
        ASSERT_EQ(cedb::Recordset::create()->Open(QString::fromUtf8(sql), other, 0, 1, cedb::adCmdUnknown), S_OK);
        ASSERT_TRUE(hears(path));
    };
    redesign("CREATE TABLE Notes (Text varchar(20))");
    EXPECT_EQ(cedb::tableDesign(path, "People"), opened) << "another table is none of this one's business";
    ASSERT_EQ(put(mine, 1, Variant(std::int32_t(7))), S_OK);
    EXPECT_EQ(mine->Update(), S_OK);

    ASSERT_EQ(put(mine, 1, Variant(std::int32_t(8))), S_OK) << "typed before the other program's change";
    redesign("ALTER TABLE People ADD Town varchar(20)");
    EXPECT_NE(cedb::tableDesign(path, "People"), opened);
    EXPECT_EQ(mine->Update(), cedb::DB_E_DESIGNCHANGED);
    EXPECT_EQ(cedb::lastError().description, "The design of table People was changed by another user");
    EXPECT_EQ(mine->Delete(cedb::adAffectCurrent), cedb::DB_E_DESIGNCHANGED);
    std::shared_ptr<cedb::Fields> fields;
    std::shared_ptr<cedb::Field> name;
    ASSERT_EQ(mine->get_Fields(fields), S_OK);
    ASSERT_EQ(fields->get_Item(Variant(std::int32_t(0)), name), S_OK);
    Variant value;
    ASSERT_EQ(mine->Move(150, cedb::adBookmarkFirst), S_OK);
    EXPECT_EQ(name->get_Value(value), cedb::DB_E_DESIGNCHANGED) << "nor read as it was";
    EXPECT_EQ(rows("SELECT Name, Qty FROM People WHERE Name = 'P0'"), Lines{"P0|7"}) << "nothing written since";
    EXPECT_EQ(rows("People").size(), 200u) << "nothing deleted";

    ASSERT_EQ(mine->Requery(), S_OK);
    EXPECT_EQ(text(field(mine, 2)), "<null>") << "the new field is read";
    ASSERT_EQ(put(mine, 2, Variant(QStringLiteral("Oslo"))), S_OK);
    EXPECT_EQ(mine->Update(), S_OK);
    ASSERT_EQ(put(mine, 1, Variant(std::int32_t(9))), S_OK);
    redesign("DROP TABLE People");
    EXPECT_EQ(cedb::tableDesign(path, "People"), QByteArray());
    EXPECT_EQ(mine->Update(), cedb::DB_E_DESIGNCHANGED);
}
