// A database file marked read-only: the datasheet and the form refuse an edit before it begins, and what
// the file held stays as it was.
#include "FormFixture.h"

#include "data/ReadOnlyDatabase.h"
#include "platform/cedb/Engine.h"

#include <QFile>

#include <sys/stat.h>

namespace {

// The file is writable again after each test, for its folder to be removed.
class MarkedFileFixture : public FormFixture {
protected:
    void TearDown() override { ::chmod(host().c_str(), 0644); }
    std::string host() const { return (root / "Test.cdb").string(); }
};

class ReadOnlyFileTest : public MarkedFileFixture {
protected:
    void SetUp() override
    {
        createTable("People", {field("Name", fieldtypes::kText), field("Age", fieldtypes::kInteger)});
        ASSERT_TRUE(run("INSERT INTO People VALUES ('Zoë O''Neil', 41)"));
        ASSERT_TRUE(CloseDatabase(context));
        ASSERT_EQ(::chmod(host().c_str(), 0444), 0);
        ASSERT_TRUE(OpenDatabase(context, tables, "\\Test.cdb"));
        messages.clear();
    }
};

} // namespace

TEST_F(ReadOnlyFileTest, TheDatasheetOffersNoEdit)
{
    ASSERT_TRUE(isReadOnlyDatabase(context.databasePath()));
    ASSERT_TRUE(open("People"));
    EXPECT_FALSE(sheet.editorFor(1).editable);
    sheet.addRecord();
    sheet.deleteRecord();
    EXPECT_EQ(messages.texts(), QStringList({readOnlyDatabaseText(), readOnlyDatabaseText()}));
    const QList<QStringList> kept{{"Zoë O'Neil", "41"}};
    EXPECT_EQ(select("SELECT Name, Age FROM People"), kept);
}

TEST_F(ReadOnlyFileTest, TheFormShowsTheRecordsWithItsBoxesLocked)
{
    ASSERT_TRUE(form.openAutoForm("People"));
    EXPECT_TRUE(form.isReadOnly());
    EXPECT_EQ(text("Name"), "Zoë O'Neil");
    EXPECT_FALSE(form.controls()[index("Name")].enabled);
    EXPECT_FALSE(type("Name", "Bo"));
    form.newRecord();
    EXPECT_FALSE(form.isAdding());
    EXPECT_EQ(column("SELECT Name FROM People"), QStringList{"Zoë O'Neil"});
}

TEST_F(ReadOnlyFileTest, AWritableFileIsNotReadOnly)
{
    ::chmod(host().c_str(), 0644);
    EXPECT_FALSE(isReadOnlyDatabase(context.databasePath()));
    EXPECT_FALSE(isReadOnlyDatabase("\\Missing.cdb"));
}

namespace {

// The file is marked read-only while the program has it open for writing.
class MarkedWhileOpenTest : public MarkedFileFixture {
protected:
    void SetUp() override
    {
        createTable("People", {field("Name", fieldtypes::kText), field("Age", fieldtypes::kInteger)});
        ASSERT_TRUE(run("INSERT INTO People VALUES ('Ann', 41)"));
    }
    void markReadOnly()
    {
        ASSERT_EQ(::chmod(host().c_str(), 0444), 0);
        messages.clear();
    }
};

} // namespace

// The edit is refused at once for the mark, not after waiting on the file as if another program held it.
TEST_F(MarkedWhileOpenTest, AnEditIsRefusedAsReadOnly)
{
    const QStringList readOnly{fileFailureText(cedb::DB_SEC_E_PERMISSIONDENIED)};
    ASSERT_TRUE(form.openAutoForm("People"));
    ASSERT_TRUE(open("People"));
    markReadOnly();
    ASSERT_TRUE(type("Name", "Bo"));
    EXPECT_FALSE(form.saveCurrentRecord());
    EXPECT_EQ(messages.texts(), readOnly);
    messages.clear();
    EXPECT_FALSE(edit(1, 1, "50"));
    EXPECT_EQ(messages.texts(), readOnly);
    EXPECT_EQ(select("SELECT Name, Age FROM People"), QList<QStringList>({{"Ann", "41"}}));
}
