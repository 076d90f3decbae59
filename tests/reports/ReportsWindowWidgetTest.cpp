// The reports list and the Report dialog: a report made in the dialog and printed from the list, its live
// preview, a stored report whose source or fields are gone, label sheets that do not fit their paper, and
// the preview of a big source showing its first page before the rest is laid out.
#include "PdfReading.h"
#include "forms/runtime/FormFixture.h"

#include "data/CDbTransaction.h"
#include "data/ReportStore.h"
#include "reports/PrintDocument.h"
#include "reports/ReportDocument.h"
#include "reports/TextStyle.h"
#include "reports/ui/DocumentPrinter.h"
#include "reports/ui/PageView.h"
#include "reports/ui/ReportDialog.h"
#include "reports/ui/ReportPreview.h"
#include "reports/ui/ReportsWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTimer>

using namespace fieldtypes;

namespace {

class ReportsWindowTest : public FormFixture {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "reports_window_tests";
        static char* argv[] = {name, nullptr};
        if (!qApp)
            new QApplication(argc, argv);
    }
    void SetUp() override
    {
        createTable("Members", {field("Name", kText), field("County", kText), field("Fee", kDouble)});
        for (const char* row : {"('Ann', 'Nord', 10)", "('Bó', 'Süd', 2.5)", "('Cian', 'Nord', 20)"})
            ASSERT_TRUE(run(QStringLiteral("INSERT INTO Members (Name, County, Fee) VALUES ") + row));
        previousChooser = DocumentPrinter::setPdfPathChooser([this](QWidget*, const QString&) { return chosenPath; });
    }
    void TearDown() override { DocumentPrinter::setPdfPathChooser(previousChooser); }

    QString pdfPath(const QString& name) const { return QString::fromStdString((root / name.toStdString()).string()); }
    static ReportDefinition byCounty()
    {
        ReportDefinition report;
        report.name = QStringLiteral("Fees");
        report.source = QStringLiteral("Members");
        report.fields = {{"Name", 90}, {"Fee", 60}};
        report.groups = {{"County", GroupBy::Value}};
        report.totals = {{"Fee", Aggregate::Sum}};
        return report;
    }
    // Runs `act` on the modal dialog of type T the next command opens, then closes it.
    template <typename T, typename Act>
    static void onNextDialog(Act act)
    {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            act(*dialog);
            dialog->reject();
        });
    }

    PdfPathChooser previousChooser;
    QString chosenPath;
};

TEST_F(ReportsWindowTest, DialogMakesAGroupedReportThatTheListPrints)
{
    ReportDialog dialog(context, ReportDefinition{}, QString());
    dialog.findChild<QLineEdit*>("reportName")->setText("Fees");
    auto* source = dialog.findChild<QComboBox*>("reportSource");
    ASSERT_TRUE(source->findText("Members") >= 0);
    source->setCurrentText("Members");
    auto* fields = dialog.findChild<QTableWidget*>("reportFields");
    ASSERT_EQ(fields->rowCount(), 3) << "every field of the source, shown at first";
    fields->item(1, 0)->setCheckState(Qt::Unchecked);
    fields->item(2, 1)->setText("75");

    ReportDefinition wanted = byCounty();
    wanted.fields = {{"Name", ReportField::kFitted}, {"Fee", 75}};
    ReportDefinition made = dialog.definition();
    EXPECT_EQ(made.fields, wanted.fields);
    // The groups and totals through the dialog's own lists, as the user picks them.
    const QList<QComboBox*> boxes = dialog.findChildren<QComboBox*>();
    auto box = [&boxes](const QStringList& items, int nth) {
        int seen = 0;
        for (QComboBox* candidate : boxes) {
            QStringList texts;
            for (int i = 0; i < candidate->count(); ++i)
                texts << candidate->itemText(i);
            if (texts == items && seen++ == nth)
                return candidate;
        }
        return static_cast<QComboBox*>(nullptr);
    };
    const QStringList fieldChoices{"", "Name", "County", "Fee"};
    ASSERT_TRUE(box(fieldChoices, 0));
    box(fieldChoices, 0)->setCurrentText("County");
    box({"", "Count", "Sum", "Average", "Minimum", "Maximum"}, 0)->setCurrentText("Sum");
    box(fieldChoices, 4)->setCurrentText("Fee");
    made = dialog.definition();
    EXPECT_EQ(made.groups, wanted.groups);
    EXPECT_EQ(made.totals, wanted.totals);

    dialog.refreshPreview();
    ASSERT_TRUE(dialog.previewDocument());
    EXPECT_GE(dialog.previewDocument()->pageCount(), 1);
    ASSERT_TRUE(dialog.save());
    EXPECT_TRUE(ReportStore(context).find("Fees"));

    ReportsWindow reports(context);
    ASSERT_EQ(reports.list()->count(), 1);
    ASSERT_TRUE(reports.select("Fees"));
    chosenPath = pdfPath("fees.pdf");
    reports.run(ReportsWindow::ExportPdf);
    const QString text = pdfText(chosenPath);
    EXPECT_EQ(linesWith(text, {"County:", "Grand"}),
              QStringList({"County: Nord", "Total for County: Nord, 2 records", "County: Süd",
                           "Total for County: Süd, 1 record", "Grand total, 3 records"}))
        << text.toStdString();
    EXPECT_EQ(linesWith(text, {"Sum:"}), QStringList({"Sum: 30", "Sum: 2.5", "Sum: 32.5"}));
    EXPECT_EQ(messages.texts(), QStringList{"The PDF file was written: " + chosenPath});
}

