// Forms on paper, read back from their PDFs: every record of a stored form, one to a page or as many as
// fit, the record on show with what was typed and not yet saved, an automatic form under its field names,
// and controls that do not show on screen staying off the paper.
#include "PdfReading.h"
#include "forms/runtime/FormFixture.h"

#include "forms/controls/ControlLook.h"
#include "reports/FormDocument.h"
#include "reports/FormPicture.h"
#include "reports/PrintOutput.h"
#include "reports/TextStyle.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>

#include <cmath>

using namespace fieldtypes;

namespace {

class FormPrintTest : public FormFixture {
protected:
    static void SetUpTestSuite() { ensureGuiApplication(); }

    void SetUp() override
    {
        createTable("Members", {field("Name", kText), field("Town", kText), field("Paid", kBoolean)});
        for (int i = 1; i <= 5; ++i)
            ASSERT_TRUE(run(QStringLiteral("INSERT INTO Members (Name, Town, Paid) VALUES ('Member %1', 'Town%1', %2)")
                                .arg(i)
                                .arg(i % 2 ? "true" : "false")));
        storeForm("Members card", "Members",
                  {placed(control(ControlKind::Label, "Heading", {}, {{"Caption", "Membership card"}}), 10, 30, 200, 48),
                   placed(control(ControlKind::TextBox, "Name", "Members.Name"), 10, 55, 200, 72),
                   placed(control(ControlKind::CheckBox, "Paid", "Members.Paid", {{"Caption", "Paid up"}}), 10, 80, 200, 97),
                   placed(control(ControlKind::TabControl, "Pages", {}, {{"TabNames", "Front,Back"}}), 10, 110, 230, 220),
                   placed(control(ControlKind::TextBox, "Town", "Members.Town", {{"ParentId", "T10"}}), 5, 5, 150, 22),
                   placed(control(ControlKind::Label, "Secret", {}, {{"Caption", "On the back page"}, {"ParentId", "T11"}}),
                          5, 5, 150, 22),
                   placed(control(ControlKind::Label, "Hidden", {}, {{"Caption", "Never shown"}, {"Visible", "No"}}),
                          10, 230, 200, 247),
                   placed(control(ControlKind::CommandButton, "Next", {}, {{"Caption", "Next record"}}), 150, 225, 230, 245)},
                  {{"Caption", "Club"}});
    }
    static PropertySet placed(PropertySet properties, int left, int top, int right, int bottom)
    {
        SetLocation(properties, left, top, right, bottom);
        return properties;
    }
    QString pdfPath(const QString& name) const { return QString::fromStdString((root / name.toStdString()).string()); }
    QString write(PrintDocument& document, const QString& file)
    {
        EXPECT_EQ(writePdf(document, pdfPath(file)), PrintOutcome::Done);
        return pdfText(pdfPath(file));
    }
};

TEST_F(FormPrintTest, EveryRecordOfAStoredFormPrintsAsTheFormShowsIt)
{
    std::unique_ptr<PrintDocument> document =
        formRecordsDocument(context, QStringLiteral("Members card"), false, false);
    ASSERT_TRUE(document);
    const auto& forms = dynamic_cast<const FormDocument&>(*document);
    EXPECT_EQ(forms.formsAcross(), 2);
    const QString text = write(*document, "cards.pdf");
    const int pages = 1;
    EXPECT_EQ(document->pageCount(), pages) << "forms 225 points tall, three rows of two on A4";
    for (int i = 1; i <= 5; ++i) {
        EXPECT_TRUE(text.contains(QStringLiteral("Member %1").arg(i))) << i;
        EXPECT_TRUE(text.contains(QStringLiteral("Town%1").arg(i))) << "a control on the first tab page " << i;
    }
    EXPECT_EQ(text.count(QStringLiteral("Membership card")), 5);
    EXPECT_EQ(text.count(QStringLiteral("Paid up")), 5);
    EXPECT_EQ(text.count(QStringLiteral("Club")), 5) << "the form's caption";
    EXPECT_EQ(text.count(QStringLiteral("Front")), 5);
    EXPECT_FALSE(text.contains(QStringLiteral("On the back page"))) << "the tab control shows its first page";
    EXPECT_FALSE(text.contains(QStringLiteral("Never shown")));
    EXPECT_FALSE(text.contains(QStringLiteral("Next record"))) << "a button is for the screen";
    EXPECT_TRUE(text.contains(QStringLiteral("Members card")));
    EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %1").arg(pages)));
}

TEST_F(FormPrintTest, OneRecordToAPagePutsEachOnItsOwnPage)
{
    std::unique_ptr<PrintDocument> document = formRecordsDocument(context, QStringLiteral("Members card"), false, true);
    ASSERT_TRUE(document);
    ASSERT_EQ(document->pageCount(), 5);
    write(*document, "one.pdf");
    const QString third = pdfText(pdfPath("one.pdf"), 3, 3);
    EXPECT_TRUE(third.contains(QStringLiteral("Member 3")));
    EXPECT_FALSE(third.contains(QStringLiteral("Member 2")));
    EXPECT_TRUE(third.contains(QStringLiteral("Page 3 of 5")));

    EXPECT_FALSE(formRecordsDocument(context, QStringLiteral("No such form"), false, true));
    EXPECT_EQ(messages.texts(), QStringList{"There is no form named No such form"});
}

TEST_F(FormPrintTest, AValueTooLongForItsBoxWrapsAndPushesWhatIsBelowItDown)
{
    const QString name = QStringLiteral("Member 6 of the Royal Society of Long Names, Köln");
    ASSERT_TRUE(run(QStringLiteral("INSERT INTO Members (Name, Town, Paid) VALUES ('") + name + QStringLiteral("', 'Town6', true)")));
    std::unique_ptr<PrintDocument> document = formRecordsDocument(context, QStringLiteral("Members card"), false, true);
    ASSERT_TRUE(document);
    write(*document, "long.pdf");
    const QStringList lines = pdfText(pdfPath("long.pdf"), 6, 6).split(QLatin1Char('\n'));
    QStringList shown;
    qsizetype last = -1;
    qsizetype paid = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].contains(QStringLiteral("Paid up")))
            paid = i;
        else if (paid < 0 && i > 0 && !lines[i].contains(QStringLiteral("Membership card")) &&
                 !lines[i].contains(QStringLiteral("Club")) && !lines[i].trimmed().isEmpty() && shown.size() < 8) {
            shown << lines[i].simplified();
            last = i;
        }
    }
    EXPECT_EQ(shown.join(QLatin1Char(' ')), name) << lines.join('\n').toStdString();
    EXPECT_GT(shown.size(), 1) << "the value wraps inside its box";
    EXPECT_LT(last, paid) << "the tick below moves down under the whole value";
    EXPECT_FALSE(lines.join(QString()).contains(kCutMark));
}

