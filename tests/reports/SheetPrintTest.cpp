// A table's records on paper, read back from the PDF: every value as the datasheet shows it, the
// datasheet's filter, sort and hidden columns, wide sheets turned and continued, and the file left as it
// was whenever the print does not finish.
#include "PrintFixture.h"

#include "reports/PageFrame.h"
#include "reports/PrintOutput.h"
#include "reports/PrintSource.h"
#include "reports/SheetDocument.h"
#include "reports/TextStyle.h"

#include <QDir>
#include <QFile>

using namespace fieldtypes;

namespace {

const QString kLongNote = QStringLiteral(
    "A note long enough to run over many lines of its narrow column, with words like antidisestablishmentarianism "
    "that must be broken where the column ends, and it goes on a while longer so that no part of it is lost.");

class SheetPrintTest : public PrintFixture {
protected:
    void SetUp() override
    {
        createTable("Guests", {field("Name", kText, {{"Field Size", "40"}}), field("Notes", kMemo),
                               field("Paid", kBoolean), field("SSN", kText, {{"Input Mask", "##-##-######;0;_"}}),
                               field("Qty", kInteger)});
        for (const char* values : {"('Crème brûlée', 'short', true, '1234567890', 3)",
                                   "('O''Brien', '', false, '', 12)", "('\"Quoted\" Name', 'x', true, '', 7)",
                                   "('', 'no name', false, '', 1)"})
            ASSERT_TRUE(run(QStringLiteral("INSERT INTO Guests (Name, Notes, Paid, SSN, Qty) VALUES ") + values));
        ASSERT_TRUE(run(QStringLiteral("INSERT INTO Guests (Name, Notes, Paid, Qty) VALUES ('Long', '") + kLongNote +
                        QStringLiteral("', false, 2)")));
    }
    // The table's PDF, as varnel-cli prints it.
    QString printTable(const QString& table, const QString& file)
    {
        const std::optional<PrintSource> source = openPrintSource(context, table, askForParameters());
        EXPECT_TRUE(source);
        std::unique_ptr<PrintDocument> document = sheetDocument(context, *source, {});
        EXPECT_TRUE(document);
        EXPECT_EQ(writePdf(*document, pdfPath(file)), PrintOutcome::Done);
        return pdfText(pdfPath(file));
    }
    // True when `wanted` stands in `text` word after word, whatever lines they were wrapped onto.
    static bool hasWordsInOrder(const QString& text, const QString& wanted)
    {
        const QStringList all = words(text);
        qsizetype at = 0;
        for (const QString& word : words(wanted)) {
            // A word broken at the column's edge comes back in pieces.
            QString rest = word;
            while (!rest.isEmpty()) {
                while (at < all.size() && !rest.startsWith(all[at]))
                    ++at;
                if (at == all.size())
                    return false;
                rest = rest.mid(all[at++].size());
            }
        }
        return true;
    }
};

TEST_F(SheetPrintTest, EveryValueReachesThePaperAsTheDatasheetShowsIt)
{
    const QString text = printTable("Guests", "guests.pdf");
    // Narrow columns wrap values of more than one word.
    for (const char* value : {"Crème brûlée", "O'Brien", "\"Quoted\" Name", "no name", "12-34-567890", "YES", "NO"})
        EXPECT_TRUE(hasWordsInOrder(text, QString::fromUtf8(value))) << value;
    EXPECT_TRUE(hasWordsInOrder(text, kLongNote)) << text.toStdString();
    EXPECT_FALSE(text.contains(kCutMark)) << "a value that fits its page is never cut";
    EXPECT_TRUE(text.contains(QStringLiteral("Guests")));
    EXPECT_TRUE(text.contains(printedDate(QDate::currentDate())));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 1 of 1")));

    // The datasheet's own cells, record by record, are what the paper shows.
    ASSERT_TRUE(open(QStringLiteral("Guests")));
    for (int row = 1; row < grid.rowCount(); ++row)
        for (int column = 1; column < grid.columnCount(); ++column)
            EXPECT_TRUE(hasWordsInOrder(text, grid.text(row, column))) << grid.text(row, column).toStdString();
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(SheetPrintTest, AnUntouchedColumnIsWideEnoughForItsValuesWithinAMaximum)
{
    createTable("Dates", {field("Joined", kDateTime), field("Town", kText)});
    ASSERT_TRUE(run("INSERT INTO Dates (Joined, Town) VALUES ('2023-12-01', 'São Paulo do Sul')"));
    const QString dates = printTable("Dates", "dates.pdf");
    EXPECT_TRUE(dates.contains(QStringLiteral("12/1/2023"))) << "a date is never broken: " << dates.toStdString();
    EXPECT_TRUE(dates.contains(QStringLiteral("São Paulo do Sul")));

    const QString guests = printTable("Guests", "guests.pdf");
    for (const char* value : {"Crème brûlée", "\"Quoted\" Name", "no name"})
        EXPECT_TRUE(guests.contains(QString::fromUtf8(value))) << value << " on one line";
    EXPECT_FALSE(guests.contains(kLongNote.left(60))) << "a long note still wraps inside its widest column";
    EXPECT_TRUE(hasWordsInOrder(guests, kLongNote));
}

TEST_F(SheetPrintTest, TheDatasheetPrintsItsFilterSortAndColumnsAsTheyAreNow)
{
    ASSERT_TRUE(open(QStringLiteral("Guests")));
    ASSERT_TRUE(sheet.showRecordsOf(QStringLiteral("SELECT * FROM Guests WHERE Qty > 2 ORDER BY Qty DESC")));
    grid.setCurrentCell(1, 2);
    sheet.hideColumn();
    std::unique_ptr<PrintDocument> document = datasheetDocument(context, sheet, grid);
    ASSERT_TRUE(document);
    ASSERT_EQ(writePdf(*document, pdfPath("shown.pdf")), PrintOutcome::Done);
    const QString text = pdfText(pdfPath("shown.pdf"));

    EXPECT_FALSE(text.contains(QStringLiteral("Notes"))) << "the hidden column stays off the paper";
    EXPECT_FALSE(text.contains(QStringLiteral("short")));
    EXPECT_FALSE(text.contains(QStringLiteral("Long"))) << "the filter leaves it out";
    const qsizetype brien = text.indexOf(QStringLiteral("O'Brien"));
    const qsizetype quoted = text.indexOf(QStringLiteral("\"Quoted\""));
    const qsizetype creme = text.indexOf(QStringLiteral("Crème"));
    EXPECT_TRUE(brien >= 0 && brien < quoted && quoted < creme) << "by Qty, descending: " << text.toStdString();
}

TEST_F(SheetPrintTest, AWideSheetTurnsToLandscapeThenContinuesWithItsFirstColumnRepeated)
{
    QList<FieldDefinition> nine;
    for (int i = 1; i <= 9; ++i)
        nine << field(QStringLiteral("Column%1").arg(i), kText);
    createTable("Nine", nine);
    // Untouched columns are fitted to their values: these fill a portrait page and more.
    ASSERT_TRUE(run("INSERT INTO Nine VALUES ('first value 01', 'a value of 02', 'a value of 03', 'a value of 04', "
                    "'a value of 05', 'a value of 06', 'a value of 07', 'a value of 08', 'ninth value 09')"));
    const QString nineText = printTable("Nine", "nine.pdf");
    EXPECT_TRUE(pdfInfo(pdfPath("nine.pdf")).contains(QStringLiteral("842 x 595 pts (A4)"))) << "landscape A4";
    EXPECT_TRUE(nineText.contains(QStringLiteral("Page 1 of 1")));

    QList<FieldDefinition> wide;
    for (int i = 1; i <= 20; ++i)
        wide << field(QStringLiteral("Field%1").arg(i, 2, 10, QLatin1Char('0')), kText);
    createTable("Wide", wide);
    for (int record = 1; record <= 3; ++record)
        ASSERT_TRUE(run(QStringLiteral("INSERT INTO Wide (Field01, Field12, Field20) VALUES ('key%1', 'middle%1', 'last%1')")
                            .arg(record)));
    printTable("Wide", "wide.pdf");
    const QString first = pdfText(pdfPath("wide.pdf"), 1, 1);
    const QString second = pdfText(pdfPath("wide.pdf"), 2, 2);
    EXPECT_TRUE(first.contains(QStringLiteral("Page 1 of 2")));
    EXPECT_TRUE(first.contains(QStringLiteral("middle3")));
    EXPECT_FALSE(first.contains(QStringLiteral("Field20")));
    EXPECT_TRUE(second.contains(QStringLiteral("Page 2 of 2")));
    EXPECT_TRUE(second.contains(QStringLiteral("Wide (continued)")));
    for (const char* value : {"Field01", "key1", "key3", "Field20", "last1", "last3"})
        EXPECT_TRUE(second.contains(QLatin1String(value))) << value << " on the continued page";
    EXPECT_FALSE(second.contains(QStringLiteral("middle1")));
}

TEST_F(SheetPrintTest, AValueLongerThanAWholePageIsCutWithAMark)
{
    QString huge;
    for (int i = 0; i < 3000; ++i)
        huge += QStringLiteral("word%1 ").arg(i);
    ASSERT_TRUE(run(QStringLiteral("INSERT INTO Guests (Name, Notes) VALUES ('Huge', '") + huge + QStringLiteral("')")));
    const QString text = printTable("Guests", "huge.pdf");
    EXPECT_TRUE(text.contains(kCutMark));
    EXPECT_TRUE(text.contains(QStringLiteral("word0 ")));
    EXPECT_FALSE(text.contains(QStringLiteral("word2999")));
    EXPECT_TRUE(text.contains(QStringLiteral("Long"))) << "the records after it still print";
}

TEST_F(SheetPrintTest, APrintThatDoesNotFinishLeavesTheFileAsItWas)
{
    const std::optional<PrintSource> source = openPrintSource(context, QStringLiteral("Guests"), askForParameters());
    ASSERT_TRUE(source);
    std::unique_ptr<PrintDocument> document = sheetDocument(context, *source, {});
    const QString nowhere = pdfPath("no such folder/guests.pdf");
    EXPECT_EQ(writePdf(*document, nowhere), PrintOutcome::Failed);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("The PDF file could not be written: ") + nowhere});
    EXPECT_FALSE(QFile::exists(nowhere));

