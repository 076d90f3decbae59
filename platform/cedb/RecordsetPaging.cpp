#include "platform/cedb/RecordsetPaging.h"

#include "platform/cedb/EngineThread.h"

#include <sqlite3.h>

namespace cedb {

RecordsetPaging::RecordsetPaging(std::shared_ptr<Database> db, CompiledQuery query)
    : m_db(std::move(db)), m_query(std::move(query))
{
    m_db->addReader(this);
}

RecordsetPaging::~RecordsetPaging()
{
    m_db->removeReader(this);
}

void RecordsetPaging::suspend()
{
    m_rows = PooledStatement();
}

void RecordsetPaging::forgetRows()
{
    suspend();
    m_cache.clear();
    m_cacheStart = 0;
}

bool RecordsetPaging::empty(HRESULT& failure)
{
    failure = S_OK;
    if (m_keys)
        return m_keys->empty();
    if (m_hasRecords || m_count > 0)
        return false;
    if (m_count == 0)
        return true;
    return row(0, failure) == nullptr;
}

HRESULT RecordsetPaging::count(qint64& count)
{
    if (m_keys) {
        count = qint64(m_keys->size());
        return S_OK;
    }
    // A whole table's number of records is kept by the file, so a big table is not counted.
    if (m_count < 0 && m_query.editableTable && m_query.where.isEmpty())
        if (const std::optional<qint64> kept = m_db->keptRecords(m_query.editableTable))
            m_count = *kept;
    if (m_count < 0) {
        PooledStatement statement;
        HRESULT hr = m_db->prepare(m_query.countSql(), statement);
        if (FAILED(hr))
            return hr;
        statement.bind(m_query.parameters);
        const int rc = sqlite3_step(statement.get());
        if (rc != SQLITE_ROW)
            return m_db->failure(rc);
        m_count = sqlite3_column_int64(statement.get(), 0);
    }
    count = m_count;
    return S_OK;
}

HRESULT RecordsetPaging::restartAt(qint64 offset)
{
    suspend();
    const HRESULT hr = m_db->prepare(m_query.rowsSql(), m_rows);
    if (FAILED(hr))
        return hr;
    m_rows.bind(m_query.parameters);
    sqlite3_bind_int64(m_rows.get(), int(m_query.parameters.size()) + 1, offset);
    m_next = m_startOffset = offset;
    return S_OK;
}

HRESULT RecordsetPaging::step(bool decode, Row* row, bool& more)
{
    more = false;
    const int rc = sqlite3_step(m_rows.get());
    more = rc == SQLITE_ROW;
    if (!more) {
        const HRESULT hr = rc == SQLITE_DONE ? S_OK : m_db->failure(rc);
        // Running out of rows tells the count, unless the statement started past the end.
        if (rc == SQLITE_DONE && m_count < 0 && (m_next > m_startOffset || m_startOffset == 0))
            m_count = m_next;
        suspend();
        return hr;
    }
    ++m_next;
    if (decode)
        decodeRow(m_rows.get(), *row);
    return S_OK;
}

void RecordsetPaging::decodeRow(sqlite3_stmt* statement, Row& row) const
{
    const int first = m_query.editableTable ? 1 : 0;
    row.rowid = first ? sqlite3_column_int64(statement, 0) : 0;
    row.values.clear();
    row.values.reserve(m_query.columns.size());
    for (size_t i = 0; i < m_query.columns.size(); ++i)
        row.values.push_back(fromStored(statement, first + int(i), m_query.columns[i].type));
}

// A window in the second half of a result is read from the result's end backwards: moving to the last
// record of a big table does not step through every record before it.
HRESULT RecordsetPaging::readFromEnd(qint64 first, qint64 last)
{
    // The rows read so far are let go only after these are read: the file stays held in between, and is
    // neither looked at again nor locked again.
    struct SuspendAtEnd {
        RecordsetPaging& paging;
        ~SuspendAtEnd() { paging.suspend(); }
    } suspendAtEnd{*this};
    PooledStatement statement;
    HRESULT hr = m_db->prepare("SELECT " + m_query.selectList + m_query.from + m_query.where +
                                   m_query.reverseOrderBy + " LIMIT ? OFFSET ?",
                               statement);
    if (FAILED(hr))
        return hr;
    statement.bind(m_query.parameters);
    const int next = int(m_query.parameters.size()) + 1;
    sqlite3_bind_int64(statement.get(), next, last - first + 1);
    sqlite3_bind_int64(statement.get(), next + 1, m_count - 1 - last);
    std::deque<Row> rows;
    int rc;
    m_db->noteUse();
    while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
        rows.emplace_front();
        decodeRow(statement.get(), rows.front());
    }
    if (rc != SQLITE_DONE)
        return m_db->failure(rc);
    m_cache = std::move(rows);
    m_cacheStart = last + 1 - qint64(m_cache.size());
    m_hasRecords = m_hasRecords || !m_cache.empty();
    return S_OK;
}

