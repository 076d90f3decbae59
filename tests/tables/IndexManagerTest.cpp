// The index manager over the real engine: what it lists, the statements it runs, what it refuses, and a
// reorder that fails part way leaving every index as it was.
#include "TableFixture.h"
#include "tables/FieldCatalogue.h"
#include "data/SqlText.h"
#include "tables/IndexManager.h"

using namespace fieldtypes;
using framework::Answer;

namespace {

FieldDefinition field(const QString& name, const QString& type) { return {name, type, propertyTemplate(type)}; }

class IndexManagerTest : public TableFixture {
protected:
    IndexManagerTest()
    {
        EXPECT_TRUE(FieldCatalogue(context, "T").CreateTableFromFields(
            {field("Name", kText), field("Age", kInteger), field("City", kText), field("Code", kInteger),
             field("Born", kDateTime)},
            {}));
        messages.clear();
    }
    // The engine's indexes of T in its order, as "name:field id:flags".
    QStringList engineIndexes()
    {
        QStringList indexes;
        for (const QStringList& row : select("SELECT IndexName, FieldID, Flags FROM MSysIndexes WHERE TableID = " +
                                             tableIdOf(context, "T")))
            indexes << row.join(':');
        return indexes;
    }
    QStringList names()
    {
        QStringList names;
        for (const IndexRow& row : manager.rows())
            names << row.name;
        return names;
    }
    void makeThree()
    {
        ASSERT_TRUE(run("CREATE INDEX a ON T (Name ) "));
        ASSERT_TRUE(run("CREATE INDEX b ON T (Age DESC ) "));
        ASSERT_TRUE(run("CREATE INDEX c ON T (City CASESENSITIVE UNKNOWNFIRST ) "));
        ASSERT_TRUE(manager.load());
        messages.clear();
    }

    IndexManager manager{context, "T"};
};

} // namespace

