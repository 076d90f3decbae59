// Values are checked and converted for their column on the way in and come back with the column's type.
#include "EngineFixture.h"

namespace {

class TypesTest : public BothEngines {
protected:
    void SetUp() override
    {
        BothEngines::SetUp();
        ASSERT_EQ(run("CREATE TABLE T (S varchar(5), I int, N smallint, B bit, F Float, D Datetime, M text)"), S_OK);
    }
};
VARNEL_ON_BOTH_ENGINES(TypesTest);

TEST_P(TypesTest, FieldTypesReportTheEngineCodes)
{
    auto recordset = open("T");
    std::shared_ptr<cedb::Fields> fields;
    recordset->get_Fields(fields);
    std::vector<int> types;
    for (int i = 0; i < 7; ++i) {
        std::shared_ptr<cedb::Field> item;
        ASSERT_EQ(fields->get_Item(Variant(std::int32_t(i)), item), S_OK);
        int type = 0;
        item->get_Type(type);
        types.push_back(type);
    }
    EXPECT_EQ(types, (std::vector<int>{202, 3, 2, 11, 5, 7, 203}));
}

TEST_P(TypesTest, TextIsConvertedByTheAutomationRules)
{
    ASSERT_EQ(run("INSERT INTO T VALUES('abc', ' 12 ', '-3', 'True', '1.5', '12/7/2026', 'memo')"), S_OK);
    ASSERT_EQ(run("INSERT INTO T VALUES('', '', '', 'no', '', '2026-12-07 10:30 PM', '')"), S_OK);
    EXPECT_EQ(rows("T"), (Lines{"abc|12|-3|-1|1.5|12/7/2026|memo", "|<null>|<null>|0|<null>|12/7/2026 10:30:00 PM|"}));
    auto recordset = open("T");
    EXPECT_EQ(field(recordset, 1).vt(), VT_I4);
    EXPECT_EQ(field(recordset, 2).vt(), VT_I2);
    EXPECT_EQ(field(recordset, 3).vt(), VT_BOOL);
    EXPECT_EQ(field(recordset, 5).vt(), VT_DATE);
}

// A Float column given whole numbers, the largest and smallest an Integer holds among them, keeps them exactly
// and gives them back as Doubles.
TEST_P(TypesTest, WholeNumbersForAFloatAreStoredAsDoubles)
{
    for (const char* value : {"2", "2147483647", "-2147483648", "0"})
        ASSERT_EQ(run(QStringLiteral("INSERT INTO T (F) VALUES(%1)").arg(QLatin1String(value))), S_OK) << value;
    auto recordset = open("SELECT F FROM T");
    std::vector<double> read;
    for (; !eof(recordset); recordset->MoveNext()) {
        const Variant value = field(recordset, 0);
        EXPECT_EQ(value.vt(), VT_R8);
        read.push_back(value.r8());
    }
    EXPECT_EQ(read, (std::vector<double>{2, 2147483647.0, -2147483648.0, 0}));
}

TEST_P(TypesTest, ValuesThatDoNotFitAreRefused)
{
    for (const char* sql : {"INSERT INTO T (I) VALUES('twelve')", "INSERT INTO T (N) VALUES(70000)",
                            "INSERT INTO T (S) VALUES('toolong')", "INSERT INTO T (D) VALUES('not a date')",
                            "INSERT INTO T (B) VALUES('maybe')", "INSERT INTO T (F) VALUES('1,5x')"})
        EXPECT_EQ(run(sql), cedb::DB_E_BADVALUES) << sql;
    EXPECT_TRUE(rows("T").empty());
}

TEST_P(TypesTest, UpdateConvertsPutValuesOrRefusesTheRecord)
{
    auto recordset = open("T");
    ASSERT_EQ(recordset->AddNew(), S_OK);
    EXPECT_EQ(put(recordset, 1, Variant(QStringLiteral("12"))), S_OK);
    EXPECT_EQ(put(recordset, 3, Variant(true)), S_OK);
    EXPECT_EQ(put(recordset, 4, Variant(2.25f)), S_OK);
    ASSERT_EQ(recordset->Update(), S_OK);
    EXPECT_EQ(field(recordset, 1).vt(), VT_I4) << "read back as stored";

    ASSERT_EQ(recordset->AddNew(), S_OK);
    EXPECT_EQ(put(recordset, 1, Variant(QStringLiteral("x"))), S_OK);
    EXPECT_EQ(recordset->Update(), cedb::DB_E_BADVALUES);
    ASSERT_EQ(recordset->AddNew(), S_OK);
    EXPECT_EQ(put(recordset, 0, Variant(QStringLiteral("123456"))), S_OK);
    EXPECT_EQ(recordset->Update(), cedb::DB_E_BADVALUES);
    EXPECT_EQ(recordset->MoveFirst(), S_OK) << "a refused record does not hold the cursor";
    EXPECT_EQ(rows("T"), Lines{"<null>|12|<null>|-1|2.25|<null>|<null>"});
}

TEST_P(TypesTest, TextOfAnyScriptIsStoredAsWrittenAndMeasuredInCharacters)
{
    const QString accented = QStringLiteral("Zoë'é"); // five characters, seven bytes in the file
    const QString beyondTheFirstPlane = QStringLiteral("北京 \U0001F600 «ü»\t\"x\"");
    auto recordset = open("T");
    ASSERT_EQ(recordset->AddNew(), S_OK);
    ASSERT_EQ(put(recordset, 0, Variant(accented)), S_OK);
    ASSERT_EQ(put(recordset, 6, Variant(beyondTheFirstPlane)), S_OK);
    ASSERT_EQ(recordset->Update(), S_OK);
    ASSERT_EQ(recordset->AddNew(), S_OK);
    ASSERT_EQ(put(recordset, 0, Variant(QString())), S_OK);
    ASSERT_EQ(put(recordset, 6, Variant(QStringLiteral(""))), S_OK);
    ASSERT_EQ(recordset->Update(), S_OK);
    auto again = open("SELECT S, M FROM T WHERE M = '" + beyondTheFirstPlane + "'");
    ASSERT_FALSE(eof(again));
    EXPECT_EQ(field(again, 0).toString(), accented);
    EXPECT_EQ(field(again, 1).toString(), beyondTheFirstPlane);
    EXPECT_EQ(rows("SELECT S, M FROM T WHERE M = ''"), Lines{"|"}) << "an empty text stays a text, not Null";
}

TEST_P(TypesTest, ComparingAColumnWithAValueOfTheWrongKindIsRefused)
{
    EXPECT_EQ(run("SELECT * FROM T WHERE I = 'abc'"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(run("SELECT * FROM T WHERE D < '1/1/2000'"), S_OK);
    EXPECT_EQ(run("SELECT * FROM T WHERE B = true AND B = 'yes' AND B = -1"), S_OK);
}

} // namespace
