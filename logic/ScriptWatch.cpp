#include "logic/ScriptWatch.h"

#include <QCoreApplication>
#include <QThread>

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
        },
        Qt::BlockingQueuedConnection);
    if (g_watch)
        g_watch->uiCallEnded();
    if (failure)
        std::rethrow_exception(failure);
}
