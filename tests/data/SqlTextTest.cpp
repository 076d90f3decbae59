// Values and names placed into the engine's SQL: what stands bare, what is quoted, and that every
// awkward name the user may type survives a round trip through the engine in each place a name stands.
#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/SqlText.h"

#include "support/TempRoot.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

TEST(SqlTextTest, ValuesAreQuotedAndNamesOnlyWhenTheEngineNeedsIt)
{
    EXPECT_EQ(sqlQuoted("O'Brien"), "'O''Brien'");
    EXPECT_EQ(sqlQuoted(""), "''");
    for (const char* plain : {"City", "_x", "Qty2", "$Total", "#No", "Größe"})
        EXPECT_EQ(sqlName(plain), plain) << plain;
    for (const char* quoted : {"a-b", "Home Town", "2nd", "Order", "not", "Null", "a.b", ""})
        EXPECT_EQ(sqlName(quoted), sqlQuoted(quoted)) << quoted;
    EXPECT_EQ(sqlName("O'Brien"), "'O''Brien'");
}

class SqlTextEngineTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        CDbRecordset creator(context.connection);
        ASSERT_TRUE(creator.Open(QStringLiteral("Create Database '\\Names'"), 0, 1));
        context.openDatabase = std::make_shared<COpenDatabase>(QStringLiteral("\\Names.cdb"));
    }
    bool run(const QString& sql)
    {
        CDbRecordset statement(context.connection, context.databasePath());
        return statement.Open(sql, 0, 1);
    }
    QStringList column(const QString& sql)
    {
        QStringList values;
        CDbRecordset records(context.connection, context.databasePath());
        if (records.Open(sql, 0, 1))
            for (; !records.IsEOF(); records.MoveNext())
                values << records.GetFieldString(0);
        return values;
    }

    TempRoot root;
    CAppContext context;
};

TEST_P(SqlTextEngineTest, AwkwardNamesWorkWhereverANameStands)
{
    const QString name = GetParam();
    const QString table = sqlName(name);
    const QString field = sqlName(name);
    ASSERT_TRUE(run("CREATE TABLE " + table + " (" + field + " varchar(20), Qty int)"));
    EXPECT_FALSE(tableIdOf(context, name).isEmpty());
    EXPECT_TRUE(tableIdOf(context, name + "x").isEmpty());
    ASSERT_TRUE(run("INSERT INTO " + table + " (" + field + ", Qty) VALUES (" + sqlQuoted(name) + ", 2)"));
    ASSERT_TRUE(run("INSERT INTO " + table + " (" + field + ", Qty) VALUES ('0', 1)"));
    EXPECT_EQ(column("SELECT " + field + " FROM " + table + " WHERE " + field + " = " + sqlQuoted(name)),
              QStringList({name}));
    EXPECT_EQ(column("SELECT " + field + " FROM " + table + " ORDER BY " + field + " DESC"),
              QStringList({name, "0"}));
    EXPECT_EQ(column("SELECT * FROM " + sqlQuoted(name) + " WHERE Qty = 1"), QStringList({"0"}));
    ASSERT_TRUE(run("ALTER TABLE " + table + " RENAME " + field + " TO " + sqlName(name + " 2")));
    ASSERT_TRUE(run("ALTER TABLE " + table + " ADD " + field + " int"));
    ASSERT_TRUE(run("ALTER TABLE " + table + " DROP " + field));
    ASSERT_TRUE(run("DELETE FROM " + table + " WHERE " + sqlName(name + " 2") + " = '0'"));
    EXPECT_EQ(column("SELECT Qty FROM " + table), QStringList({"2"}));
    ASSERT_TRUE(run("DROP TABLE " + table));
}

INSTANTIATE_TEST_SUITE_P(Names, SqlTextEngineTest, ::testing::Values("a-b", "O'Brien", "first name", "Order", "Plain"));

} // namespace
