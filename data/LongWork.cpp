#include "data/LongWork.h"

#include "platform/cedb/StatementWatch.h"

#include <utility>

WatchedStatements::WatchedStatements(LongWork* work, const QString& what)
    : m_work(work), m_began(std::chrono::steady_clock::now())
{
    if (!m_work)
        return;
    m_work->begin(what);
    m_previous = cedb::setStatementWatch([this] {
        const auto elapsed =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - m_began);
        // Once stopped, every further statement of the work stops too: the work as a whole was stopped.
        m_stopped = m_stopped || !m_work->keepGoing(elapsed);
        return !m_stopped;
    });
}

WatchedStatements::~WatchedStatements()
{
    if (!m_work)
        return;
    cedb::setStatementWatch(std::move(m_previous));
    m_work->end();
}
