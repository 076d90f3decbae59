#pragma once
// How long a script has been running on its own account: the time it spends waiting in a dialog of its
// own (a message box the user has not closed yet) is not counted, so a watch does not take a script
// that waits for the user for one that runs away. Safe to use from the script's thread and the window's.
#include <QtGlobal>

#include <functional>
#include <mutex>

class ScriptRunClock {
public:
    using Now = std::function<qint64()>; // milliseconds on a clock that never goes back
    explicit ScriptRunClock(Now now = {});

    void start();
    // Pauses nest: the clock runs again when every pause has been matched by a resume.
    void pause();
    void resume();
    bool isPaused() const;
    qint64 runningMilliseconds() const;

private:
    Now m_now;
    mutable std::mutex m_mutex;
    qint64 m_started = 0;
    qint64 m_pausedTotal = 0;
    qint64 m_pausedSince = 0;
    int m_pauses = 0;
};
