// A statement read through the shape kept from an earlier one of its kind means what it means read afresh,
// with the values of its own text, in every table design the file has at the time.
#include "EngineFixture.h"

#include "platform/cedb/Parser.h"
#include "platform/cedb/StatementShapes.h"

#include <charconv>
#include <cmath>
#include <random>
#include <string>

namespace {

std::optional<cedb::Statement> parsedAfresh(const QString& sql)
{
    std::optional<std::vector<cedb::Token>> tokens = cedb::tokenize(sql);
    std::vector<cedb::LiteralPlace> literals;
    return tokens ? cedb::parseTokens(*tokens, literals) : std::nullopt;
}

// Kind and value, exactly: 2 and 2.0, or an Integer and the same number as a Double, read apart.
QString describe(const Variant& value)
{
    const QString kind = QString::number(value.vt()) + u':';
    if (value.vt() == VT_R8)
        return kind + QString::number(value.r8(), 'g', 17);
    return kind + (value.isNull() ? QStringLiteral("<null>") : value.toString());
}

Lines insertRead(const std::optional<cedb::Statement>& statement)
{
    if (!statement)
        return {"<not a statement>"};
    const auto* insert = std::get_if<cedb::Insert>(&*statement);
    if (!insert)
        return {"<not an insert>"};
    Lines lines{insert->table};
    for (const QString& column : insert->columns)
        lines.push_back(u'(' + column + u')');
    for (const Variant& value : insert->values)
        lines.push_back(describe(value));
    return lines;
}

TEST(StatementShapesTest, EveryKindOfValueReadsAsTheParserReadsIt)
{
    // The statements of one group share a shape: the first keeps it, the others reuse it.
    const std::vector<std::vector<QString>> groups = {
        {"Insert into T values(1, 'a', 2.5, -3)", "Insert into T values(2147483647, 'it''s', 1e3, -2147483648)",
         "Insert into T values(2147483648, 'Åse Ødegård', .5, -2147483649)",
         "Insert into T values(0, '', 1E+300, -0.0)", "Insert into T values(007, '''', 2e-3, -1e2)"},
        {"INSERT INTO T (a, b) VALUES (\"x\", 'y');", "INSERT INTO T (a, b) VALUES (\"say \"\"hi\"\"\", 'ü''')",
         "INSERT INTO T (a, b) VALUES (\"x'); DROP TABLE T; --\", ')''; DELETE FROM T; --')"},
        {"Insert into T values(1, , NULL, true, word)", "Insert into T values(99, , NULL, true, word)"},
        {"Insert into T values(+1)", "Insert into T values(+2.5)", "Insert into T values(+4294967296)"},
    };
    for (const auto& group : groups)
        for (int round = 0; round < 2; ++round)
            for (const QString& sql : group)
                EXPECT_EQ(insertRead(cedb::parseStatement(sql)), insertRead(parsedAfresh(sql))) << sql.toStdString();
}

// A number with a point is the Double nearest to it, as the general reading of a decimal text gives it, whatever
// its length and wherever its point; one that reads as a whole number there stays an Integer.
TEST(StatementShapesTest, NumbersWithAPointReadAsTheNearestDouble)
{
    const auto expectNearest = [](const std::string& digits) {
        for (const bool negative : {false, true}) {
            const std::string text = (negative ? "-" : "") + digits;
            double nearest = 0;
            ASSERT_EQ(std::from_chars(text.data(), text.data() + text.size(), nearest).ec, std::errc()) << text;
            const std::optional<Variant> read = cedb::numberValue(QString::fromStdString(digits), negative);
            ASSERT_TRUE(read) << text;
            ASSERT_EQ(read->vt(), VT_R8) << text;
            EXPECT_EQ(read->r8(), nearest) << text;
            EXPECT_EQ(std::signbit(read->r8()), std::signbit(nearest)) << text;
        }
    };
    for (const char* digits : {"0.0", "2.0", "0.1", "0.3", "12345.5", "99999999999999.9", "9.99999999999999",
                               "0.00000000000001", "900719925474099.3", "9007199254740993.5", "5.", "1.5e3", "1e-7"})
        expectNearest(digits);
    std::mt19937 random(20261210);
    for (int i = 0; i < 20000; ++i) {
        std::string digits(size_t(2 + random() % 19), '0');
        for (char& digit : digits)
            digit = char('0' + random() % 10);
        digits[1 + random() % (digits.size() - 1)] = '.';
        expectNearest(digits);
    }
    EXPECT_EQ(cedb::numberValue(u"2147483647", false)->vt(), VT_I4);
    EXPECT_EQ(cedb::numberValue(u"2147483648", false)->vt(), VT_R8);
}

TEST(StatementShapesTest, NumbersAndValuesBetweenThemTakeTheirPlaces)
{
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(insertRead(cedb::parseStatement("Insert into T values(NULL, 999999999, word, -999999999, true)")),
                  (Lines{"T", "1:<null>", "3:999999999", "8:word", "3:-999999999", "11:-1"}));
        EXPECT_EQ(insertRead(cedb::parseStatement("Insert into T values(NULL, 000000012, word, 1000000000, true)")),
                  (Lines{"T", "1:<null>", "3:12", "8:word", "3:1000000000", "11:-1"}));
        EXPECT_EQ(insertRead(cedb::parseStatement("Insert into T values(NULL, 9999999999, word, 1.5e3, true)")),
                  (Lines{"T", "1:<null>", "5:9999999999", "8:word", "5:1500", "11:-1"}));
    }
    // A statement without values comes back whole through its shape.
    for (int round = 0; round < 2; ++round) {
        const std::optional<cedb::Statement> select = cedb::parseStatement("SELECT a FROM T");
        ASSERT_TRUE(select && std::holds_alternative<cedb::Select>(*select));
        EXPECT_EQ(std::get<cedb::Select>(*select).tables, std::vector<QString>{"T"});
    }
}

