#include "filebrowser/browser/BrowserRow.h"
#include "filebrowser/browser/FolderPaths.h"
#include "filebrowser/browser/Patterns.h"
#include "filebrowser/browser/RowSorting.h"
#include "filebrowser/browser/Wildcard.h"

#include <gtest/gtest.h>

#include <QLocale>

using namespace browser;

namespace {

FolderEntry file(const QString& name, qint64 size)
{
    FolderEntry entry;
    entry.name = name;
    entry.size = size;
    entry.modified = QDateTime(QDate(2026, 3, 4), QTime(10, 15));
    return entry;
}

FolderEntry folder(const QString& name)
{
    FolderEntry entry = file(name, 0);
    entry.isFolder = true;
    return entry;
}

QStringList namesOf(const QList<BrowserRow>& rows)
{
    QStringList names;
    for (const BrowserRow& row : rows)
        names << row.name();
    return names;
}

}  // namespace

TEST(BrowserRowTexts, SizeIsShownForEveryFileAsTheDesktopsDialogsShowIt)
{
    const QLocale locale;
    for (const qint64 bytes : {0, 212, 1023, 1024, 2047, 5 * 1024 * 1024}) {
        EXPECT_EQ(makeRow(file("a", bytes)).texts[Size], locale.formattedDataSize(bytes)) << bytes;
        EXPECT_FALSE(makeRow(file("a", bytes)).texts[Size].trimmed().isEmpty()) << bytes;
    }
    EXPECT_EQ(makeRow(folder("Docs")).texts[Size], " ") << "folders have no size";
}

TEST(BrowserRowTexts, SortKeysHoldBytesAndKind)
{
    const BrowserRow fileRow = makeRow(file("Sales.cdb", 20000));
    EXPECT_EQ(fileRow.texts[SizeK], "20000");
    EXPECT_EQ(fileRow.texts[Type], "F");
    EXPECT_FALSE(fileRow.isFolder());
    const BrowserRow folderRow = makeRow(folder("Docs"));
    EXPECT_EQ(folderRow.texts[Size], " ");
    EXPECT_EQ(folderRow.texts[SizeK], "0");
    EXPECT_EQ(folderRow.texts[Type], "D");
    EXPECT_TRUE(folderRow.isFolder());
}

TEST(BrowserRowTexts, FilesBeyondTwoGigabytesKeepTheirTrueSize)
{
    const qint64 big = 5'000'000'000;
    const BrowserRow row = makeRow(file("huge.cdb", big));
    EXPECT_EQ(row.texts[SizeK], "5000000000");
    EXPECT_EQ(row.texts[Size], QLocale().formattedDataSize(big));
    EXPECT_TRUE(row.texts[Size].startsWith("4.66 GiB") || row.texts[Size].startsWith("4,66")) << row.texts[Size].toStdString();
}

TEST(BrowserRowTexts, ModifiedJoinsDateAndTimeWithOneBlank)
{
    const QString text = makeRow(file("a", 1)).texts[Modified];
    const QLocale locale;
    EXPECT_EQ(text, locale.toString(QDate(2026, 3, 4), QLocale::ShortFormat) + " " +
                        locale.toString(QTime(10, 15), QLocale::ShortFormat));
}

TEST(BrowserWildcard, MatchesLikeTheDeviceFinder)
{
    EXPECT_TRUE(matchesWildcard("README", "*.*"));
    EXPECT_TRUE(matchesWildcard("Sales.CDB", "*.cdb"));
    EXPECT_FALSE(matchesWildcard("Sales.cdbx", "*.cdb"));
    EXPECT_FALSE(matchesWildcard("Sales.txt", "*.cdb"));
    EXPECT_TRUE(matchesWildcard("a.b.cdb", "*.cdb"));
    EXPECT_TRUE(matchesWildcard("abc", "a?c"));
    EXPECT_FALSE(matchesWildcard("abbc", "a?c"));
    EXPECT_TRUE(matchesWildcard("Sales.cdb", "S*s*.c*"));
    EXPECT_TRUE(matchesWildcard("Sales.cdb", "Sales.cdb"));
    EXPECT_FALSE(matchesWildcard("Sales", "Sales?"));
}

TEST(BrowserPatterns, FilterListSplitsAndTrimsInTheClientsOrder)
{
    EXPECT_EQ(filterEntries("*.cdb(Pocket Access Files)"), QStringList{"*.cdb(Pocket Access Files)"});
    EXPECT_EQ(filterEntries(" *.txt(Text) | *.cdb(Databases)|*.*"),
              (QStringList{"*.txt(Text)", "*.cdb(Databases)", "*.*"}));
}

