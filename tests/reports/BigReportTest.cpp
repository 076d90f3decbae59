// A grouped report over 100,000 records written to PDF page by page: every page there, the grand total
// right, progress told while laying out and printing, Cancel leaving no file, and the memory it took, told
// in the test's output (the PDF goes to disk as it is painted, so printing more pages takes no more).
#include "PrintFixture.h"

#include "data/CDbRecordset.h"
#include "data/CDbTransaction.h"
#include "reports/PrintDocument.h"
#include "reports/PrintOutput.h"
#include "reports/ReportDocument.h"

#include <QFile>

using namespace fieldtypes;

namespace {

constexpr int kRecords = 100000;

// The process's resident memory now and at its highest, in kB, as the kernel counts it.
std::pair<long, long> residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    long now = 0, peak = 0;
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n')) {
            const QList<QByteArray> parts = line.simplified().split(' ');
            if (parts.size() >= 2 && parts[0] == "VmRSS:")
                now = parts[1].toLong();
            if (parts.size() >= 2 && parts[0] == "VmHWM:")
                peak = parts[1].toLong();
        }
    return {now, peak};
}

class BigReportTest : public PrintFixture {
protected:
    void SetUp() override
    {
        createTable("Orders", {field("Town", kText), field("Item", kText), field("Amount", kInteger)});
        CDbTransaction transaction(context);
        CDbRecordset table(context.connection, context.databasePath());
        ASSERT_TRUE(table.Open(QStringLiteral("Orders"), 2, 3));
        for (int i = 0; i < kRecords; ++i)
            ASSERT_TRUE(table.AddNew() && table.SetFieldString(0, QStringLiteral("Town %1").arg(i % 40, 2, 10, QChar('0'))) &&
                        table.SetFieldString(1, QStringLiteral("item %1").arg(i)) && table.SetFieldLong(2, i % 100) &&
                        table.Update());
        table.Close();
        ASSERT_TRUE(transaction.commit());
    }
    std::unique_ptr<PrintDocument> byTown()
    {
        ReportDefinition report;
        report.name = QStringLiteral("Orders by town");
        report.source = QStringLiteral("Orders");
        report.fields = {{"Item", 120}, {"Amount", 60}};
        report.groups = {{"Town", GroupBy::Value}};
        report.totals = {{"Amount", Aggregate::Sum}};
        return reportDocument(context, report, askForParameters());
    }
};

TEST_F(BigReportTest, AHundredThousandRecordsPrintPageByPageInBoundedMemory)
{
    std::unique_ptr<PrintDocument> document = byTown();
    ASSERT_TRUE(document);
    EXPECT_EQ(document->recordCount(), kRecords);
    const long before = residentKb().first;
    long halfway = 0;
    int layingOut = 0, printing = 0;
    const PrintOutcome outcome = writePdf(*document, pdfPath("orders.pdf"), [&](const PrintProgress& progress) {
        if (progress.step == QLatin1String("Laying out"))
            ++layingOut;
        else if (++printing == 1 || progress.done == progress.total / 2)
            halfway = residentKb().first;
        return true;
    });
    ASSERT_EQ(outcome, PrintOutcome::Done);
    const auto [after, peak] = residentKb();
    const int pages = document->pageCount();
    std::printf("[ memory ] %d records, %d pages: resident %ld kB before, %ld kB halfway through printing, %ld kB "
                "after, peak %ld kB\n",
                kRecords, pages, before, halfway, after, peak);
    RecordProperty("peak_resident_kb", int(peak));
    EXPECT_GT(layingOut, 100) << "laying out tells how far it has come, slice by slice";
    EXPECT_EQ(printing, pages);
    const QRegularExpressionMatch counted =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(pdfInfo(pdfPath("orders.pdf")));
    EXPECT_EQ(counted.captured(1).toInt(), pages) << "every page is in the file";
    const QString last = pdfText(pdfPath("orders.pdf"), pages, pages);
    // 0 + 1 + ... + 99, a thousand times.
    EXPECT_TRUE(last.contains("Grand total, 100000 records")) << last.toStdString();
    EXPECT_TRUE(words(last).join(QLatin1Char(' ')).contains("Grand total, 100000 records Sum: 4950000"))
        << last.toStdString();
    EXPECT_TRUE(last.contains(QStringLiteral("Page %1 of %1").arg(pages)));
    // The second half of the pages adds nothing that stays: no page is kept once it is written.
    EXPECT_LT(after - halfway, 64 * 1024) << "kB grown while printing the second half";
}

TEST_F(BigReportTest, CancelWhileLayingOutLeavesNoFile)
{
    std::unique_ptr<PrintDocument> document = byTown();
    ASSERT_TRUE(document);
    int asked = 0;
    EXPECT_EQ(writePdf(*document, pdfPath("cancelled.pdf"), [&asked](const PrintProgress&) { return ++asked < 3; }),
              PrintOutcome::Cancelled);
    EXPECT_FALSE(QFile::exists(pdfPath("cancelled.pdf")));
    EXPECT_LT(document->recordsLaidOut(), kRecords);
    EXPECT_TRUE(messages.texts().isEmpty());
}

} // namespace
