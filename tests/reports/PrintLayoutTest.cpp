// The pieces of a page's layout on their own: where texts wrap and where they are cut, how columns too wide
// for a page are shared out over pages, and the order a print puts on a statement.
#include "PrintFixture.h"

#include "reports/PrintSource.h"
#include "reports/TableDocument.h"
#include "reports/TextStyle.h"

namespace {

class PrintLayoutTest : public PrintFixture {};

TEST_F(PrintLayoutTest, TextWrapsAtWordsAndLineBreaksAndBreaksAWordOnlyWhenItMust)
{
    const TextStyle style(9);
    const double width = style.width(QStringLiteral("alpha beta"));
    EXPECT_EQ(style.wrap(QStringLiteral("alpha beta gamma"), width), QStringList({"alpha beta", "gamma"}));
    EXPECT_EQ(style.wrap(QStringLiteral("one\r\ntwo\n\nthree"), width), QStringList({"one", "two", "", "three"}));
    const QStringList broken = style.wrap(QStringLiteral("abcdefghijklmnopqrstuvwxyz"), width);
    EXPECT_GT(broken.size(), 1);
    EXPECT_EQ(broken.join(QString()), QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    for (const QString& line : broken)
        EXPECT_LE(style.width(line), width);
    EXPECT_EQ(style.wrap(QString(), width), QStringList{QString()});
}

TEST_F(PrintLayoutTest, TextWithoutRoomEndsInTheCutMark)
{
    const TextStyle style(9);
    const double width = style.width(QStringLiteral("alpha beta"));
    const QStringList two = style.wrap(QStringLiteral("alpha beta gamma delta epsilon"), width, 2);
    ASSERT_EQ(two.size(), 2);
    EXPECT_TRUE(two[1].endsWith(kCutMark));
    EXPECT_LE(style.width(two[1]), width);
    EXPECT_EQ(style.wrap(QStringLiteral("alpha\nbeta\ngamma"), width, 2).last(), QStringLiteral("beta") + kCutMark)
        << "lines that follow count as cut too";
    EXPECT_EQ(style.elide(QStringLiteral("alpha"), width), QStringLiteral("alpha"));
    EXPECT_TRUE(style.elide(QStringLiteral("alpha beta gamma"), width).endsWith(kCutMark));
}

TEST_F(PrintLayoutTest, AWordKeptWholeMovesToItsOwnLineAndIsCutWithTheMarkRatherThanBroken)
{
    const TextStyle style(9);
    const double width = style.width(QStringLiteral("1235821.87"));
    EXPECT_EQ(style.wrap(QStringLiteral("Sum: 1235821.87"), width, 5, TextStyle::Words::KeepWhole),
              QStringList({"Sum:", "1235821.87"}));
    const QStringList cut = style.wrap(QStringLiteral("Sum: 123582199.87"), width, 5, TextStyle::Words::KeepWhole);
    ASSERT_EQ(cut.size(), 2);
    EXPECT_EQ(cut[0], QStringLiteral("Sum:"));
    EXPECT_TRUE(cut[1].endsWith(kCutMark)) << "no figure is ever shortened without the mark";
    EXPECT_TRUE(QStringLiteral("123582199.87").startsWith(cut[1].chopped(1)));
    EXPECT_LE(style.width(cut[1]), width);
    EXPECT_EQ(style.wrap(QStringLiteral("Count: 3\nSum: 60.5"), width, 5, TextStyle::Words::KeepWhole),
              QStringList({"Count: 3", "Sum: 60.5"}));
}

TEST_F(PrintLayoutTest, ColumnsTooWideForAPageContinueWithTheFirstOneLeadingEachPage)
{
    EXPECT_EQ(TableDocument::panelsOf({100, 100, 100}, 500), (QList<QList<int>>{{0, 1, 2}}));
    EXPECT_EQ(TableDocument::panelsOf({100, 200, 200, 200, 150}, 500),
              (QList<QList<int>>{{0, 1, 2}, {0, 3, 4}}));
    EXPECT_EQ(TableDocument::panelsOf({}, 500), (QList<QList<int>>{{}}));

    EXPECT_EQ(TableDocument::fittedWidths({100, 200}, 500), (QList<double>{100, 200}));
    EXPECT_EQ(TableDocument::fittedWidths({900}, 500), (QList<double>{500})) << "a lone column is the page wide";
    const QList<double> fitted = TableDocument::fittedWidths({400, 600, 100}, 300);
    EXPECT_EQ(fitted, (QList<double>{100, 200, 100})) << "the first column a third, the others what is left beside it";
    for (const QList<int>& panel : TableDocument::panelsOf(fitted, 300))
        EXPECT_EQ(panel.first(), 0);
}

TEST_F(PrintLayoutTest, TheOrderOfAPrintComesFirstAndAStatementsOwnOrderFollows)
{
    const QList<OrderKey> keys{{"City", false}, {"Born Date", true}};
    EXPECT_EQ(orderedStatement("SELECT * FROM T", keys), "SELECT * FROM T ORDER BY City ASC, 'Born Date' DESC");
    EXPECT_EQ(orderedStatement("SELECT * FROM T WHERE A = 1 ORDER BY Name DESC", keys),
              "SELECT * FROM T WHERE A = 1 ORDER BY City ASC, 'Born Date' DESC, Name DESC");
    EXPECT_EQ(orderedStatement("SELECT * FROM T WHERE A = ' ORDER BY x'", {{"B", false}}),
              "SELECT * FROM T WHERE A = ' ORDER BY x' ORDER BY B ASC")
        << "the words inside a quoted value are no order";
    EXPECT_EQ(orderedStatement("SELECT * FROM T ORDER BY X", {}), "SELECT * FROM T ORDER BY X");
}

} // namespace
