// Delimited text files read and imported as tables over the real engine: the values that reach the
// records, the lines refused and why, and the messages that stop an import.
#include "TableFixture.h"
#include "data/DataHistory.h"
#include "data/SqlText.h"
#include "platform/framework/Profile.h"
#include "tables/DatasheetFields.h"
#include "tables/FieldCatalogue.h"
#include "tables/delimited/ColumnGuess.h"
#include "tables/delimited/DelimitedReader.h"
#include "tables/delimited/DelimiterList.h"
#include "tables/delimited/ImportProposal.h"
#include "tables/delimited/TextImport.h"
#include "tables/delimited/TextImportSession.h"
#include "platform/device/DevicePath.h"
#include "support/OtherProgram.h"

#include <QFile>
#include <QFileInfo>

#include <csignal>

#include <sys/resource.h>

using namespace fieldtypes;

namespace {

class TextImportTest : public TableFixture {
protected:
    // Writes the bytes to a file at the device root; the device path of the file.
    QString write(const char* name, const QByteArray& bytes)
    {
        QFile file(QString::fromStdString((root / name).string()));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return QStringLiteral("\\") + QString::fromLatin1(name);
    }
    QList<QStringList> records(const QByteArray& bytes, const QString& delimiter = QStringLiteral(","))
    {
        TextSource source;
        write("read.txt", bytes);
        EXPECT_TRUE(source.open(QString::fromStdString((root / "read.txt").string())));
        DelimitedReader reader(source, Delimiter::fromListEntry(delimiter));
        QList<QStringList> all;
        DelimitedRecord record;
        while (reader.next(record))
            all << (QStringList{QString::number(record.line)} + record.values);
        return all;
    }

    // Previews and imports the file into a new table of the proposed fields.
    ImportOutcome import(const QString& path, const QString& table, bool names = true,
                         const QString& delimiter = QStringLiteral(","))
    {
        const ImportSettings settings{path, delimiter, names, true};
        const std::optional<ImportPreview> preview = readImportPreview(settings);
        if (!preview)
            return {};
        return TextImport(context, settings).run(table, preview->fields, TextImport::Mode::Create);
    }
    QStringList fieldTypes(const ImportPreview& preview)
    {
        QStringList types;
        for (const FieldDefinition& field : preview.fields)
            types << field.name + QLatin1Char(':') + field.type +
                         (field.type == kText ? QLatin1Char(':') + field.properties[0].value : QString());
        return types;
    }
};

} // namespace

TEST_F(TextImportTest, TypedDelimitersKeepEmptyValuesAndBlanksAlignColumns)
{
    EXPECT_EQ(records("Smith,,London\n"), QList<QStringList>({{"1", "Smith", "", "London"}}));
    EXPECT_EQ(records("a,b,\n"), QList<QStringList>({{"1", "a", "b", ""}}));
    // A typed delimiter is one text, never a set of characters, and may cross from one piece of the file
    // into the next.
    EXPECT_EQ(records("a;,b;c,d\n", ";,"), QList<QStringList>({{"1", "a", "b;c,d"}}));
    EXPECT_EQ(records(QByteArray(64 * 1024 - 1, 'x') + "::y\n", "::").value(0).mid(2), QStringList({"y"}));
    for (const char* tab : {"[Tab]", "\\t"})
        EXPECT_EQ(records("Tab\tbat\tt\n", tab), QList<QStringList>({{"1", "Tab", "bat", "t"}})) << tab;
    EXPECT_EQ(records("  Smith   London\tParis \n", "[Space]"), QList<QStringList>({{"1", "Smith", "London", "Paris"}}));
    EXPECT_EQ(records("one, two\nthree\n", "[NewLine]"), QList<QStringList>({{"1", "one, two"}, {"2", "three"}}));
}

TEST_F(TextImportTest, QuotedValuesHoldDelimitersQuotesAndLineBreaks)
{
    EXPECT_EQ(records("\"Smith, John\",\"say \"\"hi\"\"\"\r\n\"two\r\nlines\",x\r\n\r\nlast,\"\"\n"),
              QList<QStringList>({{"1", "Smith, John", "say \"hi\""}, {"2", "two\r\nlines", "x"}, {"5", "last", ""}}));
    // Line breaks inside quotes are kept as written, whatever their kind; the lines still count.
    EXPECT_EQ(records("\"a\nb\r\nc\rd\",x\r\ne,f\n"),
              QList<QStringList>({{"1", "a\nb\r\nc\rd", "x"}, {"5", "e", "f"}}));
    // A quote inside a value that did not start with one is an ordinary character; a lone \r ends a line.
    EXPECT_EQ(records("5\" disk,b\rc,d"), QList<QStringList>({{"1", "5\" disk", "b"}, {"2", "c", "d"}}));
    // Text after a closing quote joins the value, also right after an empty quoted one.
    EXPECT_EQ(records("\"ab\"cd,\"\"x,\"\"\n"), QList<QStringList>({{"1", "abcd", "x", ""}}));
}

TEST_F(TextImportTest, LongLinesStayOneRecord)
{
    const QByteArray longValue(5000, 'x');
    const QList<QStringList> read = records("a," + longValue + "\nb,c\n");
    ASSERT_EQ(read.size(), 2);
    EXPECT_EQ(read[0].value(2).size(), 5000);
    EXPECT_EQ(read[1], QStringList({"2", "b", "c"}));

    // The file is read in pieces: values that cross from one piece into the next come out whole.
    QByteArray many;
    for (int i = 0; i < 20000; ++i)
        many += "Name " + QByteArray::number(i) + ",Oslo\n";
    const QList<QStringList> all = records(many);
    ASSERT_EQ(all.size(), 20000);
    int wrong = 0;
    for (int i = 0; i < all.size(); ++i)
        wrong += all[i] != QStringList({QString::number(i + 1), "Name " + QString::number(i), "Oslo"});
    EXPECT_EQ(wrong, 0);
}

