#include "platform/device/TextFile.h"
#include "platform/framework/ResourceTexts.h"

#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <QDir>

using namespace framework;

TEST(ResourceTexts, BuiltInTextsServeWithoutALibrary)
{
    TempRoot root;
    freeResourceLibrary();
    EXPECT_FALSE(loadResourceLibrary("\\Windows\\Missing.dll"));
    EXPECT_FALSE(resourceLibraryLoaded());
    EXPECT_EQ(resourceText("IDS_GOTO", "\n  Goto Record #"), "\n  Goto Record #");
}

TEST(ResourceTexts, TheLibraryReplacesTheTextsItHas)
{
    TempRoot root;
    QDir().mkpath(QString::fromStdString((root / "Windows").string()));
    ASSERT_TRUE(device::writeTextFile("\\Windows\\XNEnglish.dll",
                                      "# texts of the English library\r\n"
                                      "IDS_GOTO=\\n  Goto Record #\r\n"
                                      "IDS_PATH = C:\\\\Data=1\n"
                                      "no equals sign here\n"
                                      "=nameless\n"));
    ASSERT_TRUE(loadResourceLibrary("\\Windows\\XNEnglish.dll"));
    EXPECT_TRUE(resourceLibraryLoaded());
    EXPECT_EQ(resourceText("IDS_GOTO", "built in"), "\n  Goto Record #");
    EXPECT_EQ(resourceText("IDS_PATH", "built in"), " C:\\Data=1");
    EXPECT_EQ(resourceText("IDS_OTHER", "built in"), "built in");
    EXPECT_EQ(resourceText("", "built in"), "built in");

    freeResourceLibrary();
    EXPECT_FALSE(resourceLibraryLoaded());
    EXPECT_EQ(resourceText("IDS_GOTO", "built in"), "built in");
}
