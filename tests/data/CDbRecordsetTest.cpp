// The data-access layer over the real engine: the edge cases callers rely on.
#include "data/CDbConnection.h"
#include "data/CDbRecordset.h"
#include <QStringList>

#include "support/MessageRecorder.h"
#include "support/TempRoot.h"

#include <gtest/gtest.h>

namespace {

class CDbRecordsetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CDbRecordset creator(connection);
        ASSERT_TRUE(creator.Open(QStringLiteral("Create Database '\\Data'"), 0, 1));
        ASSERT_TRUE(run("CREATE TABLE 'People' (FieldName varchar(10), Age int, Note text, Tall bit, Rate Float)"));
        ASSERT_TRUE(run("INSERT INTO People VALUES('Ann', 5, NULL, true, 1.5)"));
    }

    bool run(const QString& sql)
    {
        CDbRecordset recordset(connection, path);
        return recordset.Open(sql, 0, 1);
    }

    TempRoot root;
    CDbConnection connection;
    const QString path = QStringLiteral("\\Data.cdb");
};

TEST_F(CDbRecordsetTest, MissingFieldsByNameAndByIndex)
{
    CDbRecordset recordset(connection, path);
    ASSERT_TRUE(recordset.Open(QStringLiteral("People"), 0, 1));
    EXPECT_EQ(recordset.GetFieldCount(), 5);
    EXPECT_TRUE(recordset.GetFieldValue(QStringLiteral("nosuch")).isEmpty());
    const Variant pastEnd = recordset.GetFieldValue(9);
    EXPECT_EQ(pastEnd.vt(), VT_I4);
    EXPECT_EQ(recordset.GetFieldString(9), QStringLiteral("0"));
    EXPECT_EQ(recordset.GetFieldName(9), QString());
    EXPECT_EQ(recordset.GetFieldType(9), -1);
}

TEST_F(CDbRecordsetTest, NamesMatchIgnoringCaseAndValuesConvertToText)
{
    CDbRecordset recordset(connection, path);
    ASSERT_TRUE(recordset.Open(QStringLiteral("SELECT * FROM People"), 0, 1));
    QString name;
    EXPECT_TRUE(recordset.GetFieldString(QStringLiteral("fieldname"), name));
    EXPECT_EQ(name, QStringLiteral("Ann"));
    EXPECT_EQ(recordset.GetFieldString(1), QStringLiteral("5"));
    EXPECT_EQ(recordset.GetFieldString(2), QString()) << "Null reads as empty text";
    EXPECT_EQ(recordset.GetFieldString(3), QStringLiteral("-1"));
    EXPECT_EQ(recordset.GetFieldType(QStringLiteral("AGE")), 3);
    EXPECT_EQ(recordset.GetFieldType(QStringLiteral("FieldName")), 202);
}

TEST_F(CDbRecordsetTest, TypedSettersWriteOnlyMatchingFields)
{
    CDbRecordset recordset(connection, path);
    ASSERT_TRUE(recordset.Open(QStringLiteral("People"), 2, 3));
    EXPECT_FALSE(recordset.SetFieldLong(0, 7)) << "a text field takes no long";
    EXPECT_TRUE(recordset.SetFieldString(1, QStringLiteral("12")));
    EXPECT_TRUE(recordset.SetFieldBool(QStringLiteral("tall"), false));
    EXPECT_TRUE(recordset.SetFieldFloat(4, 0.25f));
    ASSERT_TRUE(recordset.Update());
    ASSERT_TRUE(recordset.AddNew());
    EXPECT_TRUE(recordset.SetFieldString(0, QStringLiteral("Bob")));
    EXPECT_TRUE(recordset.SetFieldString(1, QString()));
    ASSERT_TRUE(recordset.Update());

    CDbRecordset check(connection, path);
    ASSERT_TRUE(check.Open(QStringLiteral("SELECT FieldName, Age, Tall, Rate FROM People ORDER BY FieldName"), 0, 1));
    EXPECT_EQ(check.GetFieldString(0) + check.GetFieldString(1) + check.GetFieldString(2) + check.GetFieldString(3),
              QStringLiteral("Ann1200.25"));
    ASSERT_TRUE(check.MoveNext());
    EXPECT_EQ(check.GetFieldString(0) + check.GetFieldString(1), QStringLiteral("Bob0"));
}

