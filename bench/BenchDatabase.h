#pragma once
// What the benchmarks over a big table share: a fresh device root with a database and its catalogue,
// and the timing of the best of five runs.
#include "data/ApplicationIdentity.h"
#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/DatabaseLifecycle.h"
#include "data/HeadlessDatabaseWindow.h"
#include "tables/FieldCatalogue.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

// A database "\Bench.cdb" under a temporary device root, or the empty server database whose address
// VARNEL_BENCH_DATABASE gives, with the catalogue tables the views keep their settings in, for a table of
// `records` records. `ok` tells whether it was created (a failure is told).
struct BenchDatabase {
    explicit BenchDatabase(int records)
    {
        installApplicationIdentity();
        qputenv("VARNEL_ROOT", root.path().toUtf8());
        QDir(root.path()).mkpath(QStringLiteral("Windows"));
        std::fprintf(stderr, "creating a table of %d records...\n", records);
        const QString server = qEnvironmentVariable("VARNEL_BENCH_DATABASE");
        ok = CreateDatabase(context, window, server.isEmpty() ? QStringLiteral("\\Bench.cdb") : server);
        if (ok)
            fDBInit(context, window);
        else
            std::fprintf(stderr, "could not create the database\n");
    }

    QTemporaryDir root;
    CAppContext context;
    HeadlessDatabaseWindow window;
    bool ok = false;
};

// Creates the table "Big" with the fields and adds `records` records in one transaction, `setFields`
// filling each new record (numbered from 0) before it is stored. False when any of it failed.
inline bool fillBigTable(CAppContext& context, const QList<FieldDefinition>& fields, int records,
                         const std::function<bool(CDbRecordset&, int)>& setFields)
{
    if (!FieldCatalogue(context, QStringLiteral("Big")).CreateTableFromFields(fields, {}))
        return false;
    const QString path = context.databasePath();
    context.connection.engine()->BeginTrans(path);
    CDbRecordset table(context.connection, path);
    bool ok = table.Open(QStringLiteral("Big"), 2, 3);
    for (int i = 0; ok && i < records; ++i)
        ok = table.AddNew() && setFields(table, i) && table.Update();
    table.Close();
    context.connection.engine()->CommitTrans(path);
    return ok;
}

// The best of five runs of `work`, each after `prepare`, which is not timed.
template <typename Prepare, typename Work>
double bestMillis(Prepare prepare, Work work)
{
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}