TEST_F(ReportsWindowTest, ANewReportStartsOnTheChosenSourceAndASwitchedSourceShowsItsOwnFields)
{
    createTable("Suppliers", {field("Name", kText), field("Country", kText)});
    ASSERT_TRUE(run("INSERT INTO Suppliers (Name, Country) VALUES ('Müller & Söhne', 'Deutschland')"));
    ReportsWindow reports(context);
    reports.setNewReportSource("Members");
    ReportDefinition shown;
    QStringList widths;
    onNextDialog<ReportDialog>([&](ReportDialog& dialog) {
        shown = dialog.definition();
        auto* source = dialog.findChild<QComboBox*>("reportSource");
        auto* fields = dialog.findChild<QTableWidget*>("reportFields");
        source->setCurrentText("Suppliers");
        EXPECT_EQ(dialog.definition().fields,
                  (QList<ReportField>{{"Name", ReportField::kFitted}, {"Country", ReportField::kFitted}}))
            << "every field of the new source, as every field of the old one was";
        for (int row = 0; row < fields->rowCount(); ++row)
            widths << fields->item(row, 1)->text();
        // A choice among the fields is kept for the fields the sources share.
        fields->item(1, 0)->setCheckState(Qt::Unchecked);
        source->setCurrentText("Members");
        EXPECT_EQ(dialog.definition().fields, (QList<ReportField>{{"Name", ReportField::kFitted}}));
        fields->item(0, 1)->setText("90");
        EXPECT_EQ(dialog.definition().fields, (QList<ReportField>{{"Name", 90}})) << "a width typed is kept";
    });
    reports.run(ReportsWindow::New);
    EXPECT_EQ(shown.source, "Members") << "the source chosen in the database window, not the first table";
    EXPECT_EQ(shown.fields.size(), 3);
    ASSERT_EQ(widths.size(), 2);
    const TextStyle cells(9);
    EXPECT_GT(widths[1].toInt(), cells.width("Deutschland")) << "a width that shows the values";
    EXPECT_LT(widths[1].toInt(), 100);
}

TEST_F(ReportsWindowTest, EditingAReportWhoseFieldOrSourceIsGoneSaysWhatIsMissing)
{
    ReportDefinition report = byCounty();
    report.fields << ReportField{"Phone", 60};
    report.sort = {{"Joined", true}};
    ASSERT_TRUE(saveReport(context, report));
    ReportsWindow reports(context);
    ASSERT_TRUE(reports.select("Fees"));
    ReportDefinition shown;
    onNextDialog<ReportDialog>([&shown](ReportDialog& dialog) { shown = dialog.definition(); });
    reports.run(ReportsWindow::Edit);
    EXPECT_EQ(messages.texts(),
              QStringList({"The report Fees shows fields that Members no longer has: Phone, Joined"}));
    EXPECT_EQ(shown.fields, byCounty().fields) << "the dialog opens on what is left";
    EXPECT_TRUE(shown.sort.isEmpty());
    EXPECT_EQ(ReportStore(context).find("Fees")->layout, layoutText(report)) << "the stored report stays";

    messages.clear();
    report.source = QStringLiteral("Former members");
    ASSERT_TRUE(saveReport(context, report, "Fees"));
    onNextDialog<ReportDialog>([&shown](ReportDialog& dialog) { shown = dialog.definition(); });
    reports.run(ReportsWindow::Edit);
    EXPECT_EQ(messages.texts(), QStringList({"The record source is missing: Former members"}));
    EXPECT_EQ(shown.source, "Former members") << "named as it was, to be chosen again";
    messages.clear();
    reports.run(ReportsWindow::Preview);
    EXPECT_EQ(messages.texts(), QStringList({"The record source is missing: Former members"}));
}