TEST_F(FormPrintTest, EveryFormsFrameIsWholeInThePdf)
{
    std::unique_ptr<PrintDocument> document = formRecordsDocument(context, QStringLiteral("Members card"), false, false);
    ASSERT_TRUE(document);
    write(*document, "frames.pdf");
    // The first page as a picture of 60 dots an inch, where a thin edge under a clip was lost.
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                                               QStringLiteral("-singlefile"), pdfPath("frames.pdf"), pdfPath("frames")});
    ASSERT_TRUE(pdftoppm.waitForFinished(60000));
    const QImage page(pdfPath("frames.png"));
    ASSERT_FALSE(page.isNull());
    const double margin = PageSetup::kMarginMm * 72 / 25.4;
    ASSERT_TRUE(openForm(QStringLiteral("Members card")));
    const double width = FormPicture::of(form).size().width();
    // A dark dot within a point or two of `x`, on the line `y`.
    const auto inked = [&page](double x, int y) {
        for (int dx = -1; dx <= 1; ++dx)
            if (qGray(page.pixel(int(std::lround(x * 60 / 72)) + dx, y)) < 200)
                return true;
        return false;
    };
    for (int y = 100; y <= 200; y += 50) {
        EXPECT_TRUE(inked(margin, y)) << "left edge of the first form at " << y;
        EXPECT_TRUE(inked(margin + width, y)) << "right edge of the first form at " << y;
        EXPECT_TRUE(inked(margin + 2 * width + 12, y)) << "right edge of the second form at " << y;
    }
}

