// Reports kept in the database: their table made by the first save and by nothing else, a report read back
// exactly as it was saved, names with quotes, a file with reports as a build without them sees it, and
// layout texts that name parts this build does not know.
#include "PrintFixture.h"

#include "data/ReadOnlyDatabase.h"
#include "data/ReportStore.h"
#include "reports/ReportDocument.h"

#include <QFile>

namespace {

class ReportStoreTest : public PrintFixture {
protected:
    bool hasReportTable() { return !select("SELECT TableID FROM MSysTables WHERE TableName = 'XNSysReports'").isEmpty(); }

    static ReportDefinition everyPart()
    {
        ReportDefinition report;
        report.name = QStringLiteral("O'Brien's \"best\" list");
        report.source = QStringLiteral("(Q)Customers by town");
        report.fields = {{"Name", 120}, {"Town", 80}};
        report.groups = {{"Town", GroupBy::Value}, {"Born", GroupBy::Year}, {"Name", GroupBy::FirstLetter},
                         {"Born", GroupBy::Day}};
        report.totals = {{"Owed", Aggregate::Average}, {"Name", Aggregate::Count}};
        report.sort = {{"Name", true}, {"Owed", false}};
        report.reportHeader = QStringLiteral("Header: ünïcode, | ~ ; \"quotes\"");
        report.reportFooter = QStringLiteral("Footer\nwith two lines");
        report.pageHeader = QStringLiteral("Page head");
        report.pageFooter = QStringLiteral("Page foot");
        report.page = {QPageSize::Letter, QPageLayout::Landscape};
        report.sheet = {4, 10, 48.5, 25.4, 3, 4.5, 1, 0.5};
        report.labelLines = {QStringLiteral("[Name]"), QStringLiteral("[Zip] [Town]")};
        return report;
    }
};

TEST_F(ReportStoreTest, TheFirstSaveMakesTheTableAndAReportReadsBackAsItWasSaved)
{
    ReportStore store(context);
    EXPECT_TRUE(store.names().isEmpty());
    EXPECT_FALSE(store.find(QStringLiteral("Anything")));
    EXPECT_FALSE(store.remove(QStringLiteral("Anything")));
    EXPECT_FALSE(hasReportTable()) << "reading and deleting leave a database without reports as it was";

    const ReportDefinition report = everyPart();
    ASSERT_TRUE(saveReport(context, report));
    EXPECT_TRUE(hasReportTable());
    EXPECT_EQ(store.names(), QStringList{report.name});
    const std::optional<ReportDefinition> loaded = loadReport(context, report.name);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded, report);
    EXPECT_EQ(select("SELECT RecordSource FROM XNSysReports"), (QList<QStringList>{{"(Q)Customers by town"}}));
    EXPECT_FALSE(loadReport(context, QStringLiteral("Missing")));
    EXPECT_EQ(messages.texts(), QStringList{"There is no report named Missing"});
}

TEST_F(ReportStoreTest, ResavingUnderAnotherNameReplacesTheOldRowAndDeletingRemovesIt)
{
    ReportDefinition report = everyPart();
    ASSERT_TRUE(saveReport(context, report));
    report.name = QStringLiteral("zeta");
    ASSERT_TRUE(saveReport(context, report));
    report.name = QStringLiteral("Alpha");
    report.fields = {{"Town", 40}};
    ASSERT_TRUE(saveReport(context, report, QStringLiteral("zeta")));
    ReportStore store(context);
    EXPECT_EQ(store.names(), QStringList({"Alpha", "O'Brien's \"best\" list"}));
    EXPECT_EQ(loadReport(context, QStringLiteral("Alpha"))->fields, (QList<ReportField>{{"Town", 40}}));
    ASSERT_TRUE(saveReport(context, report)) << "saving again under its own name";
    EXPECT_EQ(store.names().size(), 2);

    EXPECT_TRUE(store.remove(QStringLiteral("O'Brien's \"best\" list")));
    EXPECT_EQ(store.names(), QStringList{"Alpha"});
}

TEST_F(ReportStoreTest, AReportThatCannotBeSavedLeavesTheDatabaseAsItWas)
{
    ReportDefinition report = everyPart();
    report.name = QString(65, QLatin1Char('x'));
    EXPECT_FALSE(saveReport(context, report));
    report.name = QStringLiteral("   ");
    EXPECT_FALSE(saveReport(context, report));
    EXPECT_EQ(messages.texts(), QStringList(2, QStringLiteral("A report's name has 1 to 64 characters")));
    EXPECT_FALSE(hasReportTable());

    messages.clear();
    const QString path = context.databasePath();
    ASSERT_TRUE(CloseDatabase(context));
    const QString host = QString::fromStdString((root / "Test.cdb").string());
    ASSERT_TRUE(QFile::setPermissions(host, QFileDevice::ReadOwner));
    ASSERT_TRUE(OpenDatabase(context, tables, path));
    messages.clear();
    report.name = QStringLiteral("Kept");
    EXPECT_FALSE(saveReport(context, report));
    EXPECT_EQ(messages.texts(), QStringList{readOnlyDatabaseText()});
    EXPECT_FALSE(hasReportTable());
    QFile::setPermissions(host, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(ReportStoreTest, AFileWithReportsOpensAsBeforeAndItsReportsStayOutOfTheTablesList)
{
    ASSERT_TRUE(run("CREATE TABLE People (Name varchar(20))"));
    ASSERT_TRUE(saveReport(context, everyPart()));
    const QString path = context.databasePath();
    ASSERT_TRUE(CloseDatabase(context));
    ASSERT_TRUE(OpenDatabase(context, tables, path)) << "the catalogue check runs over it";
    QStringList listed;
    for (const QStringList& row : tables.rows)
        listed << row.value(0);
    EXPECT_EQ(listed, QStringList{"People"});
    EXPECT_EQ(ReportStore(context).names(), QStringList{everyPart().name}) << "and leaves the reports alone";
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(ReportStoreTest, ALayoutNamingWhatThisBuildDoesNotKnowKeepsTheDefaultsForIt)
{
    const ReportDefinition report = reportFromLayout(
        "Future", "Sales",
        R"({"kind":"crosstab","fields":[{"name":"A","width":-5},{"width":9},{"name":"B","width":70,"colour":"red"}],
            "groups":[{"field":"A","by":"Week"},{"field":"B"},{"field":"C"},{"field":"D"},{"field":"E"}],
            "totals":[{"field":"B","aggregate":"Median"}],"paper":"A0","orientation":"diagonal",
            "sheet":{"columns":0,"rows":9,"width":"wide"},"watermark":"draft"})");
    EXPECT_FALSE(report.labels);
    EXPECT_EQ(report.fields, (QList<ReportField>{{"A", ReportField::kFitted}, {"B", 70}})) << "a width below 0 is fitted";
    ASSERT_EQ(report.groups.size(), ReportDefinition::kMaxGroups);
    EXPECT_EQ(report.groups.first().by, GroupBy::Value);
    EXPECT_EQ(report.totals.first().aggregate, Aggregate::Count);
    EXPECT_EQ(report.page, PageSetup());
    EXPECT_EQ(report.sheet.columns, LabelSheet().columns);
    EXPECT_EQ(report.sheet.rows, 9);
    EXPECT_EQ(report.sheet.widthMm, LabelSheet().widthMm);

    const ReportDefinition broken = reportFromLayout("Broken", "Sales", "not a layout at all");
    EXPECT_TRUE(broken.fields.isEmpty());
    EXPECT_EQ(broken.source, QStringLiteral("Sales"));
}

} // namespace
