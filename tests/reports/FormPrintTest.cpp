// Forms on paper, read back from their PDFs: every record of a stored form, one to a page or as many as
// fit, the record on show with what was typed and not yet saved, an automatic form under its field names,
// and controls that do not show on screen staying off the paper.
#include "PdfReading.h"
#include "forms/runtime/FormFixture.h"

#include "reports/FormDocument.h"
#include "reports/PrintOutput.h"

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
                          10, 230, 200, 247)},
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
    ASSERT_GE(forms.formsPerPage(), 2) << "a form of the device's screen leaves room for more";
    const int pages = (5 + forms.formsPerPage() - 1) / forms.formsPerPage();
    ASSERT_EQ(document->pageCount(), pages);
    const QString text = write(*document, "cards.pdf");
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
