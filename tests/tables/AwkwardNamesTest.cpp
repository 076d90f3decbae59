// Table and field names with a "-", a quote or a blank, through every command that puts them into SQL:
// the designer, the datasheet, filter, sort, find, relations and their cascades.
#include "DatasheetFixture.h"
#include "FakeDesignerHost.h"
#include "data/SqlText.h"
#include "tables/DatasheetFilter.h"
#include "tables/FindReplace.h"
#include "tables/Relations.h"
#include "tables/RelationEditor.h"
#include "tables/TableDesigner.h"

using namespace fieldtypes;
using framework::Answer;

namespace {

class AwkwardNamesTest : public DatasheetFixture, public ::testing::WithParamInterface<const char*> {
protected:
    QString name() const { return GetParam(); }
    // A second table whose field has the same awkward name.
    QString related() const { return name() + " list"; }
    QStringList values(const QString& table, const QString& field)
    {
        return column("SELECT " + sqlName(field) + " FROM " + sqlQuoted(table));
    }
    QStringList engineFields(const QString& table)
    {
        return column("SELECT FieldName FROM MSysFields WHERE TableID = " + tableIdOf(context, table) +
                      " ORDER BY FieldID");
    }
    void fillTables()
    {
        createTable(name(), {field(name(), kText), field("Qty", kInteger)});
        createTable(related(), {field(name(), kText)});
        for (const char* value : {"pen", "ink", "pencil"}) {
            ASSERT_TRUE(run("INSERT INTO " + sqlName(name()) + " (" + sqlName(name()) + ", Qty) VALUES ('" + value +
                            "', 1)"));
            ASSERT_TRUE(run("INSERT INTO " + sqlName(related()) + " VALUES ('" + value + "')"));
        }
    }
};

TEST_P(AwkwardNamesTest, DesignerCreatesRenamesAddsRetypesAndDeletes)
{
    FakeDesignerHost host;
    TableDesigner designer(context, host, {});
    designer.open();
    designer.setTableName(name());
    ASSERT_TRUE(designer.editName(0, name()));
    ASSERT_TRUE(designer.editName(1, "Qty"));
    ASSERT_TRUE(designer.editType(1, kInteger));
    ASSERT_TRUE(designer.save());
    ASSERT_TRUE(run("INSERT INTO " + sqlName(name()) + " VALUES ('pen', 5)"));

    TableDesigner reopened(context, host, {});
    reopened.open();
    ASSERT_TRUE(reopened.editName(0, name() + " 2"));
    ASSERT_TRUE(reopened.editType(1, kText));
    ASSERT_TRUE(reopened.editName(2, name()));
    messages.answer(Answer::Yes);
    ASSERT_TRUE(reopened.save());
    EXPECT_EQ(engineFields(name()), QStringList({name() + " 2", "Qty", name()}));
    EXPECT_EQ(values(name(), "Qty"), QStringList({"5"}));

    reopened.selectRow(0);
    messages.answer(Answer::Ok);
    reopened.deleteField();
    ASSERT_TRUE(reopened.save());
    EXPECT_EQ(engineFields(name()), QStringList({"Qty", name()}));
    EXPECT_EQ(catalogueColumn(tableIdOf(context, name()), "FieldName"), QStringList({"Qty", name()}));
}

TEST_P(AwkwardNamesTest, DatasheetFilterSortAndFind)
{
    fillTables();
    ASSERT_TRUE(open(name()));
    EXPECT_EQ(sheet.recordCount(), 3);
    EXPECT_TRUE(edit(2, 0, "ink pot"));
    EXPECT_EQ(values(name(), name()), QStringList({"pen", "ink pot", "pencil"}));

    DatasheetFilter filter(sheet);
    grid.setCurrentCell(1, 1);
    filter.filterIncluding();
    EXPECT_EQ(sheet.recordCount(), 2) << filter.filterText().toStdString();
    filter.sortOnField(0, false);
    EXPECT_EQ(sheet.recordCount(), 2);
    EXPECT_EQ(grid.text(1, 1), "pencil");
    filter.removeFilter();
    EXPECT_EQ(sheet.recordCount(), 3);

    FindReplace find(sheet);
    FindReplace::Request request;
    request.search.text = "pot";
    request.field = 0;
    EXPECT_TRUE(find.findNext(request));
    EXPECT_EQ(sheet.currentRecord(), 2) << "the sort stays when the filter goes: pencil, pen, ink pot";
}

TEST_P(AwkwardNamesTest, RelationsAndTheirCascades)
{
    fillTables();
    RelationEditor editor(context);
    EXPECT_EQ(editor.fieldsOf(related()), QStringList({name()}));
    RelationChoice& choice = editor.choice();
    choice = {name(), related(), name(), name(), true, true, true, relationtypes::kNoKeys};
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(RelatedTablesOf(context, name()), QStringList({related()}));

    ASSERT_TRUE(open(name()));
    messages.answer(Answer::Yes);
    EXPECT_TRUE(edit(1, 0, "quill"));
    EXPECT_EQ(values(related(), name()), QStringList({"quill", "ink", "pencil"}));
    grid.setCurrentCell(2, 1);
    messages.answer(Answer::Yes);
    sheet.deleteRecord();
    EXPECT_EQ(values(name(), name()), QStringList({"quill", "pencil"}));
    EXPECT_EQ(values(related(), name()), QStringList({"quill", "pencil"}));
}

INSTANTIATE_TEST_SUITE_P(Names, AwkwardNamesTest, ::testing::Values("a-b", "O'Brien", "first name"));

} // namespace