const Row* RecordsetPaging::row(qint64 position, HRESULT& failure)
{
    failure = S_OK;
    if (m_keys)
        return keyedRow(position, failure);
    if (position < 0 || (m_count >= 0 && position >= m_count))
        return nullptr;
    if (position >= m_cacheStart && position < m_cacheStart + qint64(m_cache.size()))
        return &m_cache[size_t(position - m_cacheStart)];

    const qint64 ahead = position - m_next;
    const bool continues = m_rows && ahead >= 0 && (ahead <= fewRows || ahead * stepCostRatio <= position);
    const qint64 cacheEnd = m_cacheStart + qint64(m_cache.size());
    // The statement let go and the one that starts again read the file as one: it is locked once.
    std::optional<ReadHold> hold;
    if (!continues)
        hold.emplace(m_db.get());
    // Reading on from a window goes forward; a jump into the second half comes from the end.
    if (!continues && position != cacheEnd && m_count > 0 && position > m_count / 2 &&
        !m_query.reverseOrderBy.isEmpty()) {
        const bool backwards = position < m_cacheStart && position >= m_cacheStart - window;
        const qint64 first = backwards ? std::max<qint64>(0, position - window + 1) : position;
        failure = readFromEnd(first, std::min(m_count - 1, first + window - 1));
        if (FAILED(failure))
            return nullptr;
        if (position >= m_cacheStart && position < m_cacheStart + qint64(m_cache.size()))
            return &m_cache[size_t(position - m_cacheStart)];
        // Fewer records than counted: the count is taken again and the rows read from the start.
        m_count = -1;
        forgetRows();
    }
    if (!continues) {
        // Going back a little reads the window that ends here, so that further steps back are cached.
        const bool backwards = position < m_cacheStart && position >= m_cacheStart - window;
        failure = restartAt(backwards ? std::max<qint64>(0, position - window + 1) : position);
        if (FAILED(failure))
            return nullptr;
    }
    const qint64 firstWanted = std::max(m_next, position - window + 1);
    if (firstWanted != m_cacheStart + qint64(m_cache.size())) {
        m_cache.clear();
        m_cacheStart = firstWanted;
    }
    // A cursor read from inside another statement's watch would step the file's connection under it. Both
    // this check and the note of the file's use are made once per read, not once per row stepped over.
    if (m_next <= position) {
        failure = checkEngineThread();
        if (FAILED(failure))
            return nullptr;
        m_db->noteUse();
    }
    while (m_next <= position) {
        const bool wanted = m_next >= firstWanted;
        Row read;
        bool more = false;
        failure = step(wanted, &read, more);
        if (FAILED(failure) || !more)
            return nullptr;
        m_hasRecords = true;
        if (!wanted)
            continue;
        m_cache.push_back(std::move(read));
        if (qint64(m_cache.size()) > window) {
            m_cache.pop_front();
            ++m_cacheStart;
        }
    }
    return &m_cache[size_t(position - m_cacheStart)];
}

HRESULT RecordsetPaging::freezeKeys()
{
    if (m_keys)
        return S_OK;
    PooledStatement statement;
    HRESULT hr = m_db->prepare("SELECT a0.rowid" + m_query.from + m_query.where + m_query.orderBy, statement);
    if (FAILED(hr))
        return hr;
    statement.bind(m_query.parameters);
    std::vector<qint64> keys;
    int rc;
    while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW)
        keys.push_back(sqlite3_column_int64(statement.get(), 0));
    if (rc != SQLITE_DONE)
        return m_db->failure(rc);
    forgetRows();
    m_keys = std::move(keys);
    return S_OK;
}

// A record of a frozen result, read by its rowid; one that something else deleted reads as all Null.
const Row* RecordsetPaging::keyedRow(qint64 position, HRESULT& failure)
{
    if (position < 0 || position >= qint64(m_keys->size()))
        return nullptr;
    if (!m_cache.empty() && m_cacheStart == position)
        return &m_cache.front();
    PooledStatement statement;
    failure = m_db->prepare("SELECT " + m_query.selectList + m_query.from + " WHERE a0.rowid = ?", statement);
    if (FAILED(failure))
        return nullptr;
    const qint64 rowid = (*m_keys)[size_t(position)];
    sqlite3_bind_int64(statement.get(), 1, rowid);
    const int rc = sqlite3_step(statement.get());
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        failure = m_db->failure(rc);
        return nullptr;
    }
    Row row;
    row.rowid = rowid;
    for (size_t i = 0; i < m_query.columns.size(); ++i)
        row.values.push_back(rc == SQLITE_ROW ? fromStored(statement.get(), 1 + int(i), m_query.columns[i].type)
                                              : Variant::null());
    m_cache.assign(1, std::move(row));
    m_cacheStart = position;
    return &m_cache.front();
}

void RecordsetPaging::changed(qint64)
{
    forgetRows();
}

void RecordsetPaging::removed(qint64 position)
{
    if (m_keys && position >= 0 && position < qint64(m_keys->size()))
        m_keys->erase(m_keys->begin() + position);
    forgetRows();
}

void RecordsetPaging::added(qint64 rowid)
{
    if (m_keys)
        m_keys->push_back(rowid);
    forgetRows();
}

} // namespace cedb
