#include "logic/ScriptRunClock.h"

#include <QElapsedTimer>

namespace {
qint64 steadyMilliseconds()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return timer.elapsed();
}
} // namespace

ScriptRunClock::ScriptRunClock(Now now) : m_now(now ? std::move(now) : Now(steadyMilliseconds)) {}

void ScriptRunClock::start()
{
    std::lock_guard lock(m_mutex);
    m_started = m_now();
    m_pausedTotal = 0;
    m_pauses = 0;
}

void ScriptRunClock::pause()
{
    std::lock_guard lock(m_mutex);
    if (m_pauses++ == 0)
        m_pausedSince = m_now();
}

void ScriptRunClock::resume()
{
    std::lock_guard lock(m_mutex);
    if (m_pauses == 0)
        return;
    if (--m_pauses == 0)
        m_pausedTotal += m_now() - m_pausedSince;
}

bool ScriptRunClock::isPaused() const
{
    std::lock_guard lock(m_mutex);
    return m_pauses > 0;
}

qint64 ScriptRunClock::runningMilliseconds() const
{
    std::lock_guard lock(m_mutex);
    const qint64 end = m_pauses > 0 ? m_pausedSince : m_now();
    return end - m_started - m_pausedTotal;
}