// Each is read after each other one: every one follows a statement whose shape it nearly has.
TEST(StatementShapesTest, StatementsAlikeButForOneTokenAreReadApart)
{
    const std::vector<QString> statements = {
        "Insert into T1 values(1)",      "Insert into T2 values(1)",       "Insert into T1 values('1')",
        "Insert into T1 values(\"1\")",  "Insert into T1 values(1, 2)",    "Insert into T1 values(-1)",
        "Insert into T1 values(+1)",     "Insert into T1 values(1);",      "Insert into T12 values(1)",
        "Insert into T1 (a) values(1)",  "Insert into [T1] values(1)",     "Insert into 'T1' values(1)",
        "Insert into 'T2' values(1)",    "Insert into T1 values(NULL)",    "Insert into T1 values(word)",
        "Insert into T1 values(1 )",     "SELECT a FROM T1",               "Insert into T1 values(1) x"};
    for (const QString& first : statements)
        for (const QString& second : statements) {
            EXPECT_EQ(insertRead(cedb::parseStatement(first)), insertRead(parsedAfresh(first))) << first.toStdString();
            EXPECT_EQ(insertRead(cedb::parseStatement(second)), insertRead(parsedAfresh(second)))
                << second.toStdString() << " after " << first.toStdString();
        }
}

// Far more shapes than are kept, each new one between two of the first and followed by the one before it: the
// set grows and starts again many times between two statements of one shape.
TEST(StatementShapesTest, ShapesReadAsTheKeptSetStartsAgainAreReadAsBefore)
{
    const auto statement = [](int i) { return QStringLiteral("Insert into T%1 values(%1, 'v%1')").arg(i); };
    for (int i = 1; i < 600; ++i)
        for (const int n : {0, i, 0, i - 1})
            ASSERT_EQ(insertRead(cedb::parseStatement(statement(n))),
                      (Lines{QStringLiteral("T%1").arg(n), QStringLiteral("3:%1").arg(n), QStringLiteral("8:v%1").arg(n)}))
                << n;
}

TEST(StatementShapesTest, ABadLiteralFailsAsItDoesWhenReadAfresh)
{
    ASSERT_TRUE(cedb::parseStatement("Insert into T values(1, 'a')"));
    EXPECT_FALSE(cedb::parseStatement("Insert into T values(1e999, 'a')")) << "no Double holds it";
    EXPECT_FALSE(cedb::parseStatement("Insert into T values(1, 'a)"));
    EXPECT_EQ(insertRead(cedb::parseStatement("Insert into T values(2, 'b')")),
              (Lines{"T", "3:2", "8:b"}));
}

TEST(StatementShapesTest, QuotedNamesAndLengthsAreNotTakenForValues)
{
    ASSERT_TRUE(cedb::parseStatement("INSERT INTO 'Old' VALUES (1)"));
    EXPECT_EQ(insertRead(cedb::parseStatement("INSERT INTO 'New' VALUES (2)")), (Lines{"New", "3:2"}));
    ASSERT_TRUE(cedb::parseStatement("INSERT INTO T ('a') VALUES (1)"));
    EXPECT_EQ(insertRead(cedb::parseStatement("INSERT INTO T ('b') VALUES (1)")), (Lines{"T", "(b)", "3:1"}));
    ASSERT_TRUE(cedb::parseStatement("CREATE TABLE 'X' (n varchar(10))"));
    const std::optional<cedb::Statement> create = cedb::parseStatement("CREATE TABLE 'Y' (n varchar(20))");
    ASSERT_TRUE(create && std::holds_alternative<cedb::CreateTable>(*create));
    EXPECT_EQ(std::get<cedb::CreateTable>(*create).table, "Y");
    EXPECT_EQ(std::get<cedb::CreateTable>(*create).columns.at(0).length, 20);
    // A value in a condition is part of a tree: its statement is read afresh every time.
    ASSERT_TRUE(cedb::parseStatement("DELETE FROM T WHERE a = 1"));
    const std::optional<cedb::Statement> remove = cedb::parseStatement("DELETE FROM T WHERE a = 2");
    ASSERT_TRUE(remove && std::holds_alternative<cedb::Delete>(*remove));
    EXPECT_EQ(describe(std::get<cedb::Delete>(*remove).where->operands.at(1)->value), "3:2");
}

