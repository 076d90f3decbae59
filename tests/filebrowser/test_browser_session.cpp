#include "BrowserFixture.h"

#include "filebrowser/browser/BrowserSession.h"

using browser::BrowserSession;
using browser::Name;
using browser::Size;
using browser::ViewStyle;

using BrowserSessionTest = BrowserFixture;

TEST_F(BrowserSessionTest, StartListsFoldersThenFilesEachDescendingByName)
{
    makeDocs();
    const BrowserSession session(request("\\Docs"));
    EXPECT_EQ(names(session),
              (QStringList{"beta", "Archive", "Zoo.CDB", "Sales.cdb", "picture.bmp", "notes.txt", "addresses.cdb"}));
    EXPECT_EQ(session.folderCount(), 2);
    EXPECT_EQ(session.pathText(), "\\Docs");
    EXPECT_EQ(session.pathEntries(), QStringList{"\\Docs"});
    EXPECT_EQ(session.filterEntries(), QStringList{"*.*"});
    EXPECT_EQ(session.selectedFilter(), 0);
    EXPECT_EQ(session.activePattern(), "*.*");
}

TEST_F(BrowserSessionTest, DatabaseFilterListsOnlyNamesContainingItsExtension)
{
    makeDocs();
    makeFile("Docs/old.cdb.bak", 10);
    const BrowserSession session(request("\\Docs", "*.cdb(Pocket Access Files)"));
    EXPECT_EQ(session.filterEntries(), QStringList{"*.cdb(Pocket Access Files)"});
    EXPECT_EQ(names(session), (QStringList{"beta", "Archive", "Sales.cdb", "old.cdb.bak", "addresses.cdb"}));
}

TEST_F(BrowserSessionTest, TwoNameClicksSortBothWaysWithFoldersOnTop)
{
    makeDocs();
    BrowserSession session(request("\\Docs"));
    session.clickHeader(Name);
    EXPECT_FALSE(session.descending());
    EXPECT_EQ(names(session),
              (QStringList{"Archive", "beta", "addresses.cdb", "notes.txt", "picture.bmp", "Sales.cdb", "Zoo.CDB"}));
    session.clickHeader(Name);
    EXPECT_TRUE(session.descending());
    EXPECT_EQ(names(session),
              (QStringList{"beta", "Archive", "Zoo.CDB", "Sales.cdb", "picture.bmp", "notes.txt", "addresses.cdb"}));
}

TEST_F(BrowserSessionTest, SizeClickOrdersFilesByBytes)
{
    makeDocs();
    BrowserSession session(request("\\Docs"));
    session.clickHeader(Size);
    EXPECT_EQ(names(session),
              (QStringList{"beta", "Archive", "addresses.cdb", "picture.bmp", "Zoo.CDB", "notes.txt", "Sales.cdb"}));
}

TEST_F(BrowserSessionTest, MaxFilesizeLimitsOnlyTheWildcardListingOfOk)
{
    makeDocs();
    BrowserRequest limited = request("\\Docs", "*.cdb(Pocket Access Files)");
    limited.maxFilesize = 10000;
    BrowserSession session(limited);
    EXPECT_TRUE(names(session).contains("Sales.cdb"));
    session.editFileName("*.cdb");
    session.ok();
    EXPECT_EQ(names(session), (QStringList{"Archive", "beta", "addresses.cdb", "Zoo.CDB"}));

    BrowserSession unlimited(request("\\Docs", "*.cdb(Pocket Access Files)"));
    unlimited.editFileName("*.cdb");
    unlimited.ok();
    EXPECT_TRUE(names(unlimited).contains("Sales.cdb"));
    EXPECT_FALSE(unlimited.ended());
}

TEST_F(BrowserSessionTest, TypedWildcardAndOkListsFoldersThenMatchingFiles)
{
    makeDocs();
    BrowserSession session(request("\\Docs"));
    session.editFileName("*.cdb");
    session.ok();
    EXPECT_EQ(names(session), (QStringList{"Archive", "beta", "addresses.cdb", "Sales.cdb", "Zoo.CDB"}));
    EXPECT_EQ(session.folderCount(), 2);
    EXPECT_EQ(session.pathText(), "\\Docs");
}

