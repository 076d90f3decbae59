// Find and replace over a real recordset: the walk in each direction with its messages, the Match Case and
// Whole Word rules, and replaced values that reach the table.
#include "FakeFilterTarget.h"
#include "TableFixture.h"
#include "data/CDbTransaction.h"
#include "data/DataHistory.h"
#include "tables/FindReplace.h"

namespace {

using Direction = FindReplace::Direction;

TEST(TextSearchTest, WholeWordAndMatchCaseDecideWhatCounts)
{
    TextSearch search{"ann"};
    EXPECT_TRUE(search.matches("JoANNe"));
    search.matchCase = true;
    EXPECT_FALSE(search.matches("JoANNe"));
    search = {"Ann", false, true};
    for (const QString value : {"ann", "Ann Lee", "Lee Ann", "Mary ann lee"})
        EXPECT_TRUE(search.matches(value)) << value.toStdString();
    for (const QString value : {"Joanne", "Anne Lee", "Lee-Ann", ""})
        EXPECT_FALSE(search.matches(value)) << value.toStdString();
    EXPECT_FALSE(TextSearch{}.matches("anything")) << "an empty text finds nothing";
}

TEST(TextSearchTest, ReplacingChangesEveryCountedOccurrenceOnly)
{
    EXPECT_EQ((TextSearch{"an"}).replaced("Anna and Jan", "X"), "Xna Xd JX");
    EXPECT_EQ((TextSearch{"an", true}).replaced("Anna and Jan", "X"), "Anna Xd JX");
    EXPECT_EQ((TextSearch{"an", false, true}).replaced("an Anna an", "a"), "a Anna a");
    EXPECT_EQ((TextSearch{"a"}).replaced("banana", "aa"), "baanaanaa");
}

class FindReplaceTest : public TableFixture {
protected:
    FindReplaceTest()
    {
        EXPECT_TRUE(run("CREATE TABLE Notes (Title varchar(30), Qty int)"));
        for (const char* values : {"('red pen', 1)", "('Blue pen', 2)", "('pencil', 3)", "('ink', 4)", "('O''Hara''s pen', 5)",
                                   "(''' OR 1=1 --', 6)"})
            EXPECT_TRUE(run(QStringLiteral("INSERT INTO Notes VALUES ") + values));
        target.open();
    }
    FindReplace::Request request(const QString& text, Direction direction = Direction::All)
    {
        FindReplace::Request made;
        made.search.text = text;
        made.field = 0;
        made.direction = direction;
        return made;
    }
    // The records each Find Next selects until it fails.
    QList<int> hits(const FindReplace::Request& made, int limit = 10)
    {
        QList<int> found;
        while (found.size() < limit && find.findNext(made))
            found << target.record;
        return found;
    }