// The reader writes each record over the one before; what the caller kept of that one must not change,
// and no value of a longer or wider record may linger in a shorter one.
TEST_F(TextImportTest, EachRecordIsReadWholeOverTheOneBefore)
{
    write("over.txt", "a long first value,b,c,d\nx\n\"q,1\",\n,\ne,\"\"\"f\"\"\",g\n");
    TextSource source;
    ASSERT_TRUE(source.open(QString::fromStdString((root / "over.txt").string())));
    DelimitedReader reader(source, Delimiter::fromListEntry(QStringLiteral(",")));
    DelimitedRecord record;
    QList<DelimitedRecord> kept;
    while (reader.next(record))
        kept << record;
    ASSERT_EQ(kept.size(), 5);
    EXPECT_EQ(kept[0].values, QStringList({"a long first value", "b", "c", "d"}));
    EXPECT_EQ(kept[1].values, QStringList({"x"}));
    EXPECT_EQ(kept[2].values, QStringList({"q,1", ""}));
    EXPECT_EQ(kept[2].quoted, QList<bool>({true, false}));
    EXPECT_EQ(kept[3].values, QStringList({"", ""}));
    EXPECT_EQ(kept[3].quoted, QList<bool>({false, false}));
    EXPECT_EQ(kept[4].values, QStringList({"e", "\"f\"", "g"}));
    EXPECT_EQ(kept[4].quoted, QList<bool>({false, true, false}));
}

// The lines past the preview are only measured: each value's length and quotes must be what reading it
// gives, whatever crosses a line or a piece of the file.
TEST_F(TextImportTest, MeasuringALineGivesTheShapeReadingItGives)
{
    QByteArray tricky = "a,\"b,\"\"c\"\"\",d\r\n\"two\nlines\"x,,\r\"\",\n,\n# note,1\n\"open";
    QByteArray pieces;
    while (pieces.size() < 200 * 1024)
        pieces += "Name " + QByteArray::number(pieces.size()) + ",\"q,\"\"" + QByteArray(pieces.size() % 97, 'z') + "\"\r\n";
    pieces += QByteArray(70 * 1024, 'w') + ",last"; // one line longer than a piece, at the very end
    const struct {
        QByteArray bytes;
        const char* delimiter;
        bool skipComments;
    } files[] = {{tricky, ",", false}, {tricky, ",", true}, {pieces, ",", false},
                 {"  a \t b  \"c d\"\n\tx\n", "[Space]", false}, {"a<>b<><>c\nd<", "<>", false},
                 {"one\n\ntwo \"q\"\n", "[NewLine]", false}};
    for (const auto& file : files) {
        write("shape.txt", file.bytes);
        const QString path = QString::fromStdString((root / "shape.txt").string());
        TextSource read;
        TextSource measured;
        ASSERT_TRUE(read.open(path) && measured.open(path));
        DelimitedReader reader(read, Delimiter::fromListEntry(file.delimiter), file.skipComments);
        DelimitedReader measurer(measured, Delimiter::fromListEntry(file.delimiter), file.skipComments);
        DelimitedRecord record;
        DelimitedRecord shape;
        int records = 0;
        int wrong = 0;
        while (reader.next(record)) {
            ASSERT_TRUE(measurer.measure(shape)) << file.delimiter << " record " << records;
            QList<qsizetype> lengths;
            for (const QString& value : record.values)
                lengths << value.size();
            wrong += lengths != shape.lengths || record.quoted != shape.quoted || record.line != shape.line ||
                     record.openQuote != shape.openQuote || !shape.values.isEmpty();
            ++records;
        }
        EXPECT_FALSE(measurer.measure(shape));
        EXPECT_EQ(wrong, 0) << file.delimiter << " in " << records << " records";
        EXPECT_GT(records, 1);
    }
}

// A value wider than any the preview shows, on the last lines of the file, still sizes its field: the
// field takes it whole, or becomes a Memo past the longest Text.
TEST_F(TextImportTest, TheWidestValueAtTheEndOfTheFileSizesItsField)
{
    QByteArray lines = "Code,Name,Notes\nL," + QByteArray(140, 'l') + ",long\n"; // shorter texts follow it
    for (int i = 0; i < 1000; ++i)
        lines += "C" + QByteArray::number(i) + ",Ann,short\n";
    const QByteArray wide = "\"" + QByteArray(120, 'n') + "\"\"," + QByteArray(30, 'm') + "\"";
    lines += "Z," + wide + "," + QByteArray(5000, 'x'); // no line end after the last value
    const ImportSettings settings{write("wide_end.csv", lines), ",", true, true};
    const std::optional<ImportPreview> preview = readImportPreview(settings);
    ASSERT_TRUE(preview);
    EXPECT_EQ(fieldTypes(*preview), QStringList({"Code:Text:50", "Name:Text:152", "Notes:Memo"}));
    const ImportOutcome outcome = TextImport(context, settings).run("wide_end", preview->fields, TextImport::Mode::Create);
    EXPECT_EQ(outcome.summary("wide_end"), "Imported 1002 records into wide_end");
    EXPECT_EQ(select("SELECT Name, Notes FROM wide_end WHERE Code = 'C999'"), QList<QStringList>({{"Ann", "short"}}));
    EXPECT_EQ(select("SELECT Name, Notes FROM wide_end WHERE Code = 'Z'"),
              QList<QStringList>({{QString(120, u'n') + "\"," + QString(30, u'm'), QString(5000, u'x')}}));
}

// The file may change between the preview and the import: a value grown past its field since is refused
// with its line, not cut short, and the rest of the file is imported.
TEST_F(TextImportTest, AValueGrownSinceThePreviewIsRefusedByItsLine)
{
    const QString path = write("grown.csv", "Code,Name\nA,Ann\nB,Bob\n");
    const ImportSettings settings{path, ",", true, true};
    const std::optional<ImportPreview> preview = readImportPreview(settings);
    ASSERT_TRUE(preview);
    write("grown.csv", "Code,Name\nA,Ann\nB," + QByteArray(60, 'b') + "\nC,Cy\n");
    const ImportOutcome outcome = TextImport(context, settings).run("grown", preview->fields, TextImport::Mode::Create);
    EXPECT_EQ(outcome.summary("grown"),
              "Imported 2 records into grown\nline 3: \"" + QString(40, u'b') +
                  "...\" is longer than the 50 characters of the field Name");
    EXPECT_EQ(select("SELECT Code FROM grown"), QList<QStringList>({{"A"}, {"C"}}));
}

