// Tables written as delimited text and read back: the file's quoting, and an export imported again
// giving the same fields, types and values.
#include "TableFixture.h"
#include "data/CAppContext.h"
#include "data/DateStyle.h"
#include "data/SqlText.h"
#include "tables/FieldCatalogue.h"
#include "data/SqliteExport.h"
#include "tables/delimited/TextExport.h"
#include "tables/delimited/TextImport.h"

#include <QFile>

#include <sqlite3.h>

using namespace fieldtypes;

namespace {

class TextExportTest : public TableFixture {
protected:
    QByteArray fileBytes(const char* name)
    {
        QFile file(QString::fromStdString((root / name).string()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList fieldsOf(const QString& table)
    {
        QStringList described;
        for (const LoadedField& field : FieldCatalogue(context, table).LoadFields())
            described << field.definition.name + QLatin1Char(':') + field.definition.type;
        return described;
    }
};

} // namespace

TEST_F(TextExportTest, ValuesAreQuotedWhereTheyWouldBreakTheLine)
{
    const Delimiter comma = Delimiter::fromListEntry(",");
    EXPECT_EQ(delimitedValue("plain", comma), "plain");
    EXPECT_EQ(delimitedValue("a,b", comma), "\"a,b\"");
    EXPECT_EQ(delimitedValue("say \"hi\"", comma), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(delimitedValue("two\nlines", comma), "\"two\nlines\"");
    EXPECT_EQ(delimitedValue("a b", Delimiter::fromListEntry("[Space]")), "\"a b\"");
    EXPECT_EQ(ExportSource::fromText("Totals(Q)").isQuery, true);
    EXPECT_EQ(ExportSource::fromText("Totals(Q)").name, "Totals");
}

TEST_F(TextExportTest, AnExportImportsAsTheSameTable)
{
    FieldCatalogue people(context, "People");
    ASSERT_TRUE(people.CreateTable({{"Name", kText, propertyTemplate(kText)},
                                    {"Zip", kText, propertyTemplate(kText)},
                                    {"Age", kInteger, propertyTemplate(kInteger)},
                                    {"Height", kDouble, propertyTemplate(kDouble)},
                                    {"Born", kDateTime, propertyTemplate(kDateTime)},
                                    {"Member", kBoolean, propertyTemplate(kBoolean)}}));
    ASSERT_TRUE(run("INSERT INTO People VALUES ('O''Brien, Seán', '0805', 41, 2, '12/7/1985', true)"));
    ASSERT_TRUE(run("INSERT INTO People VALUES ('Line\nBreak \"quoted\"', '', null, 1.75, null, false)"));
    const QList<QStringList> stored = select("SELECT * FROM People");

    ASSERT_EQ(exportDelimited(context, ExportSource::fromText("People"), "\\People.txt", ";"), 2);
    EXPECT_TRUE(fileBytes("People.txt").startsWith("Name;Zip;Age;Height;Born;Member\r\n\"O'Brien, Se\xC3\xA1n\";\"0805\";41;2;"));

    const ImportSettings settings{"\\People.txt", ";", true, true};
    const auto preview = readImportPreview(settings);
    ASSERT_TRUE(preview);
    const ImportOutcome outcome = TextImport(context, settings).run("Again", preview->fields, TextImport::Mode::Create);
    EXPECT_EQ(outcome.imported, 2);
    EXPECT_EQ(fieldsOf("Again"), fieldsOf("People"));
    EXPECT_EQ(select("SELECT * FROM Again"), stored);
}

TEST_F(TextExportTest, DatesAreWrittenInTheChosenDateStyle)
{
    FieldCatalogue visits(context, "Visits");
    ASSERT_TRUE(visits.CreateTable({{"Due", kDateTime, propertyTemplate(kDateTime)}}));
    ASSERT_TRUE(run("INSERT INTO Visits VALUES ('12/7/2026')"));
    ASSERT_TRUE(run("INSERT INTO Visits VALUES ('3/4/2026 10:05:09 AM')"));
    ASSERT_EQ(exportDelimited(context, ExportSource::fromText("Visits"), "\\Engine.txt", ","), 2);
    EXPECT_EQ(fileBytes("Engine.txt"), "Due\r\n12/7/2026\r\n3/4/2026 10:05:09 AM\r\n") << "the default style";

    const QStringList styles = dateStyles();
    ASSERT_GT(styles.size(), 1);
    context.general.Default_Date_Style = int(styles.size()) - 1;
    ASSERT_EQ(exportDelimited(context, ExportSource::fromText("Visits"), "\\Styled.txt", ","), 2);
    const QString expected = QStringLiteral("Due\r\n%1\r\n%2\r\n")
                                 .arg(delimitedValue(styledDate("12/7/2026", styles.last()), Delimiter::fromListEntry(",")),
                                      delimitedValue(styledDate("3/4/2026 10:05:09 AM", styles.last()),
                                                     Delimiter::fromListEntry(",")));
    EXPECT_EQ(QString::fromUtf8(fileBytes("Styled.txt")), expected);
    EXPECT_NE(fileBytes("Styled.txt"), fileBytes("Engine.txt"));
}

TEST_F(TextExportTest, MissingSourcesAndNewLineRefused)
{
    EXPECT_FALSE(exportDelimited(context, ExportSource::fromText("Nothing"), "\\n.txt", ","));
    ASSERT_TRUE(FieldCatalogue(context, "Two").CreateTable(
        {{"A", kText, propertyTemplate(kText)}, {"B", kText, propertyTemplate(kText)}}));
    EXPECT_FALSE(exportDelimited(context, ExportSource::fromText("Two"), "\\two.txt", "[NewLine]"));
    EXPECT_EQ(messages.texts(), QStringList({"Error opening the table Nothing",
                                             "Choose a delimiter that separates the values of one line"}));
    EXPECT_TRUE(fileBytes("two.txt").isEmpty());
}

TEST_F(TextExportTest, SqliteExportKeepsNamesTypesRecordsAndIndexes)
{
    ASSERT_TRUE(FieldCatalogue(context, "Order Items").CreateTable({{"Item Name", kText, propertyTemplate(kText)},
                                                                    {"Qty", kInteger, propertyTemplate(kInteger)},
                                                                    {"Due", kDateTime, propertyTemplate(kDateTime)},
                                                                    {"Paid", kBoolean, propertyTemplate(kBoolean)}}));
    ASSERT_TRUE(run("INSERT INTO 'Order Items' VALUES ('Nut \"M4\"', 4, '12/7/2026 10:30 PM', true)"));
    ASSERT_TRUE(run("INSERT INTO 'Order Items' VALUES (null, null, null, false)"));
    ASSERT_TRUE(run("CREATE INDEX 'ByQty' ON 'Order Items' ('Qty')"));
    const QString file = QString::fromStdString((root / "plain.db").string());
    ASSERT_EQ(exportSqliteDatabase(context, file), 1);

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    QStringList seen;
    const auto collect = [](void* into, int count, char** values, char**) {
        QStringList row;
        for (int i = 0; i < count; ++i)
            row << (values[i] ? QString::fromUtf8(values[i]) : QStringLiteral("NULL"));
        static_cast<QStringList*>(into)->append(row.join(u'|'));
        return 0;
    };
    sqlite3_exec(db, "SELECT * FROM \"Order Items\"", collect, &seen, nullptr);
    sqlite3_exec(db, "SELECT type, name FROM sqlite_master ORDER BY name", collect, &seen, nullptr);
    sqlite3_close(db);
    EXPECT_EQ(seen, QStringList({"Nut \"M4\"|4|2026-12-07 22:30:00|1", "NULL|NULL|NULL|0", "table|Order Items",
                                 "index|Order Items_ByQty"}));
}
