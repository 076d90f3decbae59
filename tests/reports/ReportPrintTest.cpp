// Reports over real tables, read back from their PDFs: groups by date, by value and by first letter with
// their headers, footers and totals, pages drawn again in any order, mailing labels on a sheet, and
// reports whose source or fields are gone.
#include "PrintFixture.h"

#include "reports/LabelDocument.h"
#include "reports/PrintOutput.h"
#include "reports/ReportDocument.h"
#include "reports/TextStyle.h"

#include <QImage>
#include <QPainter>

using namespace fieldtypes;

namespace {

class ReportPrintTest : public PrintFixture {
protected:
    void SetUp() override
    {
        createTable("Sales", {field("Sold", kDateTime), field("City", kText), field("Customer", kText),
                              field("Amount", kDouble), field("Qty", kInteger)});
        for (const char* values :
             {"('2024-01-05', 'Köln', 'Zoë', 10.25, 1)", "('2024-01-20', 'Cork', 'O''Brien', 20, 2)",
              "('2024-01-31', 'Köln', 'Anna', 30.25, 3)", "('2024-02-01', 'Cork', 'Bob', 5, 4)",
              "('2024-03-15', 'Cork', 'Ann', 1.5, 5)", "('2024-03-16', 'Köln', 'Bea', 2.5, 6)"})
            ASSERT_TRUE(run(QStringLiteral("INSERT INTO Sales (Sold, City, Customer, Amount, Qty) VALUES ") + values));
    }
    ReportDefinition salesReport() const
    {
        ReportDefinition report;
        report.name = QStringLiteral("Monthly sales");
        report.source = QStringLiteral("Sales");
        report.fields = {{"Sold", 80}, {"Customer", 100}, {"Amount", 70}, {"Qty", 80}};
        report.groups = {{"Sold", GroupBy::Month}};
        report.totals = {{"Amount", Aggregate::Sum}, {"Qty", Aggregate::Average}, {"Customer", Aggregate::Count}};
        report.reportHeader = QStringLiteral("Sales by month");
        report.reportFooter = QStringLiteral("End of the sales");
        return report;
    }
    QString printReport(const ReportDefinition& report, const QString& file)
    {
        std::unique_ptr<PrintDocument> document = reportDocument(context, report, askForParameters());
        EXPECT_TRUE(document);
        if (!document)
            return {};
        EXPECT_EQ(writePdf(*document, pdfPath(file)), PrintOutcome::Done);
        return pdfText(pdfPath(file));
    }
};

TEST_F(ReportPrintTest, ADateGroupedReportShowsEachMonthWithItsSumsAndTheGrandTotal)
{
    const QString text = printReport(salesReport(), "monthly.pdf");
    EXPECT_EQ(linesWith(text, {"Sold:", "Total", "Grand", "Sales by", "End of"}),
              QStringList({"Sales by month", "Sold: January 2024", "Total for Sold: January 2024, 3 records",
                           "Sold: February 2024", "Total for Sold: February 2024, 1 record", "Sold: March 2024",
                           "Total for Sold: March 2024, 2 records", "Grand total, 6 records", "End of the sales"}));
    EXPECT_EQ(linesWith(text, {"Sum:"}), QStringList({"Count: 3 Sum: 60.5 Average: 2", "Count: 1 Sum: 5 Average: 4",
                                                      "Count: 2 Sum: 4 Average: 5.5", "Count: 6 Sum: 69.5 Average: 3.5"}));
    for (const char* value : {"Zoë", "O'Brien", "1/20/2024", "10.25", "Monthly sales", "Page 1 of 1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(value))) << value;
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(ReportPrintTest, GroupsNestByValueAndFirstLetterAndASortOrdersEachGroup)
{
    ReportDefinition report = salesReport();
    report.groups = {{"City", GroupBy::Value}, {"Customer", GroupBy::FirstLetter}};
    report.sort = {{"Customer", true}};
    report.totals = {{"Qty", Aggregate::Maximum}, {"Amount", Aggregate::Minimum}};
    report.fields = {{"Customer", 100}, {"Qty", 80}};
    report.reportHeader.clear();
    report.reportFooter.clear();
    const QString text = printReport(report, "nested.pdf");
    EXPECT_EQ(linesWith(text, {"City:", "Customer:", "Total for"}),
              QStringList({"City: Cork", "Customer: A", "Total for Customer: A, 1 record; Minimum of Amount: 1.5",
                           "Customer: B", "Total for Customer: B, 1 record; Minimum of Amount: 5",
                           "Customer: O", "Total for Customer: O, 1 record; Minimum of Amount: 20",
                           "Total for City: Cork, 3 records; Minimum of Amount: 1.5", "City: Köln", "Customer: A",
                           "Total for Customer: A, 1 record; Minimum of Amount: 30.25", "Customer: B",
                           "Total for Customer: B, 1 record; Minimum of Amount: 2.5", "Customer: Z",
                           "Total for Customer: Z, 1 record; Minimum of Amount: 10.25",
                           "Total for City: Köln, 3 records; Minimum of Amount: 2.5"}));
    EXPECT_EQ(linesWith(text, {"Maximum:"}).value(7), QStringLiteral("Maximum: 6")) << "the largest of them all";
}

TEST_F(ReportPrintTest, FiguresAndTotalsAreNeverSplitAndColumnsNobodySizedFitTheirValues)
{
    ASSERT_TRUE(run("DELETE FROM Sales"));
    for (const char* values : {"('Niederösterreich', 'Zoë', 1234567.89)", "('Niederösterreich', 'Anna', 1253.98)",
                               "('Cork', 'Bob', 99)"})
        ASSERT_TRUE(run(QStringLiteral("INSERT INTO Sales (City, Customer, Amount) VALUES ") + values));
    ReportDefinition report;
    report.name = QStringLiteral("Stock value");
    report.source = QStringLiteral("Sales");
    report.fields = {{"City", ReportField::kFitted}, {"Customer", ReportField::kFitted}, {"Amount", ReportField::kFitted}};
    report.groups = {{"City", GroupBy::Value}};
    report.totals = {{"Amount", Aggregate::Sum}};
    QString text = printReport(report, "fitted.pdf");
    // A sum wider than its column of figures takes the empty cells before it, on one line.
    EXPECT_EQ(linesWith(text, {"Sum:"}), QStringList({"Sum: 99", "Sum: 1235821.87", "Sum: 1235920.87"}))
        << text.toStdString();
    EXPECT_EQ(linesWith(text, {"Zoë"}), QStringList{"Niederösterreich Zoë 1234567.89"});
    EXPECT_FALSE(text.contains(kCutMark));

    // A column too narrow for its figures, with nothing beside it, cuts them with the mark.
    report.fields = {{"Amount", 30}};
    text = printReport(report, "narrow.pdf");
    const QRegularExpression bareFigure(QStringLiteral("^[0-9.]{4,}$"));
    for (const QString& word : words(text))
        EXPECT_FALSE(bareFigure.match(word).hasMatch()) << word.toStdString() << " is part of a figure shown as whole";
    EXPECT_GE(text.count(kCutMark), 4) << text.toStdString();
}

TEST_F(ReportPrintTest, TotalsSideBySideInColumnsNobodySizedAreShownWhole)
{
    ASSERT_TRUE(run("DELETE FROM Sales"));
    for (int i = 1; i <= 30; ++i)
        ASSERT_TRUE(run(QStringLiteral("INSERT INTO Sales (City, Amount, Qty) VALUES ('Cork', %1.25, %2)").arg(9000 + i).arg(100 + i)));
    ReportDefinition report;
    report.name = QStringLiteral("Stock");
    report.source = QStringLiteral("Sales");
    report.fields = {{"Qty", ReportField::kFitted}, {"Amount", ReportField::kFitted}};
    report.totals = {{"Qty", Aggregate::Sum}, {"Amount", Aggregate::Sum}};
    const QString text = printReport(report, "side.pdf");
    EXPECT_FALSE(text.contains(kCutMark)) << text.toStdString();
    const QStringList all = words(text);
    EXPECT_TRUE(all.contains(QStringLiteral("3465"))) << text.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("270472.5"))) << "the figures whole, their labels above them";
}

TEST_F(ReportPrintTest, APageDrawnAgainOnItsOwnIsThePageDrawnInTurn)
{
    for (int i = 0; i < 300; ++i)
        ASSERT_TRUE(run(QStringLiteral("INSERT INTO Sales (Sold, City, Customer, Amount, Qty) VALUES "
                                       "('2023-%1-10', 'Town %2', 'Customer number %3 with a name that wraps', %3, 1)")
                            .arg(i % 12 + 1)
                            .arg(i % 7)
                            .arg(i)));
    ReportDefinition report = salesReport();
    report.groups = {{"City", GroupBy::Value}, {"Sold", GroupBy::Year}};
    std::unique_ptr<PrintDocument> document = reportDocument(context, report, askForParameters());
    ASSERT_TRUE(document);
    while (!document->layOutMore(40)) {
    }
    ASSERT_GT(document->pageCount(), 5);
    const auto picture = [&document](int page) {
        QImage image(300, 420, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(0.5, 0.5);
        document->paintPage(painter, page);
        return image;
    };
    QList<QImage> inTurn;
    for (int page = 0; page < document->pageCount(); ++page)
        inTurn << picture(page);
    for (int page = document->pageCount() - 1; page >= 0; --page)
        EXPECT_EQ(picture(page), inTurn[page]) << "page " << page + 1;
    EXPECT_NE(inTurn[1], inTurn[2]);
}

TEST_F(ReportPrintTest, ALabelSheetPutsOneRecordOnEachLabelAcrossThenDown)
{
    for (int i = 1; i <= 24; ++i)
        ASSERT_TRUE(run(QStringLiteral("INSERT INTO Sales (City, Customer) VALUES ('City%1', 'Label%1')").arg(i)));
    ReportDefinition report;
    report.name = QStringLiteral("Addresses");
    report.source = QStringLiteral("Sales");
    report.labels = true;
    report.sheet = *labelSheetOfName(QStringLiteral("3 x 8"));
    report.labelLines = {QStringLiteral("[Customer]"), QStringLiteral("[City] [Qty]"),
                         QStringLiteral("A line far too long for one label, which ends in the mark")};
    report.sort = {{"Customer", false}};
    std::unique_ptr<PrintDocument> document = reportDocument(context, report, askForParameters());
    ASSERT_TRUE(document);
    EXPECT_EQ(document->pageCount(), 2) << "30 records, 24 a sheet";
    ASSERT_EQ(writePdf(*document, pdfPath("labels.pdf")), PrintOutcome::Done);
    const QString first = pdfText(pdfPath("labels.pdf"), 1, 1);
    const QString second = pdfText(pdfPath("labels.pdf"), 2, 2);
    EXPECT_EQ(linesWith(first, {"Anna"}), QStringList{"Ann Anna Bea"}) << "the first row, in the sort's order";
    EXPECT_EQ(linesWith(second, {"Label"}), QStringList({"Label6 Label7 Label8", "Label9 O'Brien Zoë"}))
        << "the labels left for the second sheet, in the text order of the names";
    EXPECT_EQ(first.count(kCutMark), 24);
    EXPECT_EQ(second.count(kCutMark), 6);
    EXPECT_TRUE(first.contains(QStringLiteral("Köln 3")));
    EXPECT_FALSE(first.contains(QStringLiteral("Page"))) << "no page frame stands on the labels";

    const auto* labels = dynamic_cast<const LabelDocument*>(document.get());
    ASSERT_TRUE(labels);
    EXPECT_DOUBLE_EQ(labels->labelRect(1).left(), labels->labelRect(0).right() + 2.5 * 72 / 25.4);
    EXPECT_DOUBLE_EQ(labels->labelRect(3).top(), labels->labelRect(0).bottom());
    EXPECT_LE(labels->labelRect(23).bottom(), 842) << "the eighth row still on A4";
}

TEST_F(ReportPrintTest, AReportWhoseSourceOrFieldsAreGoneSaysWhatIsMissing)
{
    ReportDefinition report = salesReport();
    report.source = QStringLiteral("Closed");
    EXPECT_FALSE(reportDocument(context, report, askForParameters()));
    report.source = QStringLiteral("Sales");
    report.fields << ReportField{"Discount", 40};
    report.groups << ReportGroup{"Region", GroupBy::Value};
    EXPECT_FALSE(reportDocument(context, report, askForParameters()));
    EXPECT_EQ(messages.texts(),
              QStringList({"The record source is missing: Closed",
                           "The report Monthly sales shows fields that Sales no longer has: Discount, Region"}));
}

} // namespace