TEST(BrowserPatterns, FilterBoxShowsTheDescriptionThenItsPatterns)
{
    EXPECT_EQ(filterLabel("*.txt;*.csv;*.tab;*.tsv(Text Files)"), "Text Files (*.txt *.csv *.tab *.tsv)");
    EXPECT_EQ(filterLabel("*.cdb(Varnel Desk Databases)"), "Varnel Desk Databases (*.cdb)");
    EXPECT_EQ(filterLabel("*.*(All Files)"), "All Files (*.*)");
    EXPECT_EQ(filterLabel("*.*"), "*.*") << "nothing to describe";
    EXPECT_EQ(filterLabel("*.txt()"), "*.txt()");
    EXPECT_EQ(filterLabel("(Text)"), "Text");
}

TEST(BrowserPatterns, ActivePatternIsEveryExtensionTheFilterNamesOrThePrevious)
{
    EXPECT_EQ(activePatternFrom("*.cdb(Pocket Access Files)", ""), "*.cdb");
    EXPECT_EQ(activePatternFrom("*.*(All Files)", "*.cdb"), "*.*");
    EXPECT_EQ(activePatternFrom("*.xnf(Varnel Form File)", ""), "*.xnf");
    EXPECT_EQ(activePatternFrom("*.wav(Sounds)", "*.txt"), "*.wav");
    EXPECT_EQ(activePatternFrom("*.txt;*.csv;*.tab;*.tsv(Text Files)", ""), "*.txt;*.csv;*.tab;*.tsv");
    EXPECT_EQ(activePatternFrom("*.csv;*.*(Anything)", ""), "*.*");
    EXPECT_EQ(activePatternFrom("Text Files", "*.txt"), "*.txt");
    EXPECT_EQ(activePatternFrom("", "*.cdb"), "*.cdb");
}

TEST(BrowserPatterns, ExtensionPatternsTakeNamesContainingOneOfTheirExtensions)
{
    EXPECT_TRUE(listsFile("Sales.cdb", "*.cdb"));
    EXPECT_TRUE(listsFile("Sales.cdb.old", "*.cdb"));
    EXPECT_FALSE(listsFile("Sales.CDB", "*.cdb"));
    EXPECT_FALSE(listsFile("notes.txt", "*.cdb"));
    EXPECT_TRUE(listsFile("notes.txt", "*.*"));
    EXPECT_TRUE(listsFile("prices.csv", "*.txt;*.csv"));
    EXPECT_FALSE(listsFile("readme.md", "*.txt;*.csv"));
    EXPECT_TRUE(listsFile("ring.wav", "*.wav"));
    // Anything that is not made of extension patterns takes every file.
    EXPECT_TRUE(listsFile("notes.txt", "Sales.cdb"));
    EXPECT_TRUE(listsFile("notes.txt", "S*.cdb"));
    EXPECT_TRUE(listsFile("notes.txt", "*.cdb;Sales"));
    EXPECT_TRUE(listsFile("notes.txt", ""));
}

TEST(BrowserRowSorting, BlocksSortSeparatelyAndFoldersStayOnTop)
{
    QList<BrowserRow> rows{makeRow(folder("b")), makeRow(folder("A")), makeRow(file("c", 1)), makeRow(file("Z", 1)),
                           makeRow(file("a", 1))};
    sortRows(rows, 2, Name, false);
    EXPECT_EQ(namesOf(rows), (QStringList{"A", "b", "a", "c", "Z"}));
    sortRows(rows, 2, Name, true);
    EXPECT_EQ(namesOf(rows), (QStringList{"b", "A", "Z", "c", "a"}));
}

TEST(BrowserRowSorting, SizeSortsOnlyFilesAndByNumber)
{
    QList<BrowserRow> rows{makeRow(folder("b")), makeRow(folder("a")), makeRow(file("ten", 10000)),
                           makeRow(file("nine", 900)), makeRow(file("two", 2000))};
    sortRows(rows, 2, Size, false);
    EXPECT_EQ(namesOf(rows), (QStringList{"b", "a", "nine", "two", "ten"}));
    sortRows(rows, 2, Size, true);
    EXPECT_EQ(namesOf(rows), (QStringList{"b", "a", "ten", "two", "nine"}));
}

TEST(BrowserFolderPaths, UpCutsAtTheLastSeparatorAndStopsAtTheRoot)
{
    EXPECT_EQ(folderAbove("\\Docs"), "\\");
    EXPECT_EQ(folderAbove("\\"), "\\");
    EXPECT_EQ(folderAbove("Docs"), "\\");
    EXPECT_EQ(folderAbove("\\Docs\\Archive"), "\\Docs");
}

TEST(BrowserFolderPaths, PathsAreWrittenFromTheRootWithSingleSeparators)
{
    EXPECT_EQ(canonicalPath("\\"), "\\");
    EXPECT_EQ(canonicalPath(""), "\\");
    EXPECT_EQ(canonicalPath("Docs\\\\Archive\\"), "\\Docs\\Archive");
    EXPECT_EQ(canonicalPath("/Docs//Archive"), "\\Docs\\Archive");
    EXPECT_EQ(withTrailingSeparator("\\Docs"), "\\Docs\\");
    EXPECT_EQ(withTrailingSeparator("\\"), "\\");
}
