// The statement forms other parts of the program send, with their intended meaning.
#include "EngineFixture.h"

#include <thread>

namespace {

class DialectTest : public BothEngines {
protected:
    void SetUp() override
    {
        BothEngines::SetUp();
        ASSERT_EQ(run("CREATE TABLE 'Orders' (Name varchar(30), Qty int, City text)"), S_OK);
        ASSERT_EQ(run("INSERT INTO Orders VALUES('Smith', 5, 'Oslo')"), S_OK);
        ASSERT_EQ(run("INSERT INTO Orders VALUES('smithers', 12, 'Bergen')"), S_OK);
        ASSERT_EQ(run("INSERT INTO Orders (Name, Qty) VALUES ('Jones', 7)"), S_OK);
    }
};
VARNEL_ON_BOTH_ENGINES(DialectTest);

TEST_P(DialectTest, TableNamesBareQuotedOrAsTheWholeSource)
{
    EXPECT_EQ(rows("Orders").size(), 3u);
    EXPECT_EQ(rows("'Orders'").size(), 3u);
    EXPECT_EQ(rows("SELECT * FROM 'Orders'").size(), 3u);
    EXPECT_EQ(rows("select NAME from orders where name = 'Jones'"), Lines{"Jones"});
    ASSERT_EQ(run("CREATE TABLE 'Order Lines' ('Line No' int)"), S_OK);
    ASSERT_EQ(run("INSERT INTO 'Order Lines' VALUES(1)"), S_OK);
    EXPECT_EQ(rows("'Order Lines'"), Lines{"1"});
    EXPECT_EQ(rows("SELECT * FROM 'Order Lines' WHERE 'Line No' = 1"), Lines{"1"});
}

TEST_P(DialectTest, ComparisonsAndLogic)
{
    EXPECT_EQ(rows("SELECT Name FROM Orders WHERE Qty > 5 AND Qty <= 12"), (Lines{"smithers", "Jones"}));
    EXPECT_EQ(rows("SELECT Name FROM Orders WHERE Qty => 7 ORDER BY Qty"), (Lines{"Jones", "smithers"}));
    EXPECT_EQ(rows("SELECT Name FROM Orders WHERE Qty >= 7 ORDER BY Qty DESC"), (Lines{"smithers", "Jones"}));
    EXPECT_EQ(rows("SELECT Name FROM Orders WHERE Qty <> 5 AND NOT (Name = 'Jones' OR Qty < 0)"), Lines{"smithers"});
    EXPECT_EQ(rows("SELECT  *  FROM Orders  WHERE ((Name =\"Jones\") OR (Name =\"Smith\") ) ORDER BY Name ASC "),
              (Lines{"Jones|7|<null>", "Smith|5|Oslo"}));
}

TEST_P(DialectTest, TextComparesAndSortsIgnoreCase)
{
    EXPECT_EQ(rows("SELECT Qty FROM Orders WHERE Name = 'SMITH'"), Lines{"5"});
    EXPECT_EQ(rows("SELECT Name FROM Orders ORDER BY Name"), (Lines{"Jones", "Smith", "smithers"}));
}

TEST_P(DialectTest, CaseIsIgnoredBeyondAsciiToo)
{
    ASSERT_EQ(run("INSERT INTO Orders (Name, Qty) VALUES ('Åse Ødegård', 1)"), S_OK);
    ASSERT_EQ(run("INSERT INTO Orders (Name, Qty) VALUES ('ærlig', 2)"), S_OK);
    EXPECT_EQ(rows("SELECT Qty FROM Orders WHERE Name = 'åse ØDEGÅRD'"), Lines{"1"});
    EXPECT_EQ(rows("SELECT Qty FROM Orders WHERE Name LIKE 'åSE*'"), Lines{"1"});
    EXPECT_EQ(rows("SELECT Qty FROM Orders WHERE Name LIKE '%ÆRL_G'"), Lines{"2"});
    EXPECT_EQ(rows("SELECT Name FROM Orders WHERE Name LIKE 'j%s'"), Lines{"Jones"});
    EXPECT_EQ(rows("SELECT Name FROM Orders WHERE Name LIKE 'j%x'").size(), 0u);
}

TEST_P(DialectTest, QuotedNameOnTheLeftIsTheColumnAndValuesOnTheRightAreText)
{
    // 'Qty' on the left names the column; '5' on the right is a text that takes the column's type.
    EXPECT_EQ(rows("SELECT Name FROM Orders WHERE 'Qty' = '5'"), Lines{"Smith"});
    EXPECT_EQ(rows("SELECT Name FROM Orders WHERE 'Qty' <> '5' AND 'Qty' <> '7'"), Lines{"smithers"});
    // A bare word that names no column is a text value.
    EXPECT_EQ(rows("SELECT Qty FROM Orders WHERE Name = Jones"), Lines{"7"});
    // A quoted text on the right never becomes a column, even when one has that name.
    EXPECT_TRUE(rows("SELECT Qty FROM Orders WHERE Name = 'City'").empty());
    EXPECT_EQ(run("SELECT Qty FROM Orders WHERE Nonsuch = 1"), cedb::DB_E_ERRORSINCOMMAND);
}

TEST_P(DialectTest, LikeWithBothWildcardStyles)
{
    EXPECT_EQ(rows("SELECT Name FROM Orders WHERE Name LIKE 'Smith*' ORDER BY Name"), (Lines{"Smith", "smithers"}));
    EXPECT_EQ(rows("SELECT Name FROM Orders WHERE Name LIKE 'smith%' ORDER BY Name"), (Lines{"Smith", "smithers"}));
    EXPECT_EQ(rows("SELECT Name FROM Orders WHERE Name LIKE 'J?nes'"), Lines{"Jones"});
    EXPECT_EQ(rows("SELECT Name FROM Orders WHERE Name LIKE 'J_nes'"), Lines{"Jones"});
    EXPECT_EQ(rows("SELECT Name FROM Orders WHERE Name NOT LIKE 'S*'"), Lines{"Jones"});
    EXPECT_EQ(rows("Select tablename from MSysTables where tablename NOT LIKE 'MSys%'"), Lines{"Orders"});
}

TEST_P(DialectTest, NullTests)
{
    EXPECT_EQ(rows("SELECT Name FROM Orders WHERE City IS NULL"), Lines{"Jones"});
    EXPECT_EQ(rows("SELECT Name FROM Orders WHERE City IS NOT NULL ORDER BY City"), (Lines{"smithers", "Smith"}));
}

TEST_P(DialectTest, SeveralTablesAndTheDesignersJoinText)
{
    ASSERT_EQ(run("CREATE TABLE Cities (CityName text, Country text)"), S_OK);
    ASSERT_EQ(run("INSERT INTO Cities VALUES('Oslo', 'Norway')"), S_OK);
    ASSERT_EQ(run("INSERT INTO Cities VALUES('Paris', 'France')"), S_OK);
    EXPECT_EQ(rows("SELECT Orders.Name,Cities.Country FROM Orders,Cities WHERE Orders.City = Cities.CityName"),
              Lines{"Smith|Norway"});
    EXPECT_EQ(rows("SELECT Orders.Name,Cities.Country FROM Orders,Cities  INNER JOIN (Orders ON Orders.City = "
                   "Cities.CityName)  WHERE ((Orders.Qty >1) ) ORDER BY Orders.Name ASC "),
              Lines{"Smith|Norway"});
    EXPECT_EQ(rows("SELECT * FROM Orders,Cities WHERE Orders.City = Cities.CityName"),
              Lines{"Smith|5|Oslo|Oslo|Norway"});
}

TEST_P(DialectTest, DeleteWithAndWithoutFromAndWhere)
{
    ASSERT_EQ(run("DELETE FROM Orders WHERE Name = 'Jones'"), S_OK);
    ASSERT_EQ(run("DELETE 'Orders' WHERE 'Qty' <> '5'"), S_OK);
    EXPECT_EQ(rows("Orders"), Lines{"Smith|5|Oslo"});
    ASSERT_EQ(run("DELETE 'Orders' "), S_OK);
    EXPECT_TRUE(rows("Orders").empty());
}

TEST_P(DialectTest, InsertFormsAndLiterals)
{
    ASSERT_EQ(run("CREATE TABLE Flags (Name varchar(10), Done bit, Rate Float)"), S_OK);
    ASSERT_EQ(run("Insert into Flags values('a', true, -1.5)"), S_OK);
    ASSERT_EQ(run("INSERT INTO Flags (Done, Name) VALUES (false, \"b\")"), S_OK);
    ASSERT_EQ(run("Insert into Flags values('it''s', 1, 2E+3);"), S_OK);
    EXPECT_EQ(rows("Flags"), (Lines{"a|-1|-1.5", "b|0|<null>", "it's|-1|2000"}));
    EXPECT_EQ(run("Insert into Flags values('too', true)"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(run("Insert into Flags (Nope) values(1)"), cedb::DB_E_ERRORSINCOMMAND);
}

TEST_P(DialectTest, QuotesInValuesNeverBreakOrExtendTheStatement)
{
    ASSERT_EQ(run("INSERT INTO Orders (Name) VALUES ('x''); DROP TABLE Orders; --')"), S_OK);
    EXPECT_EQ(rows("SELECT Name FROM Orders WHERE Name LIKE 'x*'"), Lines{"x'); DROP TABLE Orders; --"});
    EXPECT_EQ(run("SELECT * FROM Orders WHERE Name = 'a' OR '1'='1"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(rows("SELECT Name FROM Orders WHERE Name = 'a'' OR ''1''=''1'").size(), 0u);
    EXPECT_EQ(run("SELECT * FROM Orders; DELETE FROM Orders"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(rows("Orders").size(), 4u);
}

TEST_P(DialectTest, StatementsTheEngineCannotRunFailWhole)
{
    for (const char* sql : {"SELEC * FROM Orders", "SELECT * FROM", "SELECT * FROM Nowhere", "CREATE TABLE X (a blob)",
                            "UPDATE Orders SET Qty = 1", "SELECT * FROM Orders WHERE Name = 'open", "DROP TABLE Nowhere"})
        EXPECT_EQ(run(sql), cedb::DB_E_ERRORSINCOMMAND) << sql;
    EXPECT_EQ(cedb::failureName(cedb::DB_E_ERRORSINCOMMAND), "DB_E_ERRORSINCOMMAND");
    EXPECT_FALSE(cedb::lastError().description.isEmpty());
}

// Conditions nested past what the engine can walk fail like any unreadable statement; the process goes on.
TEST_P(DialectTest, DeeplyNestedConditionsFailInsteadOfOverflowing)
{
    const auto nested = [](int depth) {
        return QStringLiteral("SELECT Name FROM Orders WHERE ") + QString(depth, QLatin1Char('(')) +
               QStringLiteral("Qty = 7") + QString(depth, QLatin1Char(')'));
    };
    EXPECT_EQ(rows(nested(200)), Lines{"Jones"});
    EXPECT_EQ(run(nested(100000)), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(run(QStringLiteral("SELECT Name FROM Orders WHERE ") + QStringLiteral("NOT ").repeated(30000) +
                  QStringLiteral("Qty = 7")),
              cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(run(QStringLiteral("DELETE FROM Orders WHERE Qty = 7") + QStringLiteral(" OR Qty = 7").repeated(100000)),
              cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(rows(QStringLiteral("SELECT Name FROM Orders WHERE NOT NOT Qty = 7 AND Qty = 7") +
                   QStringLiteral(" AND Qty = 7").repeated(300)),
              Lines{"Jones"});
    EXPECT_EQ(rows("Orders").size(), 3u);
}

// The engine serves the thread that first used it; another thread's calls are refused before they touch
// anything, reads and writes alike.
TEST_P(DialectTest, CallsFromAnotherThreadAreRefused)
{
    std::vector<HRESULT> results;
    cedb::ErrorInfo error;
    std::thread other([&] {
        results.push_back(run("INSERT INTO Orders VALUES('Other', 1, 'Rome')"));
        results.push_back(run("SELECT * FROM Orders"));
        results.push_back(run("CREATE TABLE Elsewhere (a int)"));
        results.push_back(cedb::Recordset::create()->Open(QStringLiteral("Create Database '\\Other'"), QString(), 0, 1,
                                                          cedb::adCmdUnknown));
        error = cedb::lastError();
    });
    other.join();
    EXPECT_EQ(results, std::vector<HRESULT>(4, E_UNEXPECTED));
    EXPECT_EQ(error.description, QStringLiteral("The database engine was called from a thread other than its own"));
    EXPECT_EQ(rows("SELECT Name FROM Orders WHERE Name = 'Other'").size(), 0u);
    EXPECT_EQ(run("SELECT * FROM Elsewhere"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(rows("Orders").size(), 3u);
}

} // namespace