TEST_F(BrowserSessionTest, UpGoesToTheParentAndStaysAtTheRoot)
{
    makeDocs();
    BrowserSession session(request("\\Docs\\Archive"));
    session.up();
    EXPECT_EQ(session.pathText(), "\\Docs");
    session.up();
    EXPECT_EQ(session.pathText(), "\\");
    EXPECT_EQ(names(session), QStringList{"Docs"});
    session.up();
    EXPECT_EQ(session.pathText(), "\\");
    EXPECT_EQ(session.pathEntries(), (QStringList{"\\", "\\Docs", "\\Docs\\Archive"}));
}

TEST_F(BrowserSessionTest, PathBoxKeepsOneEntryPerFolderWhateverItsCase)
{
    makeDocs();
    BrowserSession session(request("\\Docs"));
    session.listFolder("\\DOCS\\");
    EXPECT_EQ(session.pathEntries(), QStringList{"\\Docs"});
    EXPECT_EQ(session.selectedPathEntry(), 0);
}

TEST_F(BrowserSessionTest, SingleTapNamesFilesOnly)
{
    makeDocs();
    BrowserSession session(request("\\Docs"));
    session.tapRow(0);  // the folder "beta"
    EXPECT_EQ(session.fileNameText(), "");
    session.tapRow(3);
    EXPECT_EQ(session.fileNameText(), "Sales.cdb");
    EXPECT_EQ(session.selectedRow(), 3);
}

TEST_F(BrowserSessionTest, DoubleTapOpensFoldersAndChoosesFiles)
{
    makeDocs();
    makeFile("Docs/Archive/2019.cdb", 5);
    BrowserSession session(request("\\Docs"));
    session.doubleTapRow(1);  // "Archive"
    EXPECT_EQ(session.pathText(), "\\Docs\\Archive");
    EXPECT_EQ(names(session), QStringList{"2019.cdb"});
    EXPECT_FALSE(session.ended());
    session.doubleTapRow(0);
    EXPECT_TRUE(session.ended());
    EXPECT_TRUE(session.result().chosen);
    EXPECT_EQ(session.result().fileName, "2019.cdb");
    EXPECT_EQ(session.result().filePath, "\\Docs\\Archive\\2019.cdb");
}

TEST_F(BrowserSessionTest, OkChoosesTheSelectedOrTypedFileAndNamesWhatIsNotThere)
{
    makeDocs();
    BrowserSession typed(request("\\Docs"));
    typed.editFileName("missing.cdb");
    typed.ok();
    EXPECT_FALSE(typed.ended());
    EXPECT_EQ(typed.notFound(), "missing.cdb");
    EXPECT_EQ(typed.notFoundMessage(), "missing.cdb\nThis file or folder does not exist.");
    typed.editFileName("notes.txt");
    typed.ok();
    EXPECT_TRUE(typed.notFound().isEmpty());
    EXPECT_TRUE(typed.result().chosen);
    EXPECT_EQ(typed.result().filePath, "\\Docs\\notes.txt");
    EXPECT_EQ(typed.result().recordedFolder, "\\Docs");

    BrowserSession retyped(request("\\Docs"));
    retyped.tapRow(3);  // "Sales.cdb"
    retyped.editFileName("notes.txt");
    EXPECT_EQ(retyped.selectedRow(), -1) << "the name typed after a tap is the one Ok takes";
    retyped.ok();
    EXPECT_EQ(retyped.result().filePath, "\\Docs\\notes.txt");

    BrowserSession selected(request("\\Docs"));
    selected.selectRow(1);  // "Archive": Ok opens it
    selected.ok();
    EXPECT_EQ(selected.pathText(), "\\Docs\\Archive");
    EXPECT_EQ(selected.result().recordedFolder, "\\Docs\\Archive");
    EXPECT_FALSE(selected.ended());
}

TEST_F(BrowserSessionTest, TypedFolderOpensUnderTheFilterAndTheBoxEmpties)
{
    makeDocs();
    makeFile("Docs/Archive/2019.cdb", 5);
    makeFile("Docs/Archive/2019.txt", 5);
    BrowserSession session(request("\\Docs", "*.cdb(Databases)"));
    session.editFileName("Archive");
    session.ok();
    EXPECT_EQ(session.pathText(), "\\Docs\\Archive");
    EXPECT_EQ(session.fileNameText(), "");
    EXPECT_EQ(names(session), QStringList{"2019.cdb"});

    // A name left in the box from a tap is not a pattern: the next folder still lists by the filter.
    session.tapRow(0);
    session.up();
    EXPECT_EQ(session.fileNameText(), "2019.cdb");
    EXPECT_EQ(names(session), (QStringList{"Archive", "beta", "addresses.cdb", "Sales.cdb"}));
}

