#include "platform/device/SystemFolder.h"
#include "platform/device/TextFile.h"

#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <QFileInfo>

using namespace device;

TEST(SystemFolder, LinksAreReplacedButRealFilesAreNot)
{
    TempRoot root;
    const QString first = QString::fromStdString((root / "first.so").string());
    const QString second = QString::fromStdString((root / "second.so").string());
    ASSERT_TRUE(placeSystemLink("Kestrine.dll", first));
    ASSERT_TRUE(placeSystemLink("Kestrine.dll", second));
    EXPECT_EQ(QFileInfo(QString::fromStdString((root / "Windows/Kestrine.dll").string())).symLinkTarget(), second);

    ASSERT_TRUE(writeTextFile("\\Windows\\Regsvrce.exe", "real"));
    EXPECT_FALSE(placeSystemLink("Regsvrce.exe", first));
    EXPECT_EQ(readTextFile("\\Windows\\Regsvrce.exe"), QString("real"));
}
