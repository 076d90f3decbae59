// A writer killed at any moment leaves a file that opens, with every change it had committed.
#include "EngineFixture.h"

#include <QProcess>
#include <QSet>

#include <filesystem>

namespace {

using CrashTest = EngineFixture;

TEST_F(CrashTest, KilledWriterLosesNothingItCommitted)
{
    ASSERT_EQ(run("CREATE TABLE T (V int, Pad text)"), S_OK);
    // Each insert is followed by a read of its row, whose printed value says the insert was committed.
    QStringList args{QStringLiteral("sql"), QString::fromStdString((root / "Test.cdb").string())};
    const QString pad(200, u'x');
    for (int i = 0; i < 5000; ++i)
        args << QStringLiteral("INSERT INTO T VALUES(%1, '%2')").arg(i).arg(pad)
             << QStringLiteral("SELECT V FROM T WHERE V = %1").arg(i);
    QProcess writer;
    writer.start(QStringLiteral(VARNEL_CLI_PATH), args);
    ASSERT_TRUE(writer.waitForStarted());

    QSet<int> committed;
    QByteArray pending;
    auto collect = [&] {
        pending += writer.readAllStandardOutput();
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            bool number = false;
            const int value = pending.left(end).toInt(&number);
            if (number)
                committed.insert(value);
            pending.remove(0, end + 1);
        }
    };
    while (committed.size() < 300 && writer.state() == QProcess::Running) {
        writer.waitForReadyRead(5000);
        collect();
    }
    writer.kill(); // SIGKILL, wherever the writer is
    writer.waitForFinished();
    collect();
    ASSERT_GE(committed.size(), 300) << writer.readAllStandardError().toStdString();
    ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit);

    cedb::Connection::create()->Close(); // let go of this process's handle, open the file afresh
    auto recordset = open("SELECT V FROM T", 0, 1);
    QSet<int> stored;
    for (; !eof(recordset); recordset->MoveNext())
        stored.insert(field(recordset, 0).toInt());
    for (int value : committed)
        EXPECT_TRUE(stored.contains(value)) << "committed row " << value << " is missing";
    std::int32_t shown = -1;
    open("T", 0, 1)->get_RecordCount(shown);
    EXPECT_EQ(shown, stored.size()) << "the count the file keeps agrees with its records";
    EXPECT_EQ(run("INSERT INTO T VALUES(-1, 'after')"), S_OK) << "the file takes writes again";
    open("T", 0, 1)->get_RecordCount(shown);
    EXPECT_EQ(shown, stored.size() + 1);
}

} // namespace