TEST_F(BrowserSessionTest, NamesTypedFromTheRootLeaveTheCurrentFolder)
{
    makeDocs();
    makeFolder("Other");
    BrowserSession session(request("\\Docs"));
    session.editFileName("\\Other");
    session.ok();
    EXPECT_EQ(session.pathText(), "\\Other");
    session.editFileName("/Docs/notes.txt");
    session.ok();
    EXPECT_EQ(session.result().filePath, "\\Docs\\notes.txt");
}

TEST_F(BrowserSessionTest, EnterInThePathBoxOpensWhatItNames)
{
    makeDocs();
    BrowserSession session(request("\\"));
    session.editPathText("\\Docs\\Archive\\");
    session.enterPath();
    EXPECT_EQ(session.pathText(), "\\Docs\\Archive");
    EXPECT_EQ(session.pathEntries(), (QStringList{"\\", "\\Docs\\Archive"}));

    session.editPathText("\\Docs\\Nowhere");
    session.enterPath();
    EXPECT_EQ(session.notFound(), "\\Docs\\Nowhere");
    EXPECT_EQ(session.pathEntries(), (QStringList{"\\", "\\Docs\\Archive"})) << "no entry for a folder that is not there";
    EXPECT_EQ(session.selectedPathEntry(), 1);

    session.editPathText("Docs/Sales.cdb");
    session.enterPath();
    EXPECT_TRUE(session.ended());
    EXPECT_EQ(session.result().filePath, "\\Docs\\Sales.cdb");
}

TEST_F(BrowserSessionTest, SeveralExtensionsInOneFilterListTogether)
{
    makeDocs();
    makeFile("Docs/prices.csv", 10);
    makeFile("Docs/list.tsv", 10);
    BrowserSession session(request("\\Docs", "*.txt;*.csv;*.tab;*.tsv(Text Files)|*.*(All Files)"));
    EXPECT_EQ(session.filterEntries().first(), "*.txt;*.csv;*.tab;*.tsv(Text Files)") << "the client's first stays first";
    EXPECT_EQ(names(session), (QStringList{"beta", "Archive", "prices.csv", "notes.txt", "list.tsv"}));
    session.chooseFilter(1);
    EXPECT_EQ(session.rows().size(), 9);
}

TEST_F(BrowserSessionTest, TypedNamesCannotReachOutsideTheDeviceRoot)
{
    makeFile("outside.cdb", 10);
    makeFolder("device/Docs");
    setenv("VARNEL_ROOT", (m_root.path() / "device").c_str(), 1);
    BrowserSession session(request("\\Docs"));
    session.editFileName("..\\..\\outside.cdb");
    session.ok();
    EXPECT_FALSE(session.ended());
    session.editFileName("..\\..\\*.cdb");
    session.ok();
    EXPECT_TRUE(session.rows().isEmpty());
    session.listFolder("\\..");
    EXPECT_TRUE(session.rows().isEmpty());
}

TEST_F(BrowserSessionTest, FoldersOnlyModeRecordsTheFolderOfOkAndNeverChooses)
{
    makeDocs();
    BrowserRequest folders = request("\\");
    folders.showOnlyFolders = true;
    BrowserSession session(folders);
    session.doubleTapRow(0);  // "Docs"
    EXPECT_EQ(names(session), (QStringList{"Archive", "beta"}));
    session.ok();
    EXPECT_FALSE(session.ended());
    EXPECT_EQ(session.result().recordedFolder, "\\Docs");
    session.editFileName("*.cdb");
    session.ok();
    EXPECT_EQ(names(session), (QStringList{"Archive", "beta"}));
    session.cancel();
    EXPECT_TRUE(session.ended());
    EXPECT_FALSE(session.result().chosen);
    EXPECT_EQ(session.result().recordedFolder, "\\Docs");
}

TEST_F(BrowserSessionTest, FilterChangeEmptiesTheNameBoxAndRelists)
{
    makeDocs();
    BrowserSession session(request("\\Docs", "*.cdb(Pocket Access Files)|*.txt(Text Files)"));
    EXPECT_EQ(session.filterEntries().first(), "*.cdb(Pocket Access Files)");
    session.tapRow(2);
    EXPECT_EQ(session.fileNameText(), "Sales.cdb");
    session.chooseFilter(1);
    EXPECT_EQ(session.fileNameText(), "");
    EXPECT_EQ(session.activePattern(), "*.txt");
    EXPECT_EQ(names(session), (QStringList{"Archive", "beta", "notes.txt"}));
}

