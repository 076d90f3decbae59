// The print commands of the datasheet and the form view, read back from the PDFs they write: the
// datasheet's records as it shows them (its filter, sort and hidden columns), a stored query's result,
// the form's record on show or every record, and a PDF path that cannot be written.
#include "PdfReading.h"
#include "forms/runtime/FormFixture.h"

#include "forms/CAutoForm.h"
#include "tables/CViewDataGrid.h"
#include "tables/CViewTableData.h"

#include <QApplication>
#include <QFile>

using namespace fieldtypes;

namespace {

class PrintCommandsTest : public FormFixture {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "print_commands_tests";
        static char* argv[] = {name, nullptr};
        if (!qApp)
            new QApplication(argc, argv);
    }
    void SetUp() override
    {
        createTable("Towns", {field("Town", kText), field("County", kText), field("People", kInteger),
                              field("Coastal", kBoolean)});
        for (const char* row : {"('Ålborg', 'Nord', 120, true)", "('Brême', 'Süd', 300, false)",
                                "('Carrow', 'Nord', 45, false)", "('Dunmore \"East\"', 'Ost', 80, true)"})
            ASSERT_TRUE(run(QStringLiteral("INSERT INTO Towns (Town, County, People, Coastal) VALUES ") + row));
        previousChooser = DocumentPrinter::setPdfPathChooser([this](QWidget*, const QString& title) {
            offeredTitle = title;
            return chosenPath;
        });
    }
    void TearDown() override { DocumentPrinter::setPdfPathChooser(previousChooser); }

    QString pdfPath(const QString& name) const { return QString::fromStdString((root / name.toStdString()).string()); }

    PdfPathChooser previousChooser;
    QString chosenPath;
    QString offeredTitle;
};

TEST_F(PrintCommandsTest, DatasheetPrintsItsRecordsAsShown)
{
    CViewTableData view(context);
    ASSERT_TRUE(view.openTable("Towns"));
    // Only the towns of Nord, the most people first, without the County column.
    view.grid()->setCurrentCell(0, 2);
    view.run(CViewTableData::FilterIncluding);
    ASSERT_EQ(view.sheet().recordCount(), 2);
    view.grid()->setCurrentCell(0, 3);
    view.run(CViewTableData::SortDescending);
    view.grid()->setCurrentCell(0, 2);
    view.run(CViewTableData::HideColumn);

    chosenPath = pdfPath("towns.pdf");
    view.commandAction(CViewTableData::ExportPdf)->trigger();
    EXPECT_EQ(offeredTitle, "Towns");
    const QString text = pdfText(chosenPath);
    const QStringList rows = linesWith(text, {"Ålborg", "Carrow"});
    EXPECT_EQ(rows, QStringList({"Ålborg 120 YES", "Carrow 45 NO"})) << text.toStdString();
    EXPECT_FALSE(text.contains("Brême"));
    EXPECT_FALSE(text.contains("County")) << "a hidden column stays off the paper";
    EXPECT_TRUE(text.contains("Page 1 of 1"));
    EXPECT_EQ(messages.texts(), QStringList{"The PDF file was written: " + chosenPath}) << "where it went, once written";
}

TEST_F(PrintCommandsTest, QueryDatasheetPrintsTheQueryResult)
{
    CViewTableData view(context);
    ASSERT_TRUE(view.openQuery("Big towns", "SELECT Town, People FROM Towns WHERE People >= 80"));
    ASSERT_TRUE(view.printer().exportPdfTo(pdfPath("big.pdf")));
    const QString text = pdfText(pdfPath("big.pdf"));
    EXPECT_EQ(linesWith(text, {"Ålborg", "Brême", "Carrow"}), QStringList({"Ålborg 120", "Brême 300"}))
        << text.toStdString();
    // A query's columns open as wide as their values, as on the screen: the longer name stays on one line.
    EXPECT_EQ(linesWith(text, {"Dunmore"}), QStringList({"Dunmore \"East\" 80"})) << text.toStdString();
    EXPECT_TRUE(text.contains("Big towns"));
}

TEST_F(PrintCommandsTest, PdfPathThatCannotBeWrittenIsSaidAndLeavesNothing)
{
    CViewTableData view(context);
    ASSERT_TRUE(view.openTable("Towns"));
    const QString path = pdfPath("no such folder/towns.pdf");
    EXPECT_FALSE(view.printer().exportPdfTo(path));
    EXPECT_EQ(messages.texts(), QStringList({"The PDF file could not be written: " + path}));
    EXPECT_FALSE(QFile::exists(path));

    // A cancelled choice writes nothing and says nothing.
    messages.clear();
    chosenPath.clear();
    view.run(CViewTableData::ExportPdf);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(PrintCommandsTest, FormViewPrintsTheRecordOnShowOrEveryRecord)
{
    CAutoForm view(context);
    ASSERT_TRUE(view.openAutoForm("Towns"));
    view.run(CAutoForm::NextRecord);

    chosenPath = pdfPath("record.pdf");
    view.commandAction(CAutoForm::ExportRecordPdf)->trigger();
    const QString record = pdfText(chosenPath);
    EXPECT_TRUE(record.contains("Brême")) << record.toStdString();
    EXPECT_TRUE(record.contains("Süd"));
    EXPECT_FALSE(record.contains("Ålborg"));
    EXPECT_TRUE(record.contains("Page 1 of 1"));

    chosenPath = pdfPath("all.pdf");
    view.run(CAutoForm::ExportAllPdf);
    const QString all = pdfText(chosenPath);
    for (const char* town : {"Ålborg", "Brême", "Carrow", "Dunmore \"East\""})
        EXPECT_TRUE(all.contains(QString::fromUtf8(town))) << town << "\n" << all.toStdString();
    EXPECT_EQ(messages.texts(), QStringList({"The PDF file was written: " + pdfPath("record.pdf"),
                                             "The PDF file was written: " + pdfPath("all.pdf")}));
}

} // namespace
