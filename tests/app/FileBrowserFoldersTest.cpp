#include "app/FileBrowserClientFolders.h"
#include "platform/framework/Profile.h"

#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class FileBrowserFolders : public ::testing::Test {
protected:
    void makeFolder(const char* relative) { std::filesystem::create_directories(m_root / relative); }
    static BrowseRequest forPurpose(BrowsePurpose purpose, const QString& startFolder = QString())
    {
        return {.startFolder = startFolder, .purpose = purpose};
    }

    TempRoot m_root;
};

} // namespace

TEST_F(FileBrowserFolders, EachPurposeOpensWhereItLastChose)
{
    makeFolder("Documents/Stock");
    makeFolder("Imports");
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::Import)), "") << "nothing chosen yet: the root";

    rememberBrowseFolder(BrowsePurpose::Database, "\\Documents\\Stock\\Ventes d'été.cdb", false);
    rememberBrowseFolder(BrowsePurpose::Import, "\\Imports\\prices.csv", false);
    rememberBrowseFolder(BrowsePurpose::Folder, "\\Documents", true);
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::Database)), "\\Documents\\Stock");
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::Import)), "\\Imports");
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::Folder)), "\\Documents");
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::SoundFile)), "");

    rememberBrowseFolder(BrowsePurpose::FormFile, "\\Orders.xnf", false);
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::FormFile)), "\\") << "a file at the root was chosen from it";
}

TEST_F(FileBrowserFolders, TheRequestsFolderComesFirstAndFoldersThatAreGoneDoNotCount)
{
    makeFolder("Documents/Stock");
    makeFolder("Shared");
    rememberBrowseFolder(BrowsePurpose::Folder, "\\Documents\\Stock", true);
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::Folder, "\\Shared")), "\\Shared");
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::Folder, "\\Gone")), "\\Documents\\Stock");

    std::filesystem::remove_all(m_root / "Documents/Stock");
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::Folder, "\\Gone")), "");
}

TEST_F(FileBrowserFolders, ARequestsFallbackServesOnlyUntilAFolderIsPicked)
{
    makeFolder("Shop");
    makeFolder("Imports");
    BrowseRequest request = forPurpose(BrowsePurpose::Import);
    request.fallbackFolder = "\\Shop";
    EXPECT_EQ(browseStartFolder(request), "\\Shop");
    rememberBrowseFolder(BrowsePurpose::Import, "\\Imports\\prices.csv", false);
    EXPECT_EQ(browseStartFolder(request), "\\Imports");
    request.fallbackFolder = "\\Gone";
    std::filesystem::remove_all(m_root / "Imports");
    EXPECT_EQ(browseStartFolder(request), "") << "neither is there: the root";
}

TEST_F(FileBrowserFolders, DatabasesStartInTheDefaultDatabaseFolderUntilOneIsChosen)
{
    makeFolder("Databases");
    makeFolder("Elsewhere");
    framework::WriteProfileString("GENERAL_OPTIONS", "DefaultDatabase", "\\Databases");
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::Database)), "\\Databases");
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::Import)), "") << "only databases live there";
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::Export)), "\\Databases") << "and what is written out";
    rememberBrowseFolder(BrowsePurpose::Export, "\\Elsewhere\\Orders.pdf", false);
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::Export)), "\\Elsewhere");
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::Database)), "\\Databases") << "each purpose has its own";

    rememberBrowseFolder(BrowsePurpose::Database, "\\Elsewhere\\Sales.cdb", false);
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::Database)), "\\Elsewhere");

    std::filesystem::remove_all(m_root / "Elsewhere");
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::Database)), "\\Databases") << "the chosen folder is gone";
}

TEST_F(FileBrowserFolders, AMissingDefaultDatabaseFolderIsMadeOrGivesWayNeverToTheRoot)
{
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::Database)), "\\My Document");
    EXPECT_TRUE(std::filesystem::is_directory(m_root / "My Document")) << "the options' own folder is made";
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::Import)), "") << "only databases are looked for there";

    std::filesystem::remove_all(m_root / "My Document");
    framework::WriteProfileString("GENERAL_OPTIONS", "DefaultDatabase", "\\Gone\\Stock");
    const QString home = qEnvironmentVariable("HOME");
    qputenv("HOME", QByteArray::fromStdString(m_root.path().string()));
    makeFolder("Documents");
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::Database)), "\\Documents")
        << "a folder the user named that is gone is not made up: the documents folder stands in";
    std::filesystem::remove_all(m_root / "Documents");
    EXPECT_EQ(browseStartFolder(forPurpose(BrowsePurpose::Database)), "\\My Document");
    EXPECT_FALSE(std::filesystem::exists(m_root / "Gone"));
    qputenv("HOME", home.toLocal8Bit());
}

TEST_F(FileBrowserFolders, OnlyDevicePathsAreKept)
{
    makeFolder("Documents");
    rememberBrowseFolder(BrowsePurpose::Import, "\\Documents\\a.txt", false);
    rememberBrowseFolder(BrowsePurpose::Import, "", false);
    rememberBrowseFolder(BrowsePurpose::Import, "/etc/passwd", false);
    rememberBrowseFolder(BrowsePurpose::Import, "\\..\\..\\etc\\passwd", false);
    EXPECT_EQ(framework::GetProfileString("LAST_FOLDERS", "Import"), "\\Documents");
}

TEST_F(FileBrowserFolders, AnExportIsOfferedWhereTheLastWentElseBesideTheDatabase)
{
    makeFolder("Databases");
    makeFolder("Shop Files");
    makeFolder("Out");
    framework::WriteProfileString("GENERAL_OPTIONS", "DefaultDatabase", "\\Databases");
    EXPECT_EQ(exportStartFolder("\\Shop Files\\Müller's.cdb"), "\\Shop Files");
    EXPECT_EQ(exportStartFolder("\\Top.cdb"), "\\") << "a database at the root";
    EXPECT_EQ(exportStartFolder("\\Gone\\Shop.cdb"), "\\Databases");
    EXPECT_EQ(exportStartFolder("postgresql://ann@localhost/shop"), "\\Databases") << "a server's database has no folder";
    EXPECT_EQ(exportStartFolder(""), "\\Databases");

    rememberBrowseFolder(BrowsePurpose::Export, "\\Out\\Products.txt", false);
    EXPECT_EQ(exportStartFolder("\\Shop Files\\Shop.cdb"), "\\Out");
    std::filesystem::remove_all(m_root / "Out");
    EXPECT_EQ(exportStartFolder("\\Shop Files\\Shop.cdb"), "\\Shop Files");
}
