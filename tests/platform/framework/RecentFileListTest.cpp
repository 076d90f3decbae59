#include "platform/framework/Profile.h"
#include "platform/framework/RecentFileList.h"

#include "support/TempRoot.h"

#include <gtest/gtest.h>

using framework::RecentFileList;

namespace {
QStringList stored()
{
    QStringList files;
    for (int i = 1; i <= 4; ++i)
        files << framework::GetProfileString("Recent File List", QString("File%1").arg(i), "<missing>");
    return files;
}
} // namespace

TEST(RecentFileList, StartsEmptyWithFourPositions)
{
    TempRoot root;
    const RecentFileList list;
    EXPECT_EQ(list.size(), 4);
    EXPECT_TRUE(list.entries().isEmpty());
    EXPECT_EQ(list[3], "");
}

TEST(RecentFileList, AddingPutsThePathOnTopAndKeepsFour)
{
    TempRoot root;
    RecentFileList list;
    for (const char* path : {"\\a.cdb", "\\b.cdb", "\\c.cdb", "\\d.cdb", "\\e.cdb"})
        list.add(path);
    EXPECT_EQ(list.entries(), QStringList({"\\e.cdb", "\\d.cdb", "\\c.cdb", "\\b.cdb"}));

    list.add("\\c.cdb");
    EXPECT_EQ(list.entries(), QStringList({"\\c.cdb", "\\e.cdb", "\\d.cdb", "\\b.cdb"})) << "moved up, not doubled";
    list.add("\\C.cdb");
    EXPECT_EQ(list.entries(), QStringList({"\\C.cdb", "\\c.cdb", "\\e.cdb", "\\d.cdb"})) << "paths differ by case";

    list.add("");
    EXPECT_EQ(list.entries().size(), 4) << "an empty path is no file";
}

TEST(RecentFileList, RemovingMovesTheOthersUp)
{
    TempRoot root;
    RecentFileList list;
    for (const char* path : {"\\a.cdb", "\\b.cdb", "\\c.cdb"})
        list.add(path);
    list.remove(1);
    EXPECT_EQ(list.entries(), QStringList({"\\c.cdb", "\\a.cdb"}));
    list.remove(7);
    list.remove(-1);
    EXPECT_EQ(list.entries(), QStringList({"\\c.cdb", "\\a.cdb"}));
}

TEST(RecentFileList, EveryChangeIsInTheProfileAtOnce)
{
    TempRoot root;
    RecentFileList first;
    first.add("\\Documents\\Sales.cdb");
    first.add("\\Documents\\Stock.cdb");
    EXPECT_EQ(stored(), QStringList({"\\Documents\\Stock.cdb", "\\Documents\\Sales.cdb", "", ""}));

    RecentFileList second;
    EXPECT_EQ(second.entries(), first.entries());
    second.remove(0);
    EXPECT_EQ(RecentFileList().entries(), QStringList({"\\Documents\\Sales.cdb"}));
}
