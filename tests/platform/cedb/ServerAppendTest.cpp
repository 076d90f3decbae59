// Records streamed into a server table in batches, and a server connection that drops under the engine:
// what is stored is what was sent, every value as it was, and a lost connection loses nothing silently.
#include "EngineFixture.h"
#include "platform/cedb/BulkAppend.h"
#include "platform/cedb/ServerAddress.h"

namespace {

class ServerAppendTest : public EngineFixture {
protected:
    void SetUp() override { useEngine(EngineKind::Server); }

    std::unique_ptr<cedb::BulkAppend> appender(const QString& table, const QStringList& fields)
    {
        std::unique_ptr<cedb::BulkAppend> append;
        EXPECT_EQ(cedb::BulkAppend::open(path, table, fields, append), S_OK) << cedb::lastError().description.toStdString();
        return append;
    }

    // The table's storage name on the server, for what the server is told behind the engine's back.
    QString storage(const QString& table)
    {
        const Lines id = rows(QStringLiteral("SELECT TableID FROM MSysTables WHERE TableName = '%1'").arg(table));
        return id.empty() ? QString() : QStringLiteral("t") + id.front();
    }

    static Variant bytes(const QByteArray& data)
    {
        SafeArray array = SafeArray::vector(int(data.size()));
        for (int i = 0; i < data.size(); ++i)
            array.elements[i] = Variant::fromByte(std::uint8_t(data[i]));
        return Variant(std::move(array));
    }

    static QByteArray bytesOf(const Variant& value)
    {
        QByteArray data;
        if (value.isArray())
            for (const Variant& element : value.array().elements)
                data.append(char(element.toInt()));
        return data;
    }
};

const char* const everyType = "(S varchar(40), M text, I int, N smallint, B bit, F float, D datetime, O image)";

} // namespace

// What COPY stores is what the engine's own INSERT stores, for the values that could end a field or a
// row early, or lose their characters on the way.
TEST_F(ServerAppendTest, HostileValuesArriveAsAnInsertWouldStoreThem)
{
    ASSERT_EQ(run(QStringLiteral("CREATE TABLE Copied ") + everyType), S_OK);
    ASSERT_EQ(run(QStringLiteral("CREATE TABLE Inserted ") + everyType), S_OK);
    const QStringList texts{"tab\there", "line\nfeed\r\nand CR\r", "back\\slash\\", "\\N", "\\.", "\\x41",
                            QString::fromUtf8("accents é ü ß, 日本, 😀"), "", " ", "'quoted' \"twice\"", "NULL"};
    QByteArray allBytes;
    for (int b = 0; b < 256; ++b)
        allBytes.append(char(b));
    const std::vector<Variant> numbers{Variant(0.1), Variant(-1e300), Variant(5e-324), Variant(1.0 / 3)};
    const std::vector<double> days{1.5, -1.25, 45000.99998842592, 2.0, -657434.0, 2958465.5};
    std::vector<std::vector<Variant>> records;
    for (qsizetype i = 0; i < texts.size(); ++i)
        records.push_back({Variant(texts[i]), Variant(texts[i].repeated(3)), Variant(std::int32_t(-2147483647 + int(i))),
                           Variant(std::int16_t(-32768 + int(i))), Variant(i % 2 == 0), numbers[size_t(i) % numbers.size()],
                           Variant::fromDate(days[size_t(i) % days.size()]), bytes(allBytes.mid(i * 20, 40))});
    records.push_back(std::vector<Variant>(8, Variant::null()));
    records.push_back({Variant::null(), Variant::null(), Variant::null(), Variant::null(), Variant::null(),
                       Variant::null(), Variant::null(), bytes(allBytes)});

    const QStringList fields{"S", "M", "I", "N", "B", "F", "D", "O"};
    auto copied = appender(QStringLiteral("Copied"), fields);
    ASSERT_TRUE(copied);
    for (size_t r = 0; r < records.size(); ++r)
        ASSERT_EQ(copied->add(records[r], qint64(r)), S_OK) << r << cedb::lastError().description.toStdString();
    ASSERT_EQ(copied->flush(), S_OK) << cedb::lastError().description.toStdString();
    EXPECT_TRUE(copied->takeRefused().empty());

    auto inserted = open(QStringLiteral("Inserted"));
    for (const std::vector<Variant>& record : records) {
        ASSERT_EQ(inserted->AddNew(), S_OK);
        for (int f = 0; f < 8; ++f)
            ASSERT_EQ(put(inserted, f, record[size_t(f)]), S_OK);
        ASSERT_EQ(inserted->Update(), S_OK) << cedb::lastError().description.toStdString();
    }
    const Lines stored = rows(QStringLiteral("SELECT S, M, I, N, B, F, D FROM Copied"));
    EXPECT_EQ(stored, rows(QStringLiteral("SELECT S, M, I, N, B, F, D FROM Inserted")));
    ASSERT_EQ(stored.size(), records.size());
    EXPECT_EQ(stored[0].section(u'|', 0, 0), "tab\there");
    EXPECT_EQ(stored[1].section(u'|', 0, 0), "line\nfeed\r\nand CR\r");

    // Read back as values, not texts: every byte, every bit of a double, every second of a date.
    auto back = open(QStringLiteral("Copied"), 0, 1);
    for (size_t r = 0; r < records.size() && !eof(back); ++r, back->MoveNext()) {
        EXPECT_EQ(bytesOf(field(back, 7)), bytesOf(records[r][7])) << r;
        if (r < size_t(texts.size())) {
            EXPECT_EQ(field(back, 5).toDouble(), records[r][5].toDouble()) << r;
            EXPECT_NEAR(field(back, 6).toDouble(), records[r][6].toDouble(), 1e-9) << r;
        }
    }
}