TEST_F(TextImportTest, EncodingsAreRecognised)
{
    const QString names = QStringLiteral("Name\nJos\u00e9\nRen\u00e9e \u20ac\n");
    QByteArray utf16("\xFF\xFE", 2);
    for (const QChar c : names)
        utf16.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    const QByteArray windows1252 = "Name\nJos\xE9\nRen\xE9\x65 \x80\n";
    const QByteArray utf8Marked = "\xEF\xBB\xBF" + names.toUtf8();
    for (const QByteArray& bytes : {utf16, windows1252, utf8Marked, names.toUtf8()}) {
        const QString path = write("names.txt", bytes);
        const auto preview = readImportPreview({path, QStringLiteral("[NewLine]"), true, true});
        ASSERT_TRUE(preview);
        EXPECT_EQ(preview->fields.value(0).name, "Name");
        EXPECT_EQ(preview->lines, QList<QStringList>({{QStringLiteral("Jos\u00e9")}, {QStringLiteral("Ren\u00e9e \u20ac")}}));
    }
    EXPECT_EQ(readImportPreview({write("a.txt", windows1252), "[NewLine]", true, true})->encoding,
              TextEncoding::Windows1252);
}

// The proposal reads the first lines once for each delimiter it tries, from the same opened file: each
// reading starts again after the byte-order mark and in the encoding the whole file has.
TEST_F(TextImportTest, AFileReadAgainGivesTheSameText)
{
    const QString text = QStringLiteral("Name;Born\nJos\u00e9;1990-05-01\nRen\u00e9e;1985-12-24\n");
    QByteArray utf16("\xFF\xFE", 2);
    for (const QChar c : text)
        utf16.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    QByteArray windows1252 = text.toLatin1();
    windows1252 += QByteArray(200 * 1024, 'x') + "\xE9\n"; // far past the first piece
    for (const QByteArray& bytes : {utf16, "\xEF\xBB\xBF" + text.toUtf8(), windows1252}) {
        write("again.txt", bytes);
        TextSource source;
        ASSERT_TRUE(source.open(QString::fromStdString((root / "again.txt").string())));
        const QString first = source.read();
        EXPECT_TRUE(first.startsWith(text)) << first.left(40).toStdString();
        source.read();
        ASSERT_TRUE(source.rewind());
        EXPECT_EQ(source.read(), first);

        const ImportProposal proposal = proposeImport("\\again.txt");
        EXPECT_EQ(proposal.delimiter, ";");
        EXPECT_TRUE(proposal.firstRowNames) << "the mark is not read as part of the first name";
    }
}

// The whole file decides its encoding, looked at a piece at a time: a character across the end of a piece
// is still UTF-8, and one byte of another encoding far down the file makes it Windows-1252.
TEST_F(TextImportTest, TheWholeFileDecidesItsEncoding)
{
    QByteArray long8 = "Name\n";
    for (int i = 0; long8.size() < 300 * 1024; ++i)
        long8 += (i % 3 == 0 ? "\xE2\x82\xAC\n" : i % 3 == 1 ? "\xF0\x9F\x98\x80x\n" : "\xC3\xA9\n");
    for (const int shift : {0, 1, 2, 3}) {
        const QByteArray bytes = QByteArray(shift, 'a') + long8;
        const auto preview = readImportPreview({write("long.txt", bytes), QStringLiteral("[NewLine]"), false, true});
        ASSERT_TRUE(preview);
        EXPECT_EQ(preview->encoding, TextEncoding::Utf8) << shift;
    }
    const auto latin = readImportPreview({write("late.txt", long8 + "Jos\xE9\n"), QStringLiteral("[NewLine]"), false, true});
    ASSERT_TRUE(latin);
    EXPECT_EQ(latin->encoding, TextEncoding::Windows1252);
}

TEST_F(TextImportTest, FirstRowNamesOrNumberedFields)
{
    const QString path = write("Cities.txt", "Name,City\nAnn,Paris\n");
    auto named = readImportPreview({path, ",", true, true});
    ASSERT_TRUE(named);
    EXPECT_EQ(fieldTypes(*named), QStringList({"Name:Text:50", "City:Text:50"}));
    EXPECT_EQ(named->lines, QList<QStringList>({{"Ann", "Paris"}}));
    auto numbered = readImportPreview({path, ",", false, true});
    ASSERT_TRUE(numbered);
    EXPECT_EQ(fieldTypes(*numbered), QStringList({"Field0:Text:50", "Field1:Text:50"}));
    EXPECT_EQ(numbered->lines.first(), QStringList({"Name", "City"}));
    EXPECT_EQ(importTableName("\\My Documents\\Cities.2024.txt"), "Cities");

    ASSERT_TRUE(import(path, "Cities", false).state == ImportOutcome::State::Imported);
    EXPECT_EQ(select("SELECT Field0, Field1 FROM Cities"), QList<QStringList>({{"Name", "City"}, {"Ann", "Paris"}}));
}

TEST_F(TextImportTest, ProposedTypesFollowTheValues)
{
    const QString path = write("t.txt", "Id,Price,Day,Paid,Zip,Code,Note,Empty\n"
                                        "1,2.5,12/7/2026,yes,0805,\"17\",short,\n"
                                        "-20,3,2026-01-02,No,1234,18," + QByteArray(70, 'n') + ",\n");
    const auto preview = readImportPreview({path, ",", true, true});
    ASSERT_TRUE(preview);
    EXPECT_EQ(fieldTypes(*preview), QStringList({"Id:Integer", "Price:Double", "Day:Date/Time", "Paid:Boolean",
                                                 "Zip:Text:50", "Code:Text:50", "Note:Text:70", "Empty:Text:50"}));

    // A number is proposed only where every value reads back as it was written.
    const QString numbers = write("n.txt", "Version,Plus,Exp,Half,Big,Int,Real\n"
                                           "2.0,+3,1e3,.5,12345678901234567890,-7,-0.125\n"
                                           "3.1,4,2,1.5,1,2147483647,1E+20\n");
    EXPECT_EQ(fieldTypes(*readImportPreview({numbers, ",", true, true})),
              QStringList({"Version:Text:50", "Plus:Text:50", "Exp:Text:50", "Half:Text:50", "Big:Text:50",
                           "Int:Integer", "Real:Double"}));
    const auto asText = readImportPreview({path, ",", true, false});
    EXPECT_EQ(asText->fields.value(0).type, kText);

    // Amounts are written with their places: a column where every decimal has the same two or more is
    // one of numbers, unless a value has more digits than a Double keeps.
    const QString amounts = write("a.txt", "Price,Cents,Mixed,Long,Dated\n"
                                           "2.50,0.125,2.5,12345678901234567.50,2026.01\n"
                                           "1234.99,-3,3.10,1.00,2026.10\n"
                                           "10.00,7.500,4,2.00,12.5.2026\n");
    EXPECT_EQ(fieldTypes(*readImportPreview({amounts, ",", true, true})),
              QStringList({"Price:Double", "Cents:Double", "Mixed:Text:50", "Long:Text:50", "Dated:Text:50"}));
}