// A setter's field is the one it names, whatever a type lookup looked at last, or whether any did.
TEST_F(CDbRecordsetTest, SettersOnAFreshRecordsetWriteTheFieldTheyName)
{
    CDbRecordset recordset(connection, path);
    ASSERT_TRUE(recordset.Open(QStringLiteral("People"), 2, 3));
    EXPECT_TRUE(recordset.SetFieldString(2, QStringLiteral("first")));
    EXPECT_EQ(recordset.GetFieldType(1), 3);
    EXPECT_TRUE(recordset.SetFieldString(0, QStringLiteral("Dee")));
    EXPECT_TRUE(recordset.SetFieldDouble(QStringLiteral("rate"), 2.5));
    ASSERT_TRUE(recordset.Update());

    CDbRecordset fresh(connection, path);
    ASSERT_TRUE(fresh.Open(QStringLiteral("People"), 2, 3));
    EXPECT_TRUE(fresh.SetFieldString(QStringLiteral("Note"), QStringLiteral("again")));
    ASSERT_TRUE(fresh.Update());

    CDbRecordset check(connection, path);
    ASSERT_TRUE(check.Open(QStringLiteral("SELECT FieldName, Age, Note, Rate FROM People"), 0, 1));
    EXPECT_EQ(QStringList({check.GetFieldString(0), check.GetFieldString(1), check.GetFieldString(2),
                           check.GetFieldString(3)}),
              QStringList({"Dee", "5", "again", "2.5"}));
}

TEST_F(CDbRecordsetTest, UpdateShowsTheEngineFailureName)
{
    MessageRecorder recorder;
    CDbRecordset recordset(connection, path);
    ASSERT_TRUE(recordset.Open(QStringLiteral("People"), 2, 3));
    ASSERT_TRUE(recordset.AddNew());
    EXPECT_TRUE(recordset.SetFieldString(0, QStringLiteral("far too long a name")));
    EXPECT_FALSE(recordset.Update());
    ASSERT_TRUE(recordset.AddNew());
    EXPECT_TRUE(recordset.SetFieldString(1, QStringLiteral("twelve")));
    EXPECT_FALSE(recordset.Update());
    EXPECT_EQ(recorder.texts(), (QStringList{"DB_E_BADVALUES ", "DB_E_BADVALUES "}));
    EXPECT_EQ(recorder.messages().front().caption, QStringLiteral("Varnel Desk 5.0"));
    ASSERT_TRUE(recordset.AddNew());
    ASSERT_TRUE(recordset.SetFieldString(0, QStringLiteral("Cy")));
    EXPECT_TRUE(recordset.Update());
    EXPECT_EQ(recorder.texts().size(), 2);
}

TEST_F(CDbRecordsetTest, FailedOpenEndsReadLoopsAndReopenClosesFirst)
{
    CDbRecordset recordset(connection, path);
    ASSERT_TRUE(recordset.Open(QStringLiteral("People"), 0, 1));
    EXPECT_FALSE(recordset.Open(QStringLiteral("SELECT * FROM Nowhere"), 0, 1));
    EXPECT_TRUE(recordset.IsEOF());
    EXPECT_TRUE(recordset.IsBOF());
    EXPECT_EQ(recordset.GetFieldCount(), 0);
    EXPECT_EQ(recordset.GetRecordCount(), 0);
    ASSERT_TRUE(recordset.Open(QStringLiteral("SELECT TableName FROM MSysTables"), 0, 1));
    EXPECT_EQ(recordset.GetFieldCount(), 1);
    EXPECT_EQ(recordset.GetRecordCount(), 4);
}

TEST_F(CDbRecordsetTest, StatementsWithoutRowsReportTheirResultOnly)
{
    EXPECT_TRUE(run("DELETE 'People' WHERE 'Age' <> '5'"));
    EXPECT_FALSE(run("Create table People (x int)"));
    CDbRecordset recordset(connection, path);
    EXPECT_TRUE(recordset.Open(QStringLiteral("DROP TABLE People"), 0, 1));
    EXPECT_EQ(recordset.GetFieldCount(), 0);
    EXPECT_TRUE(recordset.IsEOF());
}

} // namespace

// Only a statement that returns no records goes without fields: a query without records keeps its own, and a
// recordset used for a query and then for an INSERT keeps none of the query's.
TEST_F(CDbRecordsetTest, FieldsComeWithQueriesEvenEmptyOnesAndGoWithStatementsWithoutRecords)
{
    CDbRecordset recordset(connection, path);
    ASSERT_TRUE(recordset.Open(QStringLiteral("SELECT FieldName, Age FROM People WHERE Age > 100"), 0, 1));
    EXPECT_TRUE(recordset.IsEOF());
    EXPECT_EQ(recordset.GetFieldCount(), 2);
    EXPECT_EQ(recordset.GetFieldName(1), QStringLiteral("Age"));
    ASSERT_TRUE(recordset.Open(QStringLiteral("INSERT INTO People (FieldName, Age) VALUES('Bo', 7)"), 0, 1));
    EXPECT_EQ(recordset.GetFieldCount(), 0);
    EXPECT_EQ(recordset.GetFieldObject(0), nullptr);
    EXPECT_EQ(recordset.GetFieldName(0), QString());
    ASSERT_TRUE(recordset.Open(QStringLiteral("SELECT Age FROM People WHERE FieldName = 'Bo'"), 0, 1));
    EXPECT_EQ(recordset.GetFieldCount(), 1);
    EXPECT_EQ(recordset.GetFieldString(0), QStringLiteral("7"));
}
