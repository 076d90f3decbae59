// An equality lookup on a table of 1,000,000 records, before and after the index manager creates an index
// on the looked-up field. Prints the best of five runs of 100 lookups, per lookup.
#include "BenchDatabase.h"
#include "data/CDbRecordset.h"
#include "tables/FieldCatalogue.h"
#include "tables/IndexManager.h"

#include <cstdio>

namespace {

constexpr int kRecords = 1000000;
constexpr int kLookups = 100;

// Codes are spread over the records in no order, so that only an index finds one without a scan.
int codeOf(int record) { return int((record * 7919LL) % kRecords); }

bool fill(CAppContext& context)
{
    return fillBigTable(
        context,
        {{QStringLiteral("Code"), fieldtypes::kInteger, fieldtypes::propertyTemplate(fieldtypes::kInteger)},
         {QStringLiteral("Label"), fieldtypes::kText, fieldtypes::propertyTemplate(fieldtypes::kText)}},
        kRecords, [](CDbRecordset& records, int i) {
            return records.SetFieldLong(0, codeOf(i)) && records.SetFieldString(1, QStringLiteral("label %1").arg(i));
        });
}

// Microseconds per lookup, best of five runs.
double lookupMicros(CAppContext& context)
{
    const double millis = bestMillis([] {}, [&] {
        for (int i = 0; i < kLookups; ++i) {
            CDbRecordset records(context.connection, context.databasePath());
            if (!records.Open(QStringLiteral("SELECT * FROM Big WHERE Code = %1").arg(codeOf(i * 9973)), 0, 1) ||
                records.IsEOF())
                std::fprintf(stderr, "a lookup found nothing\n");
        }
    });
    return millis * 1000.0 / kLookups;
}

} // namespace

int main()
{
    BenchDatabase bench(kRecords);
    if (!bench.ok || !fill(bench.context)) {
        std::fprintf(stderr, "could not fill the table\n");
        return 1;
    }
    const double before = lookupMicros(bench.context);
    IndexManager manager(bench.context, QStringLiteral("Big"));
    if (!manager.load() || !manager.add(QStringLiteral("ByCode"), QStringLiteral("Code")) || !manager.save({})) {
        std::fprintf(stderr, "could not create the index\n");
        return 1;
    }
    const double after = lookupMicros(bench.context);
    std::printf("varnel  lookup without index: %10.1f us   with index: %8.1f us\n", before, after);
    return 0;
}