// The import dialog and varnel-cli start from the same proposal for a file; the dialog's session
// proposes the names on the first line and a column of prices as numbers, and imports them as such.
TEST_F(TextImportTest, TheDialogsSessionProposesPricesAsNumbers)
{
    const QString path = write("Prices.txt", "Item;Price;Qty\nTea;2.50;3\nLamp;1234.99;1\n");
    TextImportSession session(context, path);
    EXPECT_EQ(session.delimiter(), ";");
    EXPECT_TRUE(session.firstRowNames());
    ASSERT_EQ(session.read(session.delimiter(), session.firstRowNames(), session.skipComments()), PreviewFailure::None);
    QStringList types;
    for (const FieldDefinition& field : session.fields())
        types << field.name + QLatin1Char(':') + field.type;
    EXPECT_EQ(types, QStringList({"Item:Text", "Price:Double", "Qty:Integer"}));
    ASSERT_TRUE(session.import());
    EXPECT_EQ(select("SELECT Price FROM Prices WHERE Item = 'Lamp'"), QList<QStringList>({{"1234.99"}}));
}

TEST_F(TextImportTest, FileAndDelimiterFailures)
{
    EXPECT_FALSE(readImportPreview({write("empty.txt", ""), ",", false, true}));
    EXPECT_FALSE(readImportPreview({"\\missing.txt", ",", false, true}));
    EXPECT_FALSE(readImportPreview({write("one.txt", "Name City\n"), ",", false, true}));
    EXPECT_EQ(messages.texts(), QStringList({"File is Empty", " The File Can't be opened",
                                             "Selected Delimiter is not present in the First Line"}));
    EXPECT_EQ(messages.messages()[0].caption, "Varnel Desk 5.0");
}

TEST_F(TextImportTest, FieldNamesAreChecked)
{
    auto failure = [](const QString& name) {
        return importFieldNameFailure({{"Good", kText, propertyTemplate(kText)}, {name, kText, propertyTemplate(kText)}});
    };
    EXPECT_EQ(failure("Ship_Date"), "Special Characters are not allowed in Field Name");
    EXPECT_EQ(failure("12"), "FieldName Can't be a Number");
    EXPECT_EQ(failure("First Name"), "Spaces are not allowed in Field Name");
    EXPECT_EQ(failure("good"), "Field already exists");
    EXPECT_EQ(failure("City"), "");

    // A name typed over the proposed one is checked before anything is made.
    const ImportSettings settings{write("Ship.txt", "Id,Ship_Date\n1,2\n"), ",", true, true};
    QList<FieldDefinition> fields = readImportPreview(settings)->fields;
    fields[1].name = "Ship_Date";
    EXPECT_EQ(TextImport(context, settings).run("Ship", fields, TextImport::Mode::Create).state,
              ImportOutcome::State::NotStarted);
    EXPECT_EQ(messages.texts(), QStringList({"Special Characters are not allowed in Field Name"}));
    EXPECT_TRUE(tableIdOf(context, "Ship").isEmpty());
}