// Days all over the calendar, leap days and the turns of centuries among them, each with its time of day,
// read back as the day they were.
TEST_F(ServerAppendTest, EveryKindOfDayArrivesAsItself)
{
    ASSERT_EQ(run("CREATE TABLE Days (D datetime)"), S_OK);
    std::vector<double> days;
    for (double day = -657434; day <= 2958465; day += 997)
        days.push_back(day + 0.75);
    // 29 February 1900 is a day of the automation calendar only; 1, 2 and 29 February 2000, 1 March 2100.
    for (const double day : {-1.0, 0.0, 1.0, 59.0, 60.0, 61.0, 36557.0, 36558.0, 36585.0, 73110.0, 2958465.99998})
        days.push_back(day);
    auto append = appender(QStringLiteral("Days"), {"D"});
    ASSERT_TRUE(append);
    for (size_t i = 0; i < days.size(); ++i)
        ASSERT_EQ(append->add({Variant::fromDate(days[i])}, qint64(i)), S_OK) << days[i];
    ASSERT_EQ(append->flush(), S_OK);
    auto back = open(QStringLiteral("Days"), 0, 1);
    size_t read = 0;
    for (; read < days.size() && !eof(back); ++read, back->MoveNext())
        EXPECT_NEAR(field(back, 0).toDouble(), days[read], 1e-6) << days[read];
    EXPECT_EQ(read, days.size());
}

