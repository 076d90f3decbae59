// MSysTables, MSysFields and MSysIndexes follow every change of the schema.
#include "EngineFixture.h"

namespace {

using CatalogueTest = BothEngines;
VARNEL_ON_BOTH_ENGINES(CatalogueTest);

TEST_P(CatalogueTest, NewFileListsTheEngineTablesThemselves)
{
    EXPECT_EQ(rows("SELECT * FROM MSysTables"), (Lines{"MSysTables|1", "MSysFields|2", "MSysIndexes|3"}));
    EXPECT_EQ(rows("SELECT FieldName FROM MSysFields WHERE TableID = 2"),
              (Lines{"TableID", "FieldName", "FieldID", "FieldLen", "ODBCType"}));
}

TEST_P(CatalogueTest, CreateTableRecordsColumnsInOrderWithLengthsAndTypeCodes)
{
    ASSERT_EQ(run("CREATE TABLE 'Parts' (Name varchar(30), Qty int, Small smallint, Done bit, Price Float, "
                  "Due Datetime, Notes text, Picture Long Varbinary)"),
              S_OK);
    EXPECT_EQ(rows("SELECT TableID FROM MSysTables WHERE TableName = 'parts'"), Lines{"4"});
    EXPECT_EQ(rows("SELECT * FROM 'MSysFields' WHERE 'TableID' = '4' ORDER BY 'TableID', 'FieldID'"),
              (Lines{"4|Name|1|30|202", "4|Qty|2|4|3", "4|Small|3|2|2", "4|Done|4|1|11", "4|Price|5|8|5",
                     "4|Due|6|8|7", "4|Notes|7|0|203", "4|Picture|8|0|205"}));
    EXPECT_EQ(run("CREATE TABLE PARTS (x int)"), cedb::DB_E_ERRORSINCOMMAND);
}

TEST_P(CatalogueTest, TableIdsStayAndAreNeverReused)
{
    ASSERT_EQ(run("CREATE TABLE A (x int)"), S_OK);
    ASSERT_EQ(run("CREATE TABLE B (x int)"), S_OK);
    ASSERT_EQ(run("DROP TABLE A"), S_OK);
    ASSERT_EQ(run("CREATE TABLE C (x int)"), S_OK);
    EXPECT_EQ(rows("SELECT TableName, TableID FROM MSysTables WHERE TableID > 3"), (Lines{"B|5", "C|6"}));
    EXPECT_TRUE(rows("SELECT * FROM MSysFields WHERE TableID = 4").empty());
}

TEST_P(CatalogueTest, AlterTableAddsRenamesAndDropsWithFieldIdsRenumbered)
{
    ASSERT_EQ(run("CREATE TABLE T (A int, B text, C int)"), S_OK);
    ASSERT_EQ(run("INSERT INTO T VALUES(1, 'b', 3)"), S_OK);
    ASSERT_EQ(run("ALTER TABLE T ADD D varchar(5)"), S_OK);
    ASSERT_EQ(run("ALTER TABLE 'T' RENAME B TO 'Bee Name'"), S_OK);
    ASSERT_EQ(run("CREATE INDEX CIdx ON T (C)"), S_OK);
    ASSERT_EQ(run("Alter table 'T' DROP A"), S_OK);
    EXPECT_EQ(rows("SELECT FieldName, FieldID FROM MSysFields WHERE TableID = 4 ORDER BY FieldID"),
              (Lines{"Bee Name|1", "C|2", "D|3"}));
    EXPECT_EQ(rows("SELECT IndexName, FieldID FROM MSysIndexes WHERE TableID = 4"), Lines{"CIdx|2"});
    EXPECT_EQ(rows("T"), Lines{"b|3|<null>"});
    EXPECT_EQ(rows("SELECT * FROM T WHERE 'Bee Name' = 'B'"), Lines{"b|3|<null>"});
    EXPECT_EQ(run("ALTER TABLE T ADD C int"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(run("ALTER TABLE T RENAME Nope TO X"), cedb::DB_E_ERRORSINCOMMAND);
}

TEST_P(CatalogueTest, DroppingAnIndexedColumnDropsItsIndex)
{
    ASSERT_EQ(run("CREATE TABLE T (A int, B int)"), S_OK);
    ASSERT_EQ(run("CREATE INDEX 'BIdx' ON 'T' ('B')"), S_OK);
    ASSERT_EQ(run("ALTER TABLE T DROP B"), S_OK);
    EXPECT_TRUE(rows("SELECT * FROM MSysIndexes").empty());
    EXPECT_EQ(run("ALTER TABLE T DROP A"), cedb::DB_E_ERRORSINCOMMAND) << "a table keeps one column";
}

TEST_P(CatalogueTest, IndexFlagsAndDropIndex)
{
    ASSERT_EQ(run("CREATE TABLE T (A int, B text, C int, D int)"), S_OK);
    ASSERT_EQ(run("CREATE INDEX 'plain' ON 'T' ('A')"), S_OK);
    ASSERT_EQ(run("CREATE INDEX all3 ON T (B DESC CASESENSITIVE UNKNOWNFIRST ) "), S_OK);
    ASSERT_EQ(run("CREATE INDEX desc1 ON T (C DESC ) "), S_OK);
    ASSERT_EQ(run("CREATE INDEX first ON T (D UNKNOWNFIRST ) "), S_OK);
    EXPECT_EQ(rows("SELECT * from MSysIndexes where TableID = '4'"),
              (Lines{"4|plain|1|2", "4|all3|2|5", "4|desc1|3|3", "4|first|4|0"}));
    EXPECT_EQ(run("CREATE INDEX plain ON T (B)"), cedb::DB_E_ERRORSINCOMMAND);
    ASSERT_EQ(run("DROP INDEX T.all3"), S_OK);
    EXPECT_EQ(rows("SELECT IndexName FROM MSysIndexes"), (Lines{"plain", "desc1", "first"}));
    EXPECT_EQ(run("DROP INDEX T.all3"), cedb::DB_E_ERRORSINCOMMAND);
}

TEST_P(CatalogueTest, EngineTablesAreReadOnly)
{
    EXPECT_EQ(run("DELETE FROM MSysTables"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(run("DROP TABLE MSysFields"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(run("INSERT INTO MSysTables VALUES('X', 9)"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(rows("MSysTables").size(), 3u);
}

TEST_P(CatalogueTest, NamesMatchIgnoringTheCaseOfLettersButNoOtherSign)
{
    ASSERT_EQ(run("CREATE TABLE [Qty@] (Åse int, Kilo int)"), S_OK);
    ASSERT_EQ(run("INSERT INTO [qTY@] (åSE, kILO) VALUES (1, 2)"), S_OK);
    // One case of a letter beside another outside A-Z, as Qt folds them.
    ASSERT_EQ(run(QStringLiteral("INSERT INTO [QTY@] ([\u212Ailo]) VALUES (3)")), S_OK);
    // "@" and "`" differ by the bit that tells the cases of ASCII letters apart.
    EXPECT_EQ(run("INSERT INTO [qty`] VALUES (4, 4)"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(run("INSERT INTO [Qty@] ([Åsf]) VALUES (5)"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(run("INSERT INTO [Qty] VALUES (6, 6)"), cedb::DB_E_ERRORSINCOMMAND);
    EXPECT_EQ(rows("[QTY@]"), (Lines{"1|2", "<null>|3"}));
}

} // namespace
