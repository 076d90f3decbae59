#include "platform/cedb/EngineThread.h"

#include "platform/cedb/Failures.h"
#include "platform/cedb/StatementWatch.h"

#include <atomic>
#include <thread>

namespace cedb {

HRESULT checkEngineThread()
{
    static std::atomic<std::thread::id> owner{};
    const std::thread::id self = std::this_thread::get_id();
    std::thread::id expected{};
    if (!owner.compare_exchange_strong(expected, self) && expected != self)
        return fail(E_UNEXPECTED, QStringLiteral("The database engine was called from a thread other than its own"));
    if (insideStatementWatch())
        return fail(E_UNEXPECTED, QStringLiteral("The database engine was called while a statement of its own was running"));
    return S_OK;
}

} // namespace cedb
