#pragma once
// Work that may take long over many records (a sort or a filter done by the engine in one statement):
// the user sees that the program is busy and may stop it. The program gives a LongWork that shows it;
// logic tests give one that answers as the test wants.
#include <QString>

#include <chrono>
#include <functional>

class LongWork {
public:
    virtual ~LongWork() = default;
    // The work named `what` ("Sorting the records...") begins.
    virtual void begin(const QString& what) = 0;
    // Asked now and then while the work goes on, with the time since it began; false stops it.
    virtual bool keepGoing(std::chrono::milliseconds elapsed) = 0;
    // The work ended, done or stopped.
    virtual void end() = 0;
};

// While one lives, the engine's statements report to `work` (none when it is null); the statement that
// is going on when `work` answers false fails, and stopped() says so.
class WatchedStatements {
public:
    WatchedStatements(LongWork* work, const QString& what);
    ~WatchedStatements();
    WatchedStatements(const WatchedStatements&) = delete;
    WatchedStatements& operator=(const WatchedStatements&) = delete;

    bool stopped() const { return m_stopped; }

private:
    LongWork* m_work;
    bool m_stopped = false;
    std::chrono::steady_clock::time_point m_began;
    std::function<bool()> m_previous;
};
