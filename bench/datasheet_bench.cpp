// Opening a table of 1,000,000 records in the datasheet and moving to its last record, without a window:
// the datasheet fills a grid kept in memory. Prints the best of five runs of each against 100 ms.
#include "BenchDatabase.h"
#include "data/CDbRecordset.h"
#include "tables/Datasheet.h"
#include "tables/FieldCatalogue.h"
#include "tables/MemoryGrid.h"

#include <QStringList>

#include <cstdio>

namespace {

constexpr int kRecords = 1000000;

FieldDefinition field(const QString& name, const QString& type)
{
    return {name, type, fieldtypes::propertyTemplate(type)};
}

bool fill(CAppContext& context)
{
    return fillBigTable(context,
                        {field(QStringLiteral("Name"), fieldtypes::kText), field(QStringLiteral("Qty"), fieldtypes::kInteger),
                         field(QStringLiteral("Paid"), fieldtypes::kBoolean)},
                        kRecords, [](CDbRecordset& records, int i) {
                            return records.SetFieldString(0, QStringLiteral("record %1").arg(i)) &&
                                   records.SetFieldLong(1, i) && records.SetFieldBool(2, i % 2 == 0);
                        });
}

} // namespace

int main()
{
    BenchDatabase bench(kRecords);
    if (!bench.ok)
        return 1;
    CAppContext& context = bench.context;
    if (!fill(context)) {
        std::fprintf(stderr, "could not create the table\n");
        return 1;
    }
    MemoryGrid grid;
    Datasheet sheet(context, grid);
    bool ok = true;
    const double open = bestMillis([&] { sheet.close(); }, [&] { ok = ok && sheet.openTable(QStringLiteral("Big")); });
    const double last = bestMillis([&] { sheet.moveFirst(); }, [&] { sheet.moveLast(); });
    if (!ok || sheet.recordCount() != kRecords || grid.text(grid.currentRow(), 0) != QString::number(kRecords)) {
        std::fprintf(stderr, "the datasheet did not show the last record\n");
        return 1;
    }
    std::printf("datasheet over %d records: open %.1f ms, Last Record %.1f ms (target: well under 100 ms each)\n",
                kRecords, open, last);
    return 0;
}