TEST_F(TextImportTest, HeadersTheNameRulesRefuseGetNamesTheyTake)
{
    EXPECT_EQ(proposedFieldNames({"Contact Phone Number", "eol-lts", "created_at", " Ship  Date ", "Price (EUR)",
                                  "e-mail", "#", "", "2024", "1.5", "Name", "NAME", "name_", "Field7"}),
              QStringList({"ContactPhoneNumber", "eolLts", "createdAt", "ShipDate", "Price(EUR)", "eMail", "Field6",
                           "Field7", "Field2024", "Field15", "Name", "NAME2", "name3", "Field72"}));
    const QStringList longNames = proposedFieldNames({QString(70, u'a'), QString(64, u'a') + "-b"});
    EXPECT_EQ(longNames, QStringList({QString(64, u'a'), QString(63, u'a') + "2"}));

    const QString path = write("Contacts.csv", "Contact Phone Number,eol-lts,created_at,Name\n"
                                               "555-0100,2024-06-30,2020-01-01,Ann\n");
    const ImportSettings settings{path, ",", true, true};
    const std::optional<ImportPreview> preview = readImportPreview(settings);
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->headers, QStringList({"Contact Phone Number", "eol-lts", "created_at", "Name"}));
    const ImportOutcome outcome = TextImport(context, settings).run("Contacts", preview->fields, TextImport::Mode::Create);
    ASSERT_EQ(outcome.state, ImportOutcome::State::Imported);
    EXPECT_EQ(outcome.summary("Contacts"), "Imported 1 records into Contacts\n"
                                           "Fields renamed: \"Contact Phone Number\" as ContactPhoneNumber, "
                                           "\"eol-lts\" as eolLts, \"created_at\" as createdAt");
    EXPECT_EQ(select("SELECT ContactPhoneNumber, Name FROM Contacts"), QList<QStringList>({{"555-0100", "Ann"}}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(TextImportTest, TheFileSuggestsItsDelimiterNotesAndNames)
{
    const auto proposed = [&](const QByteArray& bytes) {
        const ImportProposal proposal = proposeImport(write("suggest.txt", bytes));
        return QStringList{proposal.delimiter, proposal.skipComments ? "skip #" : "keep #",
                           proposal.firstRowNames ? "names" : "data"};
    };
    EXPECT_EQ(proposed("Name,Born,Height\nAnn,1990-05-01,1.70\nBob,1985-12-24,1.82\n"),
              QStringList({",", "keep #", "names"}));
    EXPECT_EQ(proposed("# zones\n#code\tplace\tzone\nAD\t+4230+00131\tEurope/Andorra\n"
                       "AE,OM\t+2518+05518\tAsia/Dubai\tCrozet\n"),
              QStringList({"[Tab]", "skip #", "data"}));
    EXPECT_EQ(proposed("Name;Price\n\"Nut, small\";0,5\nBolt;1,25\n"), QStringList({";", "keep #", "data"}))
        << "decimal commas: no column of numbers";
    EXPECT_EQ(proposed("id|name\n1|a\n2|b\n"), QStringList({"|", "keep #", "names"}));
    EXPECT_EQ(proposed("#,Name\n1,Ann\n2,Bob\n"), QStringList({",", "keep #", "names"}))
        << "a first line that splits like the others is not a note";
    EXPECT_EQ(proposed("Name,City\nAnn,Paris\n"), QStringList({",", "keep #", "data"})) << "texts over texts";
    EXPECT_EQ(proposed("1,2\n3,4\n"), QStringList({",", "keep #", "data"}));
    EXPECT_EQ(proposed("Ann\nBob\n"), QStringList({"[NewLine]", "keep #", "data"}));

    ASSERT_TRUE(run("CREATE TABLE Stock (A int)"));
    ASSERT_TRUE(run("CREATE TABLE Stock2 (A int)"));
    EXPECT_EQ(unusedImportTableName(context, "\\Stock.2024.csv"), "Stock3");
    EXPECT_EQ(unusedImportTableName(context, "\\Prices.csv"), "Prices");
}

TEST_F(TextImportTest, NoteLinesAreSkippedOnlyWhenAsked)
{
    const QString path = write("notes.tab", "# list of zones\nAD\tEurope/Andorra\n#FR\tEurope/Paris\n"
                                            "\"#quoted\"\tkept\n");
    ImportSettings settings{path, "[Tab]", false, true, true};
    const std::optional<ImportPreview> preview = readImportPreview(settings);
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->lines, QList<QStringList>({{"AD", "Europe/Andorra"}, {"#quoted", "kept"}}));
    ASSERT_EQ(TextImport(context, settings).run("Zones", preview->fields, TextImport::Mode::Create).imported, 2);
    settings.skipComments = false;
    EXPECT_FALSE(readImportPreview(settings));
    EXPECT_EQ(messages.texts(), QStringList({"Selected Delimiter is not present in the First Line"}));
}

// A file without names may hold more values further down than on its first line, and a value far down
// may be longer than every one the preview shows.
TEST_F(TextImportTest, LinesWithMoreValuesThanTheFirstGetFields)
{
    QByteArray many = "Code,Name\n";
    for (int i = 0; i < 300; ++i)
        many += "C" + QByteArray::number(i) + ",short\n";
    many += "Z," + QByteArray(80, 'n') + "\n";
    const ImportSettings far{write("far.csv", many), ",", true, true};
    const ImportOutcome whole = TextImport(context, far).run("far", readImportPreview(far)->fields, TextImport::Mode::Create);
    EXPECT_EQ(whole.summary("far"), "Imported 301 records into far");
    EXPECT_EQ(select("SELECT Name FROM far WHERE Code = 'Z'"), QList<QStringList>({{QString(80, u'n')}}));
    EXPECT_EQ(catalogueColumn(whole.tableId, "Len"), QStringList({"50", "80"}));

    const ImportSettings settings{write("wide.tab", "AD\tAndorra\nAE\tDubai\tCrozet\nAF\tKabul\t\t\n"), "[Tab]",
                                  false, true};
    const std::optional<ImportPreview> preview = readImportPreview(settings);
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->fields.size(), 3);
    const ImportOutcome outcome = TextImport(context, settings).run("wide", preview->fields, TextImport::Mode::Create);
    EXPECT_EQ(outcome.imported, 3);
    EXPECT_EQ(select("SELECT * FROM wide"),
              QList<QStringList>({{"AD", "Andorra", ""}, {"AE", "Dubai", "Crozet"}, {"AF", "Kabul", ""}}));
}