TEST_F(FormPrintTest, TheRecordOnShowPrintsWithWhatWasTypedAndNotYetSaved)
{
    ASSERT_TRUE(openForm(QStringLiteral("Members card")));
    ASSERT_TRUE(form.goToRecord(2));
    ASSERT_TRUE(type(QStringLiteral("Name"), QStringLiteral("Member 2 and Zoë")));
    FormDocument document(FormPicture::of(form), PageFrame{QStringLiteral("Members card"), QString(), QDate::currentDate()});
    EXPECT_EQ(document.pageCount(), 1);
    const QString text = write(document, "current.pdf");
    EXPECT_TRUE(text.contains(QStringLiteral("Member 2 and Zoë"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Member 1")));
    EXPECT_EQ(select("SELECT Name FROM Members WHERE Name LIKE '*Zoë'").size(), 0) << "printing saves nothing";
}

TEST_F(FormPrintTest, AnAutomaticFormPrintsItsControlsUnderTheirFieldNames)
{
    std::unique_ptr<PrintDocument> document = formRecordsDocument(context, QStringLiteral("Members"), true, false);
    ASSERT_TRUE(document);
    const QString text = write(*document, "auto.pdf");
    EXPECT_EQ(text.count(QStringLiteral("Town")), 5 * 2) << "a name above each value";
    EXPECT_TRUE(text.contains(QStringLiteral("Member 4")));
}

} // namespace

// A label shows its text from its very edge and a list its items beside its scroll bar; paper keeps a
// margin and draws its glyphs unhinted. What fits on screen must still print whole, not cut with the mark.
TEST_F(FormPrintTest, WhatFitsALabelOrAListOnScreenPrintsWhole)
{
    const QStringList names{QStringLiteral("Müller & Söhne"), QStringLiteral("O'Brien Ltd"),
                            QStringLiteral("São Paulo Foods")};
    const QFontMetrics screen(StoredFont(QStringLiteral("Tahoma-11-FALSE-FALSE-FALSE-FALSE")));
    int widest = 0;
    for (const QString& name : names)
        widest = std::max(widest, screen.horizontalAdvance(name));
    FormControl label;
    label.properties = placed(control(ControlKind::Label, "Supplier", "Suppliers.Name"), 10, 30, 11 + widest, 47);
    label.text = names[2];
    FormControl list;
    // A frame of two pixels each side and the scroll bar's sixteen.
    list.properties = placed(control(ControlKind::ListBox, "Suppliers"), 10, 60, 30 + widest, 120);
    list.items = names;
    FormControl tooLong;
    tooLong.properties = placed(control(ControlKind::Label, "Note", {}, {{"Caption", "Deliveries on weekdays before noon only, please ring first"}}), 10, 130,
                                11 + widest, 147);
    const FormPicture form{BuildPropertySet(ControlKind::FormProps), true, {label, list, tooLong}};

    const QString path = pdfPath("fits.pdf");
    {
        QPdfWriter writer(path);
        QPainter painter(&writer);
        paintInPoints(painter);
        form.paint(painter);
    }
    const QString text = pdfText(path);
    for (const QString& name : names)
        EXPECT_EQ(text.count(name), name == names[2] ? 2 : 1) << name.toStdString() << "\n" << text.toStdString();
    EXPECT_EQ(text.count(kCutMark), 1) << "only the caption far wider than its label is cut";
}
