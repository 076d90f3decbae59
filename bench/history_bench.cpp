// Single-record edits as the datasheet makes them (one command, one Update each) on a table of 1,000
// records of five fields; prints the edits made and the file's size before and after them, so that
// bench/history_bench.sh can set the time and the growth beside the same work with VARNEL_KEEP_HISTORY=0.
#include "BenchDatabase.h"
#include "data/CDbCommand.h"
#include "tables/FieldTypes.h"

#include <QFileInfo>

#include <cstdio>

using namespace fieldtypes;

int main(int argc, char** argv)
{
    const int edits = argc > 1 ? std::atoi(argv[1]) : 100000;
    constexpr int records = 1000;
    BenchDatabase bench(records);
    const auto field = [](const QString& name, const QString& type) {
        return FieldDefinition{name, type, propertyTemplate(type)};
    };
    const bool filled = bench.ok && fillBigTable(bench.context,
                                                 {field("Name", kText), field("Qty", kInteger), field("Price", kDouble),
                                                  field("Day", kDateTime), field("Notes", kMemo)},
                                                 records, [](CDbRecordset& table, int i) {
                                                     return table.SetFieldString(0, QStringLiteral("Name %1").arg(i)) &&
                                                            table.SetFieldString(1, QString::number(i)) &&
                                                            table.SetFieldString(2, QString::number(i * 0.25)) &&
                                                            table.SetFieldString(3, QStringLiteral("2026-01-02")) &&
                                                            table.SetFieldString(4, QStringLiteral("a note"));
                                                 });
    if (!filled) {
        std::fprintf(stderr, "could not fill the table\n");
        return 1;
    }
    const QString file = QFileInfo(bench.root.path() + QStringLiteral("/Bench.cdb")).absoluteFilePath();
    const qint64 before = QFileInfo(file).size();
    CDbRecordset table(bench.context.connection, bench.context.databasePath());
    if (!table.Open(QStringLiteral("Big"), 2, 3))
        return 1;
    for (int i = 0; i < edits; ++i) {
        CDbCommand command(bench.context, QStringLiteral("Edit in Big"));
        if (!table.MoveTo(i % records) || !table.SetFieldString(1, QString::number(i)) || !table.Update()) {
            std::fprintf(stderr, "edit %d failed\n", i);
            return 1;
        }
    }
    table.Close();
    std::printf("%d %lld %lld\n", edits, static_cast<long long>(before), static_cast<long long>(QFileInfo(file).size()));
    return 0;
}
