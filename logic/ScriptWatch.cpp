#include "logic/ScriptWatch.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <exception>

namespace {
ScriptWatch* g_watch = nullptr;
}

ScriptWatch* setScriptWatch(ScriptWatch* watch)
{
    ScriptWatch* previous = g_watch;
    g_watch = watch;
    return previous;
}

ScriptWatch* scriptWatch() { return g_watch; }

void onUiThread(const std::function<void()>& call)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || QThread::currentThread() == application->thread()) {
        call();
        return;
    }
    // What the call throws must not escape into the window thread's event loop: it is caught there and
    // thrown again here, on the script's thread, where the script engine turns it into a script error.
    std::exception_ptr failure;
    // Qt's wait for a blocking call orders what the call wrote (results, the failure, the freeing of what it
    // used) before what this thread does next, but through a semaphore the thread sanitizer cannot see;
    // this flag makes the same order explicit.
    std::atomic<bool> done{false};
    if (g_watch)
        g_watch->uiCallStarted();
    QMetaObject::invokeMethod(
        application,
        [&] {
            try {
                call();
            } catch (...) {
                failure = std::current_exception();
            }
            done.store(true, std::memory_order_release);
        },
        Qt::BlockingQueuedConnection);
    (void)done.load(std::memory_order_acquire);
    if (g_watch)
        g_watch->uiCallEnded();
    if (failure)
        std::rethrow_exception(failure);
}
