#include "logic/ScriptStopPrompt.h"

#include "platform/framework/MessageBox.h"

#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace {

constexpr uint kScriptStackSize = 8 * 1024 * 1024;

// Escape rejects the box like its button does.
QDialog* makeStopBox(QWidget* parent)
{
    auto* box = new QDialog(parent);
    box->setObjectName(QStringLiteral("stopScriptBox"));
    box->setWindowTitle(framework::applicationCaption());
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(new QLabel(QStringLiteral("The script is still running."), box));
    auto* stop = new QPushButton(QStringLiteral("Stop script"), box);
    stop->setObjectName(QStringLiteral("stopScriptButton"));
    stop->setDefault(true);
    QObject::connect(stop, &QPushButton::clicked, box, &QDialog::reject);
    layout->addWidget(stop);
    return box;
}

} // namespace

ScriptStopPrompt::ScriptStopPrompt(QWidget* parent, int delayMilliseconds) : m_parent(parent), m_delay(delayMilliseconds)
{
}

bool ScriptStopPrompt::watch(const std::function<void()>& run, const std::function<void()>& stop)
{
    QEventLoop loop;
    QPointer<QDialog> box;
    bool finished = false;
    bool stopped = false;
    // Caught on the worker, where it would end the program, and thrown again here once the worker is done.
    std::exception_ptr failure;
    QThread* worker = QThread::create([&] {
        try {
            run();
        } catch (...) {
            failure = std::current_exception();
        }
    });
    // As much stack as the window thread has: deep scripts end with their error at the same depth.
    worker->setStackSize(kScriptStackSize);
    // Queued to this thread: the flag and the box are only touched here.
    QObject::connect(worker, &QThread::finished, &loop, [&] {
        finished = true;
        loop.quit();
        if (box)
            box->accept();
    });
    m_clock.start();
    worker->start();

    // Until the box appears the window takes no input, so nothing else starts while the script runs.
    QTimer due;
    QObject::connect(&due, &QTimer::timeout, &loop, [&] {
        if (!m_clock.isPaused() && m_clock.runningMilliseconds() >= m_delay)
            loop.quit();
    });
    due.start(std::min(m_delay, 50));
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    due.stop();
    if (!finished) {
        box = makeStopBox(m_parent);
        const int answer = box->exec();
        delete box;
        if (!finished && answer == QDialog::Rejected) {
            stop();
            stopped = true;
        }
        if (!finished)
            loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    worker->wait();
    delete worker;
    if (failure)
        std::rethrow_exception(failure);
    return stopped;
}