TEST_F(ReportsWindowTest, DeleteAsksFirstAndTakesTheReportOutOfTheList)
{
    ASSERT_TRUE(saveReport(context, byCounty()));
    ReportsWindow reports(context);
    ASSERT_TRUE(reports.select("Fees"));
    messages.answer(framework::Answer::No);
    reports.run(ReportsWindow::Delete);
    EXPECT_EQ(messages.texts(), QStringList({"Delete the report Fees?"}));
    EXPECT_EQ(reports.list()->count(), 1);
    messages.answer(framework::Answer::Yes);
    reports.run(ReportsWindow::Delete);
    EXPECT_EQ(reports.list()->count(), 0);
    EXPECT_FALSE(ReportStore(context).find("Fees"));
}

TEST_F(ReportsWindowTest, LabelsOnACustomSheetAreKeptOnlyWhenTheyFitThePaper)
{
    ReportDefinition labels;
    labels.name = QStringLiteral("Stickers");
    labels.source = QStringLiteral("Members");
    labels.labels = true;
    labels.labelLines = {QStringLiteral("[Name]"), QStringLiteral("[County]")};
    labels.sheet = {4, 10, 50, 25, 5, 10, 1, 1};
    ASSERT_TRUE(saveReport(context, labels));
    ReportDialog dialog(context, labels, QStringLiteral("Stickers"));
    EXPECT_EQ(dialog.definition().sheet, labels.sheet) << "a custom grid shows as it was stored";
    EXPECT_EQ(dialog.findChild<QPlainTextEdit*>("labelLines")->toPlainText(), "[Name]\n[County]");
    dialog.refreshPreview();
    ASSERT_TRUE(dialog.previewDocument());

    labels.sheet.columns = 5;
    EXPECT_FALSE(saveReport(context, labels));
    EXPECT_EQ(messages.texts(),
              QStringList({"The labels do not fit on the paper: 259.0 x 269.0 mm of labels on 210.0 x 297.0 mm of A4"}));
    EXPECT_EQ(reportFromLayout("Stickers", "Members", ReportStore(context).find("Stickers")->layout).sheet.columns, 4);
}

TEST_F(ReportsWindowTest, PreviewOfABigSourceShowsItsFirstPageBeforeTheRestIsLaidOut)
{
    CDbTransaction transaction(context);
    for (int i = 0; i < 5000; ++i)
        ASSERT_TRUE(run(QStringLiteral("INSERT INTO Members (Name, County, Fee) VALUES ('M%1', 'C%2', %3)")
                            .arg(i)
                            .arg(i % 7)
                            .arg(i % 50)));
    ASSERT_TRUE(transaction.commit());
    ReportDefinition report = byCounty();
    std::unique_ptr<PrintDocument> document = reportDocument(context, report, askForParameters());
    ASSERT_TRUE(document);
    ReportPreview preview(std::move(document));
    EXPECT_GE(preview.document().pageCount(), 1);
    EXPECT_FALSE(preview.document().isLaidOut()) << "the rest is laid out while the window is on show";
    EXPECT_TRUE(preview.pageLabel()->text().startsWith("Page 1 of ")) << preview.pageLabel()->text().toStdString();
    EXPECT_TRUE(preview.pageLabel()->text().contains("so far"));
    while (preview.layOutSlice()) {
    }
    EXPECT_EQ(preview.pageLabel()->text(), QStringLiteral("Page 1 of %1").arg(preview.document().pageCount()));
    preview.showPage(preview.document().pageCount() - 1);
    EXPECT_EQ(preview.pageView()->page(), preview.document().pageCount() - 1);
}

} // namespace