    FakeFilterTarget target{context, "Notes", {12, 4}};
    FindReplace find{target};
};

TEST_F(FindReplaceTest, DownAndUpStopAtTheEndAndAllStartsOverOnce)
{
    target.record = 1;
    EXPECT_EQ(hits(request("pen", Direction::Down)), QList<int>({1, 2, 4}));
    EXPECT_EQ(messages.texts(), QStringList({"Search Completed"}));

    messages.clear();
    EXPECT_EQ(hits(request("pen", Direction::Up)), QList<int>({4, 2, 1, 0}));
    EXPECT_EQ(messages.texts(), QStringList({"Search Completed"}));

    messages.clear();
    target.record = 3;
    EXPECT_EQ(hits(request("pen"), 5), QList<int>({4, 0, 1, 2, 4}));
    EXPECT_TRUE(messages.texts().isEmpty());

    target.record = 7; // a new row past the last record
    EXPECT_EQ(hits(request("ink", Direction::Up)), QList<int>({3}));
    target.record = 7;
    EXPECT_EQ(hits(request("ink", Direction::Down)), QList<int>());
}

TEST_F(FindReplaceTest, MissesAndMissingPartsHaveTheirMessages)
{
    EXPECT_FALSE(find.findNext(request("chalk")));
    FindReplace::Request noField = request("pen");
    noField.field = -1;
    EXPECT_FALSE(find.findNext(noField));
    EXPECT_EQ(find.replaceAll(request("chalk")), 0);
    FakeFilterTarget closed(context, "Missing", {4});
    closed.open();
    FindReplace lost(closed);
    EXPECT_FALSE(lost.findNext(request("pen")));
    EXPECT_EQ(messages.texts(),
              QStringList({"No Match is Found", "Select a Field ", "No Matches Found", "Failed to perform search"}));
}

TEST_F(FindReplaceTest, ReplaceWritesTheFoundValueAndMovesOn)
{
    FindReplace::Request made = request("PEN", Direction::Down);
    made.replacement = "marker";
    target.record = 0;
    ASSERT_TRUE(find.findNext(made));
    EXPECT_TRUE(find.replace(made));
    EXPECT_TRUE(find.replace(made));
    EXPECT_EQ(target.refreshed, QList<int>({0, 1}));
    EXPECT_EQ(target.record, 1);
    EXPECT_EQ(select("SELECT Title FROM Notes WHERE Qty < 4"),
              QList<QStringList>({{"red marker"}, {"Blue marker"}, {"pencil"}}));
}

TEST_F(FindReplaceTest, ReplaceAllChangesEachRecordOnceEvenWhenTheNewTextHoldsTheOld)
{
    FindReplace::Request made = request("pen");
    made.search.wholeWord = true;
    made.replacement = "pen pen";
    EXPECT_EQ(find.replaceAll(made), 3);
    EXPECT_EQ(messages.texts(), QStringList({"Search Completed\n3 values were replaced."}));
    EXPECT_EQ(target.column(0), QStringList({"red pen pen", "Blue pen pen", "pencil", "ink", "O'Hara's pen pen",
                                             "' OR 1=1 --"}));
    EXPECT_EQ(target.record, 4);
}

TEST_F(FindReplaceTest, QuotesAndSqlAreFoundAndReplacedAsPlainText)
{
    target.record = 0;
    FindReplace::Request made = request("' OR 1=1 --");
    made.search.wholeWord = true;
    EXPECT_EQ(hits(made, 3), QList<int>({5, 5, 5}));
    made = request("O'Hara's");
    made.replacement = "Ann's";
    EXPECT_EQ(find.replaceAll(made), 1);
    EXPECT_EQ(select("SELECT Title FROM Notes WHERE Qty = 5"), QList<QStringList>({{"Ann's pen"}}));
}

TEST_F(FindReplaceTest, AValueTheFieldRefusesIsReportedAndNotCounted)
{
    FindReplace::Request made = request("4");
    made.field = 1;
    made.replacement = "four";
    EXPECT_EQ(find.replaceAll(made), 0);
    EXPECT_TRUE(messages.texts().contains("Failed to set the value")) << messages.texts().join('|').toStdString();
    EXPECT_EQ(select("SELECT Qty FROM Notes WHERE Title = 'ink'"), QList<QStringList>({{"4"}}));
}

// Over many records Replace All reports its progress, says how many values it replaced, and is one
// transaction: stopped half way, it leaves every record as it was, the ones already replaced included.
TEST_F(FindReplaceTest, ReplaceAllOverManyRecordsCountsAndCanBeStoppedWithNothingChanged)
{
    ASSERT_TRUE(run("CREATE TABLE Parts (Name varchar(30))"));
    {
        CDbTransaction filling(context);
        for (int i = 0; i < 1500; ++i)
            ASSERT_TRUE(run(QStringLiteral("INSERT INTO Parts VALUES ('%1')").arg(i % 3 ? "bolt" : "Écrou n°7")));
        ASSERT_TRUE(filling.commit());
    }
    FakeFilterTarget parts(context, "Parts", {12});
    parts.open();
    FindReplace replacing(parts);
    FindReplace::Request made = request("Écrou");
    made.replacement = "nut";

    QList<double> shares;
    const auto stopHalfWay = [&](double share) {
        shares << share;
        return share < 0.5;
    };
    EXPECT_EQ(replacing.replaceAll(made, stopHalfWay), 0);
    EXPECT_EQ(messages.texts(), QStringList({"Replace All was cancelled: no value was changed."}));
    EXPECT_TRUE(select("SELECT Name FROM Parts WHERE Name LIKE 'nut*'").isEmpty());
    EXPECT_FALSE(parts.refreshed.isEmpty()) << "the rows replaced before the stop show the old values again";
    ASSERT_GE(shares.size(), 2);
    EXPECT_LT(shares.first(), shares.last());

    messages.clear();
    shares.clear();
    EXPECT_EQ(replacing.replaceAll(made, [&](double share) {
        shares << share;
        return true;
    }),
              500);
    EXPECT_EQ(shares.last(), 1.0) << "the end is told before the closing message";
    EXPECT_EQ(messages.texts(), QStringList({"Search Completed\n500 values were replaced."}));
    EXPECT_EQ(select("SELECT Name FROM Parts WHERE Name = 'nut n°7'").size(), 500);
}

TEST_F(FindReplaceTest, ReplaceAllIsOneStepThatUndoTakesBackWhole)
{
    FindReplace::Request made = request("pen");
    made.replacement = "nib";
    EXPECT_EQ(find.replaceAll(made), 4);
    DataHistory history(context);
    EXPECT_EQ(history.undoText(), "Undo Replace All in Notes (4 records)");
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(select("SELECT Title FROM Notes WHERE Title = 'red pen'").size(), 1);
    EXPECT_TRUE(select("SELECT Title FROM Notes WHERE Title LIKE '*nib*'").isEmpty());
}

} // namespace
