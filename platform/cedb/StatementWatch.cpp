#include "platform/cedb/StatementWatch.h"

#include <utility>

namespace cedb {

namespace {
StatementWatch& installedWatch()
{
    static StatementWatch watch;
    return watch;
}
bool g_watching = false;
} // namespace

StatementWatch setStatementWatch(StatementWatch watch)
{
    return std::exchange(installedWatch(), std::move(watch));
}

bool insideStatementWatch() { return g_watching; }

namespace detail {
int statementProgress(void*)
{
    const StatementWatch& watch = installedWatch();
    if (!watch || g_watching)
        return 0;
    g_watching = true;
    const bool goOn = watch();
    g_watching = false;
    return goOn ? 0 : 1;
}
} // namespace detail

} // namespace cedb
