// Rendering a grouped report of 10,000 records to PDF: the best of five runs, in pages per second. The
// records are written to a plain SQLite file as well (the path given), so that the script can time the
// sqlite3 shell making the same grouped sums as text.
// Usage: report_bench OUT.sqlite
#include "BenchDatabase.h"
#include "reports/PrintDocument.h"
#include "reports/PrintOutput.h"
#include "reports/ReportDocument.h"
#include "tables/FieldTypes.h"
#include "data/SqliteExport.h"

#include <QGuiApplication>

#include <cstdio>

namespace {

constexpr int kRecords = 10000;

bool fill(CAppContext& context)
{
    const QList<FieldDefinition> fields = {
        {QStringLiteral("Town"), fieldtypes::kText, fieldtypes::propertyTemplate(fieldtypes::kText)},
        {QStringLiteral("Item"), fieldtypes::kText, fieldtypes::propertyTemplate(fieldtypes::kText)},
        {QStringLiteral("Amount"), fieldtypes::kInteger, fieldtypes::propertyTemplate(fieldtypes::kInteger)}};
    return fillBigTable(context, fields, kRecords, [](CDbRecordset& records, int i) {
        return records.SetFieldString(0, QStringLiteral("Town %1").arg(i % 40, 2, 10, QChar('0'))) &&
               records.SetFieldString(1, QStringLiteral("item %1").arg(i)) && records.SetFieldLong(2, i % 100);
    });
}

ReportDefinition byTown()
{
    ReportDefinition report;
    report.name = QStringLiteral("Orders by town");
    report.source = QStringLiteral("Big");
    report.fields = {{"Item", 120}, {"Amount", 60}};
    report.groups = {{"Town", GroupBy::Value}};
    report.totals = {{"Amount", Aggregate::Count}, {"Amount", Aggregate::Sum}};
    return report;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: report_bench OUT.sqlite\n");
        return 2;
    }
    BenchDatabase database(kRecords);
    if (!database.ok || !fill(database.context)) {
        std::fprintf(stderr, "could not fill the table\n");
        return 1;
    }
    const QString pdf = database.root.filePath(QStringLiteral("report.pdf"));
    std::unique_ptr<PrintDocument> document;
    bool written = true;
    const double millis = bestMillis([&] { document = reportDocument(database.context, byTown(), {}); },
                                     [&] { written = written && writePdf(*document, pdf) == PrintOutcome::Done; });
    if (!written)
        return 1;
    const int pages = document->pageCount();
    std::printf("report to PDF: %d records, %d pages in %.0f ms, %.1f pages/s\n", kRecords, pages, millis,
                pages * 1000.0 / millis);
    return exportSqliteDatabase(database.context, QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