// A record the server refuses is refused alone, by its tag, in a batch sent again record by record; a
// value the field cannot take is refused before anything is sent.
TEST_F(ServerAppendTest, ARefusedRecordIsToldByItsTagAndTheOthersAreStored)
{
    ASSERT_EQ(run("CREATE TABLE Stock (Code int, Name varchar(5))"), S_OK);
    ASSERT_EQ(server->run(QStringLiteral("ALTER TABLE %1 ADD CHECK (c1 <> 99)").arg(storage("Stock"))), QString());
    auto append = appender(QStringLiteral("Stock"), {"Code", "Name"});
    ASSERT_TRUE(append);
    constexpr int total = 20000;
    for (int i = 0; i < total; ++i) {
        const int code = i == 10005 || i == 19999 ? 99 : 1000 + i;
        ASSERT_EQ(append->add({Variant(std::int32_t(code)), Variant(QStringLiteral("n"))}, i), S_OK) << i;
    }
    EXPECT_EQ(append->add({Variant(std::int32_t(1)), Variant(QStringLiteral("too long"))}, total), cedb::DB_E_BADVALUES);
    EXPECT_EQ(append->add({Variant(std::int32_t(1)), Variant(QStringLiteral("a\u0000b"))}, total + 1),
              cedb::DB_E_BADVALUES)
        << "a character 0 would cut the text short on the server";
    EXPECT_EQ(append->add({Variant(QStringLiteral("x")), Variant::null()}, total + 2), cedb::DB_E_BADVALUES);
    ASSERT_EQ(append->flush(), S_OK);
    const std::vector<cedb::BulkAppend::Refusal> refused = append->takeRefused();
    ASSERT_EQ(refused.size(), 2u);
    EXPECT_EQ(refused[0].tag, 10005);
    EXPECT_EQ(refused[1].tag, 19999);
    EXPECT_TRUE(refused[0].reason.contains(QStringLiteral("check constraint"))) << refused[0].reason.toStdString();
    EXPECT_EQ(rows("Stock").size(), size_t(total - 2));
    EXPECT_EQ(rows("SELECT Code FROM Stock WHERE Code = 99"), Lines{});
    EXPECT_TRUE(append->takeRefused().empty()) << "each refusal is told once";

    std::unique_ptr<cedb::BulkAppend> none;
    EXPECT_EQ(cedb::BulkAppend::open(path, QStringLiteral("Stock"), {"Nope"}, none), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(cedb::BulkAppend::open(path, QStringLiteral("MSysTables"), {"TableName"}, none),
              cedb::DB_E_ERRORSINCOMMAND);
}

// The rows of a batch go to the server while the next ones are made: records given up before their batch
// ended (an import cancelled) go with it, nothing else may use the connection meanwhile, and it serves
// on afterwards.
TEST_F(ServerAppendTest, RecordsGivenUpBeforeTheirBatchEndedGoWithIt)
{
    ASSERT_EQ(run("CREATE TABLE Stock (Code int, Name varchar(50))"), S_OK);
    const auto addMany = [](cedb::BulkAppend& append, int count) {
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(append.add({Variant(std::int32_t(i)), Variant(QStringLiteral("a name of some length"))}, i), S_OK);
    };
    auto append = appender(QStringLiteral("Stock"), {"Code", "Name"});
    ASSERT_TRUE(append);
    addMany(*append, 5000);
    EXPECT_EQ(run("INSERT INTO Stock VALUES (1, 'between')"), cedb::DB_E_RESOURCELOCKED);
    append.reset();
    EXPECT_EQ(rows("Stock"), Lines{});
    ASSERT_EQ(run("INSERT INTO Stock VALUES (1, 'after')"), S_OK);
    EXPECT_EQ(rows("Stock"), Lines{"1|after"});

    // Inside a transaction the batches ended stay in it, the one given up does not.
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    append = appender(QStringLiteral("Stock"), {"Code", "Name"});
    addMany(*append, 8192 + 3000);
    append.reset();
    ASSERT_EQ(connection->CommitTrans(path), S_OK);
    EXPECT_EQ(rows("Stock").size(), size_t(1 + 8192));
}

// A connection that drops in the middle of a transaction takes the transaction's work with it: what
// follows is refused in plain words up to the transaction's end, nothing of it is stored, and the next
// action after it connects again.
TEST_F(ServerAppendTest, AConnectionLostInATransactionStoresNothingAndTheNextActionReconnects)
{
    ASSERT_EQ(run("CREATE TABLE Stock (Code int)"), S_OK);
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    auto append = appender(QStringLiteral("Stock"), {"Code"});
    ASSERT_TRUE(append);
    for (int i = 0; i < 9000; ++i)
        ASSERT_EQ(append->add({Variant(std::int32_t(i))}, i), S_OK);
    ASSERT_EQ(server->dropSessions(), QString());
    HRESULT hr = S_OK;
    for (int i = 0; i < 9000 && SUCCEEDED(hr); ++i)
        hr = append->add({Variant(std::int32_t(i))}, i);
    if (SUCCEEDED(hr))
        hr = append->flush();
    EXPECT_EQ(hr, cedb::DB_E_CONNECTIONLOST);
    EXPECT_TRUE(cedb::lastError().description.contains(QStringLiteral("connection"))) << cedb::lastError().description.toStdString();
    EXPECT_EQ(run("INSERT INTO Stock VALUES (1)"), cedb::DB_E_CONNECTIONLOST) << "not outside the lost transaction";
    EXPECT_TRUE(cedb::lastError().description.contains(QStringLiteral("none of the change was stored")))
        << cedb::lastError().description.toStdString();
    EXPECT_TRUE(FAILED(connection->CommitTrans(path))) << "a commit of nothing is no success";
    connection->RollbackTrans(path);

    EXPECT_EQ(rows("Stock").size(), 0u);
    EXPECT_EQ(run("INSERT INTO Stock VALUES (1)"), S_OK) << cedb::lastError().description.toStdString();
    EXPECT_EQ(rows("Stock").size(), 1u);
}

// A commit the server turns into a rollback, because a statement of the transaction failed, is told as
// a failure, never as stored.
TEST_F(ServerAppendTest, ACommitAfterAFailedStatementIsNoSuccess)
{
    ASSERT_EQ(run("CREATE TABLE Stock (Code int)"), S_OK);
    ASSERT_EQ(server->run(QStringLiteral("ALTER TABLE %1 ADD CHECK (c1 <> 99)").arg(storage("Stock"))), QString());
    auto connection = cedb::Connection::create();
    ASSERT_EQ(connection->BeginTrans(path), S_OK);
    EXPECT_EQ(run("INSERT INTO Stock VALUES (1)"), S_OK);
    EXPECT_TRUE(FAILED(run("INSERT INTO Stock VALUES (99)")));
    EXPECT_TRUE(FAILED(connection->CommitTrans(path)));
    EXPECT_TRUE(cedb::lastError().description.contains(QStringLiteral("none of its changes were stored")))
        << cedb::lastError().description.toStdString();
    connection->RollbackTrans(path);
    EXPECT_EQ(rows("Stock").size(), 0u);
}

// An edit written after the server dropped the session goes through on a connection made anew; while
// the server cannot be reached it is refused in plain words, and the same edit written again once the
// server is back is stored.
TEST_F(ServerAppendTest, AnEditAfterTheConnectionDroppedIsStoredOnceTheServerAnswers)
{
    ASSERT_EQ(run("CREATE TABLE People (Name varchar(20))"), S_OK);
    ASSERT_EQ(run("INSERT INTO People VALUES ('Ann')"), S_OK);
    auto people = open(QStringLiteral("People"));
    ASSERT_EQ(server->dropSessions(), QString());
    ASSERT_EQ(put(people, 0, Variant(QStringLiteral("Bea"))), S_OK);
    EXPECT_EQ(people->Update(), S_OK) << cedb::lastError().description.toStdString();

    ASSERT_EQ(server->setReachable(false), QString());
    ASSERT_EQ(server->dropSessions(), QString());
    // The record is read again before it is changed, or written: either says why it cannot be.
    HRESULT hr = put(people, 0, Variant(QStringLiteral("Cy")));
    if (SUCCEEDED(hr))
        hr = people->Update();
    EXPECT_EQ(hr, cedb::DB_E_CONNECTIONLOST);
    const QString message = cedb::lastError().description;
    EXPECT_TRUE(message.startsWith(QStringLiteral("The connection to the database"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("is lost"))) << message.toStdString();

    ASSERT_EQ(server->setReachable(true), QString());
    ASSERT_EQ(put(people, 0, Variant(QStringLiteral("Cy"))), S_OK);
    EXPECT_EQ(people->Update(), S_OK) << cedb::lastError().description.toStdString();
    EXPECT_EQ(rows("People"), Lines{"Cy"});
}