    const QString kept = pdfPath("kept.pdf");
    {
        QFile old(kept);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the PDF of yesterday");
    }
    messages.clear();
    QStringList steps;
    const auto cancelWhilePrinting = [&steps](const PrintProgress& progress) {
        steps << progress.step;
        return progress.step != QLatin1String("Printing");
    };
    EXPECT_EQ(writePdf(*document, kept, cancelWhilePrinting), PrintOutcome::Cancelled);
    EXPECT_EQ(steps.last(), QStringLiteral("Printing"));
    QFile old(kept);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("the PDF of yesterday"));
    EXPECT_TRUE(messages.texts().isEmpty()) << "cancelling is no failure";
    EXPECT_EQ(QDir(QString::fromStdString(root.path().string())).entryList({"kept.pdf*"}, QDir::Files),
              QStringList{"kept.pdf"}) << "no temporary file stays behind";
}

TEST_F(SheetPrintTest, ASourceThatIsGoneOrChangesRecordsIsRefusedByName)
{
    EXPECT_FALSE(openPrintSource(context, QStringLiteral("Nowhere"), askForParameters()));
    EXPECT_FALSE(openPrintSource(context, QStringLiteral("(Q)Nothing"), askForParameters()));
    ASSERT_TRUE(run("INSERT INTO XNSysQueries (QueryID, QueryName, QueryType, QueryStmt) VALUES "
                    "(1, 'Purge', 2, 'DELETE FROM Guests')"));
    EXPECT_FALSE(openPrintSource(context, QStringLiteral("(Q)Purge"), askForParameters()));
    EXPECT_EQ(messages.texts(), QStringList({QStringLiteral("The record source is missing: Nowhere"),
                                             QStringLiteral("The record source is missing: (Q)Nothing"),
                                             QStringLiteral("Only the records of a select query can be printed: Purge")}));
    EXPECT_EQ(select("SELECT Name FROM Guests").size(), 5) << "nothing was deleted";
}

} // namespace