TEST_F(BrowserSessionTest, ViewStyleRelistsAscendingByName)
{
    makeDocs();
    BrowserSession session(request("\\Docs", "*.cdb(Pocket Access Files)"));
    session.chooseViewStyle(ViewStyle::Icon);
    EXPECT_EQ(session.viewStyle(), ViewStyle::Icon);
    EXPECT_EQ(names(session), (QStringList{"Archive", "beta", "addresses.cdb", "Sales.cdb"}));
}

TEST_F(BrowserSessionTest, MissingFolderGivesAnEmptyList)
{
    BrowserSession session(request("\\Nowhere"));
    EXPECT_TRUE(session.rows().isEmpty());
    EXPECT_EQ(session.pathText(), "\\Nowhere");
}

// "\Windows" is the device's system folder wherever that lives, as for the rest of the program: without a
// device root it is the application's folder among the user's data, not a "Windows" in the home folder.
TEST_F(BrowserSessionTest, TheWindowsFolderIsTheDevicesSystemFolder)
{
    makeFile("data/varnel-desk/Guide.htm", 10);
    unsetenv("VARNEL_ROOT");
    setenv("XDG_DATA_HOME", (m_root.path() / "data").c_str(), 1);
    const BrowserSession session(request("\\Windows"));
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(names(session), QStringList{"Guide.htm"});
}

// Naming a file to write: a typed name that is not there is the answer, with the extension added when
// it has none; one that is there waits for the user's word; a folder still opens.
TEST_F(BrowserSessionTest, SavingTakesANewNameAndAsksBeforeReplacing)
{
    makeDocs();
    BrowserRequest asked = request(QStringLiteral("\\Docs"), QStringLiteral("*.cdb(Databases)"));
    asked.saveExtension = QStringLiteral("cdb");
    asked.suggestedName = QStringLiteral("Stock.cdb");
    BrowserSession session(asked);
    EXPECT_TRUE(session.savesFile());
    EXPECT_EQ(session.fileNameText(), "Stock.cdb");
    EXPECT_EQ(names(session), QStringList({"beta", "Archive", "Sales.cdb", "addresses.cdb"}))
        << "the name offered is not taken for a pattern";

    session.editFileName(QStringLiteral("Shop"));
    session.ok();
    EXPECT_TRUE(session.ended());
    EXPECT_TRUE(session.notFound().isEmpty());
    EXPECT_EQ(session.result().fileName, "Shop.cdb");
    EXPECT_EQ(session.result().filePath, "\\Docs\\Shop.cdb");

    BrowserSession replacing(asked);
    replacing.editFileName(QStringLiteral("Sales"));
    replacing.ok();
    EXPECT_FALSE(replacing.ended());
    EXPECT_EQ(replacing.replaceQuestion(), "Sales.cdb\nThis file already exists.\nDo you want to replace it?");
    replacing.answerReplace(false);
    EXPECT_FALSE(replacing.ended());
    EXPECT_TRUE(replacing.replaceQuestion().isEmpty());
    replacing.doubleTapRow(2);
    EXPECT_FALSE(replacing.replaceQuestion().isEmpty()) << "a double tap on a file asks too";
    replacing.answerReplace(true);
    EXPECT_TRUE(replacing.ended());
    EXPECT_EQ(replacing.result().filePath, "\\Docs\\Sales.cdb");

    BrowserSession folders(asked);
    folders.editFileName(QStringLiteral("Archive"));
    folders.ok();
    EXPECT_FALSE(folders.ended());
    EXPECT_EQ(folders.pathText(), "\\Docs\\Archive");
    folders.editFileName(QStringLiteral("\\Nowhere\\New.cdb"));
    folders.ok();
    EXPECT_FALSE(folders.ended());
    EXPECT_EQ(folders.notFound(), "\\Nowhere\\New.cdb") << "a folder that is not there cannot take the file";
}

// Without a save extension a name that is not there is still not the answer.
TEST_F(BrowserSessionTest, OpeningNeverTakesANameThatIsNotThere)
{
    makeDocs();
    BrowserRequest asked = request(QStringLiteral("\\Docs"));
    asked.suggestedName = QStringLiteral("Stock.cdb");
    BrowserSession session(asked);
    EXPECT_FALSE(session.savesFile());
    EXPECT_TRUE(session.fileNameText().isEmpty());
    session.editFileName(QStringLiteral("Shop.cdb"));
    session.ok();
    EXPECT_FALSE(session.ended());
    EXPECT_EQ(session.notFound(), "Shop.cdb");
}