using StatementShapesEngineTest = EngineFixture;

TEST_F(StatementShapesEngineTest, InsertsOfOneShapeStoreTheirOwnValues)
{
    ASSERT_EQ(run("CREATE TABLE T (Name varchar(30), Qty int, Price Float, Done bit)"), S_OK);
    insertMany(3, [](int i) {
        const QStringList names = {"plain", "it''s", "Ødegård"};
        return QStringLiteral("Insert into T values('%1', %2, %3, true)").arg(names[i]).arg(i - 1).arg(i * 0.25);
    });
    ASSERT_EQ(run("Insert into T values('x''); DROP TABLE T; --', -7, 1e3, false)"), S_OK);
    ASSERT_EQ(run("Insert into T values(, NULL, , false)"), S_OK) << cedb::lastError().description.toStdString();
    EXPECT_EQ(rows("T"), (Lines{"plain|-1|0|-1", "it's|0|0.25|-1", "Ødegård|1|0.5|-1", "x'); DROP TABLE T; --|-7|1000|0",
                                "<null>|<null>|<null>|0"}));
    ASSERT_EQ(run("Insert into T values('long enough', 1, 1, true)"), S_OK);
    EXPECT_EQ(run("Insert into T values('far more than thirty characters', 1, 1, true)"), cedb::DB_E_BADVALUES);
    EXPECT_EQ(cedb::lastError().description, "The value far more than thirty characters does not fit the column Name");
    EXPECT_EQ(run("Insert into T values('fits', 1, 1e999, true)"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(rows("SELECT Name FROM T WHERE Qty = 1"), (Lines{"Ødegård", "long enough"}));
}

// Two tables written in turn, their statements lent and given back one after the other, then the same
// statements again after the transaction that held them was taken back.
TEST_F(StatementShapesEngineTest, StatementsGivenBackInTurnWriteTheirOwnTables)
{
    ASSERT_EQ(run("CREATE TABLE A (n int, s varchar(5))"), S_OK);
    ASSERT_EQ(run("CREATE TABLE B (s varchar(5), n int)"), S_OK);
    auto connection = cedb::Connection::create();
    for (const bool keep : {false, true}) {
        ASSERT_EQ(connection->BeginTrans(path), S_OK);
        for (int i = 0; i < 3; ++i) {
            ASSERT_EQ(run(QStringLiteral("Insert into A values(%1, 'a%1')").arg(i)), S_OK);
            ASSERT_EQ(run(QStringLiteral("Insert into B values('b%1', %1)").arg(i)), S_OK);
        }
        ASSERT_EQ(keep ? connection->CommitTrans(path) : connection->RollbackTrans(path), S_OK);
        EXPECT_EQ(rows("A").size(), keep ? 3u : 0u);
    }
    ASSERT_EQ(run("Insert into B values('b9', 9)"), S_OK) << "outside a transaction";
    EXPECT_EQ(rows("A"), (Lines{"0|a0", "1|a1", "2|a2"}));
    EXPECT_EQ(rows("B"), (Lines{"b0|0", "b1|1", "b2|2", "b9|9"}));
}

TEST_F(StatementShapesEngineTest, AKeptShapeFollowsItsTableThroughDesignChanges)
{
    ASSERT_EQ(run("CREATE TABLE T (a int, b varchar(5))"), S_OK);
    ASSERT_EQ(run("Insert into T values(1, 'x')"), S_OK);
    ASSERT_EQ(run("Insert into T (b) values('y')"), S_OK);
    ASSERT_EQ(run("DROP TABLE T"), S_OK);
    EXPECT_EQ(run("Insert into T values(2, 'x')"), cedb::DB_E_ERRORSINCOMMAND) << "the table is gone";
    ASSERT_EQ(run("CREATE TABLE T (a varchar(5), b int)"), S_OK);
    EXPECT_EQ(run("Insert into T values(3, 'x')"), cedb::DB_E_BADVALUES) << "b holds numbers now";
    ASSERT_EQ(run("Insert into T values(4, '5')"), S_OK);
    ASSERT_EQ(run("ALTER TABLE T ADD COLUMN c int"), S_OK);
    EXPECT_EQ(run("Insert into T values(6, '7')"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(cedb::lastError().description, "2 values for 3 columns");
    ASSERT_EQ(run("ALTER TABLE T RENAME COLUMN b TO d"), S_OK);
    EXPECT_EQ(run("Insert into T (b) values('8')"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(cedb::lastError().description, "Unknown column b");
    ASSERT_EQ(run("ALTER TABLE T DROP COLUMN c"), S_OK);
    ASSERT_EQ(run("Insert into T values(9, '10')"), S_OK);
    EXPECT_EQ(rows("T"), (Lines{"4|5", "9|10"}));
}

} // namespace
