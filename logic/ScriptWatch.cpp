#include "logic/ScriptWatch.h"

#include <QCoreApplication>
#include <QThread>

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
    QMetaObject::invokeMethod(application, call, Qt::BlockingQueuedConnection);
}