TEST_F(TextImportTest, ValuesAreStoredExactlyAndRefusedLinesReported)
{
    const QString path = write("People.txt", "Name,Age,City\n"
                                             "O'Brien,41,\"Dublin, Ireland\"\n"
                                             "Smith,,London\n"
                                             "\"Line\nBreak\",7,x\n"
                                             "Bad,forty,Rome\n"
                                             "Extra,1,Oslo,surplus\n"
                                             "Short,2\n"
                                             "Robert'); DROP TABLE People; --,3,y\n");
    const ImportSettings settings{path, ",", true, true};
    QList<FieldDefinition> fields = readImportPreview(settings)->fields;
    EXPECT_EQ(fields[1].type, kText) << "forty is among the first lines";
    fields[1] = importField("Age", kInteger);
    const ImportOutcome outcome = TextImport(context, settings).run("People", fields, TextImport::Mode::Create);
    ASSERT_EQ(outcome.state, ImportOutcome::State::Imported);
    EXPECT_EQ(outcome.imported, 5);
    ASSERT_EQ(outcome.refused.size(), 2);
    EXPECT_EQ(outcome.refused[0].line, 6);
    EXPECT_EQ(outcome.refused[0].reason, "\"forty\" is not a value of the Integer field Age");
    EXPECT_EQ(outcome.refused[1].line, 7);
    EXPECT_EQ(outcome.refused[1].reason, "4 values for 3 fields");
    EXPECT_EQ(outcome.recordCount, 5);
    EXPECT_EQ(outcome.summary("People", 1),
              "Imported 5 records into People\nline 6: \"forty\" is not a value of the Integer field Age\n"
              "1 more lines refused");
    EXPECT_EQ(select("SELECT Name, Age, City FROM People"),
              QList<QStringList>({{"O'Brien", "41", "Dublin, Ireland"},
                                  {"Smith", "", "London"},
                                  {"Line\nBreak", "7", "x"},
                                  {"Short", "2", ""},
                                  {"Robert'); DROP TABLE People; --", "3", "y"}}));
    EXPECT_EQ(select("SELECT FieldName FROM XNSysTables WHERE TableSource = 'People'"),
              QList<QStringList>({{"Name;Age;City;"}}));
    EXPECT_EQ(catalogueColumn(outcome.tableId, "ODBCType"), QStringList({"12", "4", "12"}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(TextImportTest, CancelLeavesNothingAndAnExistingTableIsRefused)
{
    QByteArray lines = "Id,Name\n";
    for (int i = 0; i < 3000; ++i)
        lines += QByteArray::number(i) + ",n" + QByteArray::number(i) + "\n";
    const QString path = write("Big.txt", lines);
    const ImportSettings settings{path, ",", true, true};
    const auto preview = readImportPreview(settings);
    ASSERT_TRUE(preview);
    int calls = 0;
    const ImportOutcome cancelled = TextImport(context, settings).run("Big", preview->fields, TextImport::Mode::Create,
                                                                      [&](double share) {
                                                                          EXPECT_GT(share, 0.0);
                                                                          return ++calls < 2;
                                                                      });
    EXPECT_EQ(cancelled.state, ImportOutcome::State::Cancelled);
    EXPECT_TRUE(tableIdOf(context, "Big").isEmpty());
    EXPECT_TRUE(select("SELECT * FROM XNSysFields").isEmpty());

    ASSERT_EQ(TextImport(context, settings).run("Big", preview->fields, TextImport::Mode::Create).imported, 3000);
    EXPECT_EQ(TextImport(context, settings).run("Big", preview->fields, TextImport::Mode::Create).state,
              ImportOutcome::State::NotStarted);
    EXPECT_EQ(messages.texts(), QStringList({"Table already exists in the database"}));
}

TEST_F(TextImportTest, AppendMatchesFieldsByName)
{
    ASSERT_EQ(import(write("Stock.txt", "Item,Qty\nNut,4\n"), "Stock").imported, 1);
    const QString more = write("More.txt", "Qty,Item\n5,Bolt\n");
    const ImportSettings settings{more, ",", true, true};
    const ImportOutcome outcome =
        TextImport(context, settings).run("Stock", readImportPreview(settings)->fields, TextImport::Mode::Append);
    EXPECT_EQ(outcome.imported, 1);
    EXPECT_EQ(outcome.recordCount, 2);
    EXPECT_EQ(select("SELECT Item, Qty FROM Stock"), QList<QStringList>({{"Nut", "4"}, {"Bolt", "5"}}));

    const ImportSettings wrong{write("Wrong.txt", "Item,Colour\nx,red\n"), ",", true, true};
    EXPECT_EQ(TextImport(context, wrong).run("Stock", readImportPreview(wrong)->fields, TextImport::Mode::Append).state,
              ImportOutcome::State::NotStarted);
    EXPECT_EQ(messages.texts(), QStringList({"The table Stock has no field Colour"}));
}

// A file that cannot grow (the disk is full) stops the import at its first refused write, with one message
// that says why, instead of refusing each line after it; nothing of the import stays.
TEST_F(TextImportTest, ADiskThatFillsStopsTheImportWithOneMessage)
{
    if (TestDatabase::onServer())
        GTEST_SKIP() << "the limit is on the files this program writes";
    QByteArray lines = "Name,Qty\n";
    for (int i = 0; i < 100000; ++i)
        lines += "item number " + QByteArray::number(i) + "," + QByteArray::number(i) + "\n";
    const ImportSettings settings{write("big.txt", lines), ",", true, true};
    const std::optional<ImportPreview> preview = readImportPreview(settings);
    ASSERT_TRUE(preview);
    const qint64 fileSize = QFileInfo(QString::fromStdString(device::toHostPath(context.databasePath())->toStdString())).size();

    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit full = previous;
    full.rlim_cur = rlim_t(fileSize + 512 * 1024);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
    const ImportOutcome outcome = TextImport(context, settings).run("Big", preview->fields, TextImport::Mode::Create);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(outcome.state, ImportOutcome::State::Failed);
    EXPECT_EQ(outcome.imported, 0);
    EXPECT_TRUE(outcome.refused.isEmpty()) << outcome.summary("Big", 3).toStdString();
    ASSERT_EQ(messages.texts().size(), 1) << messages.texts().join(u'\n').toStdString();
    EXPECT_TRUE(messages.texts()[0].startsWith("The records could not be written to Big; nothing was imported:\n"))
        << messages.texts()[0].toStdString();
    EXPECT_TRUE(tableIdOf(context, "Big").isEmpty());
}

// A record the table itself refuses is one refused line among the others, told in the outcome, not in a
// message of its own; the lines around it are imported.
TEST_F(TextImportTest, ARecordTheTableRefusesIsOneRefusedLine)
{
    if (TestDatabase::onServer())
        GTEST_SKIP() << "the table's rule is given by another program on the file";
    const ImportOutcome first = import(write("Stock.txt", "Item,Qty\nNut,4\n"), "Stock");
    ASSERT_EQ(first.imported, 1);
    ASSERT_TRUE(runInOtherProgram(database.path(), QStringLiteral("CREATE UNIQUE INDEX ItemOnce ON t%1 (c1)").arg(first.tableId)));
    const ImportSettings settings{write("More.txt", "Item,Qty\nBolt,5\nNut,6\nWasher,7\n"), ",", true, true};
    const ImportOutcome outcome =
        TextImport(context, settings).run("Stock", readImportPreview(settings)->fields, TextImport::Mode::Append);
    ASSERT_EQ(outcome.state, ImportOutcome::State::Imported);
    EXPECT_EQ(outcome.imported, 2);
    ASSERT_EQ(outcome.refused.size(), 1);
    EXPECT_EQ(outcome.refused[0].line, 3);
    EXPECT_TRUE(outcome.refused[0].reason.startsWith("the engine refused the record: ")) << outcome.refused[0].reason.toStdString();
    EXPECT_GT(outcome.refused[0].reason.size(), QString("the engine refused the record: ").size());
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'\n').toStdString();
    EXPECT_EQ(select("SELECT Item, Qty FROM Stock"), QList<QStringList>({{"Nut", "4"}, {"Bolt", "5"}, {"Washer", "7"}}));
}

// Records appended with AutoNumbers of their own move the counter past them.
TEST_F(TextImportTest, AppendedNumbersMoveTheAutoNumberOn)
{
    FieldCatalogue catalogue(context, "Parts");
    ASSERT_TRUE(catalogue.CreateTableFromFields({{"PartID", kAutoNumber, propertyTemplate(kAutoNumber)},
                                                 {"Name", kText, propertyTemplate(kText)}},
                                                {}));
    ASSERT_TRUE(storeAutoNumber(context, catalogue.tableId(), "PartID", 3));
    const ImportSettings settings{write("Parts.txt", "PartID,Name\n40,Nut\n41,Bolt\n"), ",", true, true};
    const ImportOutcome outcome =
        TextImport(context, settings).run("Parts", readImportPreview(settings)->fields, TextImport::Mode::Append);
    EXPECT_EQ(outcome.imported, 2);
    EXPECT_EQ(select("SELECT AutoNumber FROM XNSysFields WHERE FieldName = 'PartID'"), QList<QStringList>({{"42"}}));
}

// A table another program made has its field properties filled in by the catalogue check on opening.
TEST_F(TextImportTest, AppendReachesATableMadeBySql)
{
    ASSERT_TRUE(run("CREATE TABLE People (Name varchar(20), Age int, Since datetime, Member bit)"));
    ASSERT_TRUE(OpenDatabase(context, tables, context.databasePath()));
    const ImportSettings settings{write("People.txt", "Ann,41,3/1/2024,yes\nBob,7,12/24/2023,no\n"), ",", false, true};
    const ImportOutcome outcome =
        TextImport(context, settings).run("People", readImportPreview(settings)->fields, TextImport::Mode::Append);
    EXPECT_TRUE(outcome.refused.isEmpty()) << outcome.summary("People").toStdString();
    EXPECT_EQ(select("SELECT * FROM People"),
              QList<QStringList>({{"Ann", "41", "3/1/2024", "-1"}, {"Bob", "7", "12/24/2023", "0"}}));
}

TEST_F(TextImportTest, TypedDelimitersJoinTheList)
{
    const QStringList builtIn{",", "[Space]", "[NewLine]", "[Tab]", ";", "|"};
    EXPECT_EQ(delimiters::entries(), builtIn);
    delimiters::remember("::");
    delimiters::remember("::");
    delimiters::remember("[Space]");
    delimiters::remember(";");
    EXPECT_EQ(delimiters::entries(), builtIn + QStringList({"::"}));
    EXPECT_EQ(framework::GetProfileInt("COMBOBOX_DELIMITER_LIST", "DelimiterCount", 0), 4);
    EXPECT_EQ(framework::GetProfileString("COMBOBOX_DELIMITER_LIST", "Delimit4"), "::");
    // A profile of an earlier version may hold an entry that is now built in; it is offered once.
    framework::WriteProfileInt("COMBOBOX_DELIMITER_LIST", "DelimiterCount", 5);
    framework::WriteProfileString("COMBOBOX_DELIMITER_LIST", "Delimit5", "|");
    EXPECT_EQ(delimiters::entries(), builtIn + QStringList({"::"}));
}

// The import reads the usual forms of numbers and dates itself, for speed; what it stores must be what
// the engine makes of the same text.
TEST_F(TextImportTest, NumbersAndDatesAreStoredAsTheEngineConvertsThem)
{
    const QList<QStringList> lines{{"7", "2.5", "3/1/2024"},       {"-12", "-0.125", "13/5/2024"},
                                   {"007", "1e3", "2024-02-29"},   {"2147483647", ".5", "12/31/1999"},
                                   {" 42 ", "5.", "2024-2-3"},     {"+3", "+1.5E-2", "7/4/1776"}};
    QByteArray file = "N,D,T\n";
    const QList<FieldDefinition> fields{importField("N", kInteger), importField("D", kDouble),
                                        importField("T", kDateTime)};
    ASSERT_TRUE(FieldCatalogue(context, "Engine").CreateTable(fields));
    for (const QStringList& line : lines) {
        file += line.join(',').toUtf8() + '\n';
        ASSERT_TRUE(run("INSERT INTO Engine VALUES ('" + line.join("', '") + "')")) << line.join(',').toStdString();
    }
    const ImportSettings settings{write("Typed.txt", file), ",", true, true};
    const ImportOutcome outcome = TextImport(context, settings).run("Typed", fields, TextImport::Mode::Create);
    EXPECT_EQ(outcome.imported, lines.size());
    EXPECT_EQ(select("SELECT * FROM Typed"), select("SELECT * FROM Engine"));
}

TEST_F(TextImportTest, AnImportIsOneStepThatUndoTakesBackWhole)
{
    if (TestDatabase::onServer())
        GTEST_SKIP() << "a server database keeps no history";
    QByteArray lines = "Name,Qty\n";
    for (int i = 0; i < 10000; ++i)
        lines += "item " + QByteArray::number(i) + "," + QByteArray::number(i) + "\n";
    ASSERT_EQ(import(write("big.txt", lines), "Big").imported, 10000);
    DataHistory history(context);
    EXPECT_EQ(history.undoText(), "Undo Import into Big (10000 records)");
    ASSERT_TRUE(history.undo());
    EXPECT_TRUE(select("SELECT * FROM Big").isEmpty());
    ASSERT_TRUE(history.redo());
    EXPECT_EQ(select("SELECT * FROM Big").size(), 10000);
}

// An undone import keeps its records' values: redo brings back each of them as it was, AutoNumbers too.
TEST_F(TextImportTest, AnUndoneImportIsRedoneWithEveryValueAsItWas)
{
    if (TestDatabase::onServer())
        GTEST_SKIP() << "a server database keeps no history";
    FieldCatalogue catalogue(context, "Parts");
    ASSERT_TRUE(catalogue.CreateTableFromFields({{"PartID", kAutoNumber, propertyTemplate(kAutoNumber)},
                                                 {"Name", kText, propertyTemplate(kText)},
                                                 {"Notes", kMemo, propertyTemplate(kMemo)},
                                                 {"Made", kDateTime, propertyTemplate(kDateTime)},
                                                 {"Stocked", kBoolean, propertyTemplate(kBoolean)},
                                                 {"Price", kDouble, propertyTemplate(kDouble)}},
                                                {}));
    const QByteArray longNote(3000, 'n');
    const ImportSettings settings{write("Parts.txt", "PartID,Name,Notes,Made,Stocked,Price\n"
                                                     "7,\"Nut, \"\"hex\"\"\",Ünïcødé ß,2/29/2024,True,0.1\n"
                                                     "9,\"\",,1999-12-31,False,-1e300\n"
                                                     "12,,\"" + longNote + "\",,,\n"),
                                  ",", true, true};
    const ImportOutcome outcome =
        TextImport(context, settings).run("Parts", readImportPreview(settings)->fields, TextImport::Mode::Append);
    ASSERT_EQ(outcome.imported, 3) << outcome.summary("Parts", 3).toStdString();
    const QString all = QStringLiteral("SELECT PartID, Name, Notes, Made, Stocked, Price FROM Parts");
    const QString unnamed = QStringLiteral("SELECT PartID FROM Parts WHERE Name IS NULL");
    const QList<QStringList> imported = select(all);
    ASSERT_EQ(imported.size(), 3) << messages.texts().join(u'\n').toStdString();
    EXPECT_EQ(imported[0][1], "Nut, \"hex\"");
    EXPECT_EQ(select(unnamed), QList<QStringList>({{"12"}})) << "a quoted empty value is kept apart from none at all";

    DataHistory history(context);
    ASSERT_TRUE(history.undo());
    EXPECT_TRUE(select(all).isEmpty());
    ASSERT_TRUE(history.redo());
    EXPECT_EQ(select(all), imported);
    ASSERT_TRUE(history.undo());
    ASSERT_TRUE(history.redo());
    EXPECT_EQ(select(all), imported);
    EXPECT_EQ(select(unnamed), QList<QStringList>({{"12"}}));
}

// The characters that separate values and rows in the engines' own bulk forms, and those that escape
// them, arrive as they were in the file, past the size of one batch too.
TEST_F(TextImportTest, ValuesThatLookLikeSeparatorsOrEscapesArriveAsWritten)
{
    // Each value as the file writes it, and as it is stored.
    const QList<std::pair<QString, QString>> hostile{
        {"tab\there", "tab\there"}, {"\"two\nlines\r\nthree\"", "two\nlines\r\nthree"},
        {"back\\slash\\", "back\\slash\\"}, {"\\N", "\\N"}, {"\\.", "\\."}, {"\\x41", "\\x41"},
        {QString::fromUtf8("accents é ü ß 日本 😀"), QString::fromUtf8("accents é ü ß 日本 😀")},
        {"\"quoted, \"\"twice\"\"\"", "quoted, \"twice\""}, {"NULL", "NULL"}};
    QByteArray file = "Name,Qty,Day\n";
    QList<QStringList> expected;
    for (int i = 0; i < 12000; ++i) {
        const auto& [written, stored] = hostile[i % hostile.size()];
        file += written.toUtf8() + "," + QByteArray::number(i) + (i % 2 ? ",\n" : ",2024-02-29\n");
        expected << QStringList{stored, QString::number(i), i % 2 ? QString() : QStringLiteral("2/29/2024")};
    }
    const ImportOutcome outcome = import(write("hostile.txt", file), "Hostile");
    ASSERT_EQ(outcome.state, ImportOutcome::State::Imported) << messages.texts().join(u'\n').toStdString();
    EXPECT_EQ(outcome.imported, 12000);
    EXPECT_TRUE(outcome.refused.isEmpty()) << outcome.summary("Hostile", 3).toStdString();
    const QList<QStringList> stored = select("SELECT Name, Qty, Day FROM Hostile");
    ASSERT_EQ(stored.size(), expected.size());
    for (qsizetype i = 0; i < stored.size(); ++i)
        ASSERT_EQ(stored[i], expected[i]) << "line " << i + 2;
}

// A server connection lost in the middle of an import takes the whole import with it: the table it was
// making is not there, the message says why, and the next action reaches the server again.
TEST_F(TextImportTest, AConnectionLostDuringAnImportLeavesNothing)
{
    if (!TestDatabase::onServer())
        GTEST_SKIP() << "a file has no connection to lose";
    QByteArray lines = "Name,Qty\n";
    for (int i = 0; i < 30000; ++i)
        lines += "item " + QByteArray::number(i) + "," + QByteArray::number(i) + "\n";
    const ImportSettings settings{write("big.txt", lines), ",", true, true};
    const std::optional<ImportPreview> preview = readImportPreview(settings);
    ASSERT_TRUE(preview);
    bool dropped = false;
    const ImportOutcome outcome = TextImport(context, settings).run("Big", preview->fields, TextImport::Mode::Create,
                                                                    [&](double) {
                                                                        if (!dropped)
                                                                            EXPECT_EQ(database.server()->dropSessions(), QString());
                                                                        dropped = true;
                                                                        return true;
                                                                    });
    EXPECT_EQ(outcome.state, ImportOutcome::State::Failed);
    EXPECT_EQ(outcome.imported, 0);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith("The records could not be written to Big; nothing was imported"))
        << messages.texts()[0].toStdString();
    EXPECT_TRUE(messages.texts()[0].contains("connection")) << messages.texts()[0].toStdString();
    EXPECT_TRUE(tableIdOf(context, "Big").isEmpty());
    EXPECT_TRUE(select("SELECT * FROM XNSysFields").isEmpty());
    EXPECT_EQ(import(settings.path, "Big").imported, 30000) << "the next import connects again";
}

TEST_F(TextImportTest, RecordsAddedAfterAnImportAreKeptOneByOneAgainAndAnAppendUndoesOnlyItsOwn)
{
    if (TestDatabase::onServer())
        GTEST_SKIP() << "a server database keeps no history";
    ASSERT_EQ(import(write("first.txt", "Name,Qty\npen,1\nink,2\n"), "Stock").imported, 2);
    ASSERT_TRUE(run("INSERT INTO Stock (Name, Qty) VALUES ('cap', 3)"));
    DataHistory history(context);
    EXPECT_EQ(history.undoText(), "Undo Change in Stock (1 record)");

    const ImportSettings settings{write("more.txt", "Name,Qty\nnib,4\n"), ",", true, true};
    ASSERT_EQ(TextImport(context, settings).run("Stock", readImportPreview(settings)->fields, TextImport::Mode::Append).imported,
              1);
    DataHistory appended(context);
    EXPECT_EQ(appended.undoText(), "Undo Import into Stock (1 record)");
    ASSERT_TRUE(appended.undo());
    EXPECT_EQ(select("SELECT Name FROM Stock"), QList<QStringList>({{"pen"}, {"ink"}, {"cap"}}));
    ASSERT_TRUE(appended.undo());
    ASSERT_TRUE(appended.undo());
    EXPECT_TRUE(select("SELECT * FROM Stock").isEmpty());
}
