#include "platform/device/Files.h"
#include "platform/device/Process.h"
#include "platform/device/TextFile.h"

#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QThread>

using namespace device;

TEST(Files, ExistenceAndAttributes)
{
    TempRoot root;
    ASSERT_TRUE(writeTextFile("\\a.txt", "12345"));
    QDir(QString::fromStdString(root.path().string())).mkdir("Folder");

    EXPECT_TRUE(fileExists("\\a.txt"));
    const auto info = fileInfo("\\a.txt");
    ASSERT_TRUE(info);
    EXPECT_FALSE(info->folder);
    EXPECT_EQ(info->size, 5);

    EXPECT_FALSE(fileExists("\\Folder"));
    EXPECT_TRUE(fileInfo("\\Folder")->folder);

    EXPECT_FALSE(fileExists("\\missing.cdb"));
    EXPECT_EQ(lastError(), ErrorFileNotFound);
    EXPECT_FALSE(fileExists("\\NoFolder\\missing.cdb"));
    EXPECT_EQ(lastError(), ErrorPathNotFound);
    EXPECT_FALSE(fileExists("..\\outside"));
    EXPECT_EQ(lastError(), ErrorInvalidName);
}

TEST(Files, DeleteReportsTheLastError)
{
    TempRoot root;
    ASSERT_TRUE(writeTextFile("\\doomed.cdb", "x"));
    setLastError(ErrorSuccess);
    EXPECT_TRUE(deleteFile("\\doomed.cdb"));
    EXPECT_EQ(lastError(), ErrorSuccess);
    EXPECT_FALSE(fileExists("\\doomed.cdb"));

    EXPECT_FALSE(deleteFile("\\doomed.cdb"));
    EXPECT_EQ(lastError(), ErrorFileNotFound);

    QDir(QString::fromStdString(root.path().string())).mkdir("Keep");
    EXPECT_FALSE(deleteFile("\\Keep"));
    EXPECT_EQ(lastError(), ErrorAccessDenied);
    EXPECT_TRUE(QDir(QString::fromStdString((root / "Keep").string())).exists());
}

TEST(Process, StartsWithoutWaitingAndFindsNamesInTheSystemFolder)
{
    TempRoot root;
    QDir().mkpath(QString::fromStdString((root / "Windows").string()));
    const QString script = QString::fromStdString((root / "Windows/tool").string());
    ASSERT_TRUE(writeTextFile(script, "#!/bin/sh\necho \"$1|$2\" > \"$3\"\n"));
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_EQ(findProgram("tool.exe"), script);
    EXPECT_EQ(findProgram("Windows//tool"), script);
    EXPECT_TRUE(findProgram("no-such-program.exe").isEmpty());
    EXPECT_FALSE(startProcess("no-such-program.exe", ""));

    const QString out = QString::fromStdString((root / "out.txt").string());
    ASSERT_TRUE(startProcess("tool.exe", "\"file:XNHelp.htm#Contents\" /s " + out));
    for (int i = 0; i < 200 && !QFile::exists(out); ++i)
        QThread::msleep(10);
    QThread::msleep(50);
    EXPECT_EQ(readTextFile(out), QString("file:XNHelp.htm#Contents|/s\n"));
}
