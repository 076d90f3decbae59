#include "platform/device/TextFile.h"

#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace device;

namespace {
void writeBytes(const TempRoot& root, const char* name, const QByteArray& bytes)
{
    QFile file(QString::fromStdString((root / name).string()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace

TEST(TextFile, RoundTripsUnicodeLineByLine)
{
    TempRoot root;
    TextWriter writer("\\lines.txt");
    ASSERT_TRUE(writer.isOpen());
    writer.writeLine(QString::fromUtf8("Größe|Ω|日本"));
    writer.writeLine("");
    writer.write("last");
    ASSERT_TRUE(writer.commit());

    TextReader reader("\\lines.txt");
    EXPECT_EQ(reader.readLine(), QString::fromUtf8("Größe|Ω|日本"));
    EXPECT_EQ(reader.readLine(), QString(""));
    EXPECT_EQ(reader.readLine(), QString("last"));
    EXPECT_FALSE(reader.readLine());
}

TEST(TextFile, ReadingSkipsTheMarkAndCarriageReturns)
{
    TempRoot root;
    writeBytes(root, "dos.txt", "\xEF\xBB\xBFLang=English\r\nsecond\r\n");
    TextReader reader("\\dos.txt");
    EXPECT_EQ(reader.readLine(), QString("Lang=English"));
    EXPECT_EQ(reader.readLine(), QString("second"));
    EXPECT_FALSE(reader.readLine());
    EXPECT_EQ(readTextFile("\\dos.txt"), QString("Lang=English\nsecond\n"));
}

TEST(TextFile, LimitsALineToTheBuffer)
{
    TempRoot root;
    writeBytes(root, "long.txt", QByteArray(250, 'x') + "\nnext\n");
    TextReader reader("\\long.txt");
    EXPECT_EQ(reader.readLine(199)->size(), 199);
    EXPECT_EQ(reader.readLine(199)->size(), 51);
    EXPECT_EQ(reader.readLine(199), QString("next"));
}

TEST(TextFile, MissingOrRefusedFilesDoNotOpen)
{
    TempRoot root;
    EXPECT_FALSE(TextReader("\\missing.txt").isOpen());
    EXPECT_FALSE(TextReader("\\missing.txt").readLine());
    EXPECT_FALSE(readTextFile("..\\escape.txt"));
    EXPECT_FALSE(writeTextFile("..\\escape.txt", "x"));
    EXPECT_FALSE(writeTextFile("\\NoSuchFolder\\x.txt", "x"));
}

TEST(TextFile, AnUncommittedWriteLeavesTheOldFile)
{
    TempRoot root;
    ASSERT_TRUE(writeTextFile("\\form.xnf", "old"));
    {
        TextWriter writer("\\form.xnf");
        writer.write("half of the new");
    }
    EXPECT_EQ(readTextFile("\\form.xnf"), QString("old"));
}
