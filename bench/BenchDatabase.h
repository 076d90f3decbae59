#pragma once
// What the benchmarks over a big table share: a fresh device root with a database and its catalogue,
// and the timing of the best of five runs.
#include "data/ApplicationIdentity.h"
#include "data/CAppContext.h"
#include "data/DatabaseLifecycle.h"
#include "data/HeadlessDatabaseWindow.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>

// A database "\Bench.cdb" under a temporary device root, with the catalogue tables the views keep their
// settings in, for a table of `records` records. `ok` tells whether it was created (a failure is told).
struct BenchDatabase {
    explicit BenchDatabase(int records)
    {
        installApplicationIdentity();
        qputenv("VARNEL_ROOT", root.path().toUtf8());
        QDir(root.path()).mkpath(QStringLiteral("Windows"));
        std::fprintf(stderr, "creating a table of %d records...\n", records);
        ok = CreateDatabase(context, window, QStringLiteral("\\Bench.cdb"));
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