TEST_F(IndexManagerTest, ListsTheEnginesIndexesWithTheirOptions)
{
    makeThree();
    EXPECT_EQ(IndexManager::columnTitles(), QStringList({"Index Name", "Field Name", "Null First", "Case Sensitive",
                                                         "Sort Descending", "Flags"}));
    ASSERT_EQ(manager.rows().size(), 3);
    // Flags 2: ascending, unknown values last, case-insensitive.
    EXPECT_EQ(manager.rows()[0].columns(), QStringList({"a", "Name", "FALSE", "FALSE", "FALSE", "2"}));
    EXPECT_EQ(manager.rows()[1].columns(), QStringList({"b", "Age", "FALSE", "FALSE", "TRUE", "3"}));
    EXPECT_EQ(manager.rows()[2].columns(), QStringList({"c", "City", "TRUE", "TRUE", "FALSE", "4"}));
    EXPECT_EQ(manager.fields(), QStringList({"Name", "Age", "City", "Code", "Born"}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(IndexManagerTest, AddRefusesWhatCannotBeAnIndex)
{
    makeThree();
    EXPECT_FALSE(manager.add("  ", "Code"));
    EXPECT_FALSE(manager.add("d", "age"));
    EXPECT_FALSE(manager.add("B", "Code"));
    EXPECT_TRUE(manager.add("d", "Code"));
    EXPECT_FALSE(manager.add("e", "Born"));
    EXPECT_EQ(messages.texts(), QStringList({"Please specify an index name", "An index is already defined on this field",
                                             "An index with this name is already defined",
                                             "Please save the added index before adding another one"}));
    EXPECT_EQ(manager.rows().last().columns(), QStringList({"d", "Code", "", "", "", ""}));
    EXPECT_TRUE(manager.hasUnsavedChanges());
}

TEST_F(IndexManagerTest, SavingCreatesTheIndexWithTheTickedOptions)
{
    IndexRow ix1{"ix1", "Name", {false, true, true}, true};
    EXPECT_EQ(IndexManager::createStatement("T", ix1), "CREATE INDEX ix1 ON T (Name DESC CASESENSITIVE ) ");
    // Names the engine would not read as one plain name are quoted, whatever they hold.
    EXPECT_EQ(IndexManager::createStatement("My T", {"it's", "Name", {true, false, false}, true}),
              "CREATE INDEX 'it''s' ON 'My T' (Name UNKNOWNFIRST ) ");

    ASSERT_TRUE(manager.load());
    ASSERT_TRUE(manager.add("ix1", "Name"));
    ASSERT_TRUE(manager.save({false, true, true}));
    EXPECT_EQ(messages.texts(), QStringList{"Index created sucessfully"});
    EXPECT_EQ(engineIndexes(), QStringList{"ix1:1:7"});
    EXPECT_EQ(manager.rows()[0].columns(), QStringList({"ix1", "Name", "FALSE", "TRUE", "TRUE", "7"}));
    EXPECT_FALSE(manager.hasUnsavedChanges());
}

TEST_F(IndexManagerTest, AFifthIndexIsRefusedBeforeAnyStatement)
{
    makeThree();
    ASSERT_TRUE(run("CREATE INDEX d ON T (Code ) "));
    ASSERT_TRUE(manager.load());
    ASSERT_TRUE(manager.add("e", "Born"));
    EXPECT_FALSE(manager.save({}));
    EXPECT_EQ(messages.texts(), QStringList{"Reached the maximum number of indices allowed on a table"});
    EXPECT_EQ(names(), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(engineIndexes().size(), 4);
}

TEST_F(IndexManagerTest, MovingTheSecondOfThreeUpRecreatesThemInTheNewOrder)
{
    makeThree();
    EXPECT_FALSE(manager.moveUp(0));
    ASSERT_TRUE(manager.moveUp(1));
    EXPECT_EQ(names(), QStringList({"b", "a", "c"}));
    ASSERT_TRUE(manager.moveDown(0));
    ASSERT_TRUE(manager.moveUp(1));
    EXPECT_EQ(messages.texts(),
              QStringList{"Moving an index would cause deletion and recreation of all the indices "});
    QStringList progress;
    ASSERT_TRUE(manager.save({}, [&](const QString& step) { progress << step; }));
    EXPECT_EQ(progress, QStringList({"Deleted b", "Deleted a", "Deleted c", "Created index b", "Created index a",
                                     "Created index c"}));
    EXPECT_EQ(engineIndexes(), QStringList({"b:2:3", "a:1:2", "c:3:4"}));
    EXPECT_EQ(messages.texts().last(), "Order of indices changed sucessfully");
    EXPECT_FALSE(manager.hasUnsavedChanges());
}

TEST_F(IndexManagerTest, AReorderThatFailsPartWayKeepsEveryIndex)
{
    makeThree();
    ASSERT_TRUE(manager.moveDown(0));
    // Behind the manager's back the third index goes, so its drop fails after two others were dropped.
    ASSERT_TRUE(run("DROP INDEX T.c"));
    EXPECT_FALSE(manager.save({}));
    EXPECT_EQ(messages.texts().last(), "Error occured while creating/deleting some indices");
    EXPECT_EQ(engineIndexes(), QStringList({"a:1:2", "b:2:3"}));
    EXPECT_EQ(names(), QStringList({"a", "b"}));
}

TEST_F(IndexManagerTest, MovesWaitForTheNewIndexToBeSaved)
{
    makeThree();
    ASSERT_TRUE(manager.add("d", "Code"));
    EXPECT_FALSE(manager.moveUp(1));
    EXPECT_FALSE(manager.moveDown(1));
    EXPECT_EQ(messages.texts(), QStringList({"Please save the newly added index before changing order",
                                             "Please save the new index before moving"}));
    EXPECT_EQ(names(), QStringList({"a", "b", "c", "d"}));
}

TEST_F(IndexManagerTest, DeleteAsksAndDropsTheIndex)
{
    makeThree();
    messages.answer(Answer::No);
    EXPECT_FALSE(manager.remove(1));
    EXPECT_EQ(engineIndexes().size(), 3);
    EXPECT_TRUE(manager.remove(1));
    EXPECT_EQ(names(), QStringList({"a", "c"}));
    EXPECT_EQ(engineIndexes(), QStringList({"a:1:2", "c:3:4"}));
    EXPECT_EQ(messages.texts(), QStringList({"Are you sure you want to drop this index?",
                                             "Are you sure you want to drop this index?"}));

    ASSERT_TRUE(run("DROP INDEX T.c"));
    messages.clear();
    EXPECT_FALSE(manager.remove(1));
    EXPECT_EQ(messages.texts().last(), "Index could not be deleted");
    EXPECT_EQ(names(), QStringList{"a"});
}

TEST_F(IndexManagerTest, ClosingOffersToSaveChanges)
{
    makeThree();
    ASSERT_TRUE(manager.add("d", "Code"));
    messages.answer(Answer::No);
    manager.close({});
    EXPECT_EQ(engineIndexes().size(), 3);
    manager.close({true, false, false});
    EXPECT_EQ(engineIndexes().last(), "d:4:0");
    EXPECT_EQ(messages.texts(), QStringList({"You have made modifications to indices. Do you want to save ?",
                                             "You have made modifications to indices. Do you want to save ?",
                                             "Index created sucessfully"}));
}

TEST_F(IndexManagerTest, WithoutAnOpenDatabaseNothingRuns)
{
    context.openDatabase.reset();
    EXPECT_FALSE(manager.load());
    EXPECT_EQ(messages.texts(), QStringList{"DB pointer is null, Something is really wrong"});
}
