#include "platform/cedb/server/ServerPaging.h"

#include "platform/cedb/server/ServerStore.h"
#include "platform/cedb/server/ServerValues.h"

#include <algorithm>

namespace cedb {

ServerPaging::ServerPaging(std::shared_ptr<ServerStore> store, CompiledQuery query)
    : m_store(std::move(store)), m_query(std::move(query))
{
}

Store& ServerPaging::store() const
{
    return *m_store;
}

void ServerPaging::forgetRows()
{
    m_cache.clear();
    m_cacheStart = 0;
}

bool ServerPaging::inKeyOrder() const
{
    return m_query.editableTable != 0 && m_query.orderBy == " ORDER BY a0.rowid";
}

HRESULT ServerPaging::fetch(const QByteArray& sql, const std::vector<StoredValue>& parameters, std::vector<Row>& rows)
{
    ServerResult result;
    HRESULT hr = m_store->checkDesign(m_query);
    if (SUCCEEDED(hr))
        hr = m_store->link().exec(sql, parameters, result, true);
    if (FAILED(hr))
        return hr;
    const int first = m_query.editableTable ? 2 : 0;
    rows.resize(size_t(result.rows()));
    for (int r = 0; r < result.rows(); ++r) {
        Row& row = rows[size_t(r)];
        if (first) {
            row.rowid = serverInteger(result, r, 0);
            row.version = serverXid(result, r, 1);
        }
        row.values.reserve(m_query.columns.size());
        for (size_t c = 0; c < m_query.columns.size(); ++c)
            row.values.push_back(serverValue(result, r, first + int(c), m_query.columns[c].type));
    }
    return S_OK;
}

HRESULT ServerPaging::readWindow(qint64 first, Direction direction)
{
    const qint64 start = direction == Direction::Forward ? first : std::max<qint64>(0, first - window + 1);
    qint64 wanted = direction == Direction::Forward ? window : first - start + 1;
    if (m_count >= 0)
        wanted = std::min(wanted, m_count - start);
    // Near the end the rows are read from the end backwards, which the server does without counting
    // its way through every row before them.
    const qint64 fromEnd = m_count >= 0 ? m_count - (start + wanted) : -1;
    const bool backwards = fromEnd >= 0 && fromEnd < start;
    std::vector<StoredValue> parameters = m_query.parameters;
    parameters.push_back(wanted);
    parameters.push_back(backwards ? fromEnd : start);
    std::vector<Row> rows;
    const HRESULT hr = fetch("SELECT " + m_query.selectList + m_query.from + m_query.where +
                                 (backwards ? m_query.reverseOrderBy : m_query.orderBy) + " LIMIT ? OFFSET ?",
                             parameters, rows);
    if (FAILED(hr))
        return hr;
    if (backwards)
        std::reverse(rows.begin(), rows.end());
    else if (qint64(rows.size()) < wanted && (!rows.empty() || start == 0))
        m_count = start + qint64(rows.size());
    m_cache.assign(std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    m_cacheStart = start;
    return S_OK;
}

// The rows after the window's last, by key: the server goes straight to them through the key's index.
HRESULT ServerPaging::readAfterKey(qint64 position)
{
    std::vector<StoredValue> parameters = m_query.parameters;
    parameters.push_back(m_cache.back().rowid);
    parameters.push_back(window);
    std::vector<Row> rows;
    const HRESULT hr =
        fetch("SELECT " + m_query.selectList + m_query.from + (m_query.where.isEmpty() ? " WHERE " : m_query.where + " AND ") +
                  "a0.rowid > ?" + m_query.orderBy + " LIMIT ?",
              parameters, rows);
    if (FAILED(hr))
        return hr;
    if (qint64(rows.size()) < window)
        m_count = position + qint64(rows.size());
    m_cache.assign(std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    m_cacheStart = position;
    return S_OK;
}

const Row* ServerPaging::row(qint64 position, HRESULT& failure)
{
    failure = S_OK;
    if (m_keys)
        return keyedRow(position, failure);
    if (position < 0 || (m_count >= 0 && position >= m_count))
        return nullptr;
    const qint64 cacheEnd = m_cacheStart + qint64(m_cache.size());
    if (position >= m_cacheStart && position < cacheEnd)
        return &m_cache[size_t(position - m_cacheStart)];
    if (!m_cache.empty() && position == cacheEnd && inKeyOrder())
        failure = readAfterKey(position);
    else
        failure = readWindow(position, !m_cache.empty() && position < m_cacheStart ? Direction::Backward
                                                                                   : Direction::Forward);
    if (FAILED(failure) || position < m_cacheStart || position >= m_cacheStart + qint64(m_cache.size()))
        return nullptr;
    m_hasRecords = true;
    return &m_cache[size_t(position - m_cacheStart)];
}

HRESULT ServerPaging::count(qint64& count)
{
    if (m_keys) {
        count = qint64(m_keys->size());
        return S_OK;
    }
    // A whole table's number of records is kept by the server, so a big table is not counted.
    if (m_count < 0 && m_query.editableTable && m_query.where.isEmpty())
        if (const std::optional<qint64> kept = m_store->counts().records(m_query.editableStorage))
            m_count = *kept;
    if (m_count < 0) {
        ServerResult result;
        const HRESULT hr = m_store->link().exec("SELECT count(*)" + m_query.from + m_query.where, m_query.parameters,
                                                result, true);
        if (FAILED(hr))
            return hr;
        m_count = serverInteger(result, 0, 0);
    }
    count = m_count;
    return S_OK;
}

bool ServerPaging::empty(HRESULT& failure)
{
    failure = S_OK;
    if (m_keys)
        return m_keys->empty();
    if (m_hasRecords || m_count > 0 || !m_cache.empty())
        return false;
    if (m_count == 0)
        return true;
    return row(0, failure) == nullptr;
}

HRESULT ServerPaging::freezeKeys()
{
    if (m_keys)
        return S_OK;
    ServerResult result;
    const HRESULT hr = m_store->link().exec("SELECT a0.rowid" + m_query.from + m_query.where + m_query.orderBy,
                                            m_query.parameters, result, true);
    if (FAILED(hr))
        return hr;
    std::vector<qint64> keys(size_t(result.rows()));
    for (int r = 0; r < result.rows(); ++r)
        keys[size_t(r)] = serverInteger(result, r, 0);
    forgetRows();
    m_keys = std::move(keys);
    return S_OK;
}

// A record of a frozen result, read by its key; one that something else deleted reads as all Null.
const Row* ServerPaging::keyedRow(qint64 position, HRESULT& failure)
{
    if (position < 0 || position >= qint64(m_keys->size()))
        return nullptr;
    if (!m_cache.empty() && m_cacheStart == position)
        return &m_cache.front();
    const qint64 rowid = (*m_keys)[size_t(position)];
    std::vector<Row> rows;
    failure = fetch("SELECT " + m_query.selectList + m_query.from + " WHERE a0.rowid = ?", {rowid}, rows);
    if (FAILED(failure))
        return nullptr;
    if (rows.empty())
        rows.push_back(Row{rowid, 0, std::vector<Variant>(m_query.columns.size(), Variant::null())});
    m_cache.assign(1, std::move(rows.front()));
    m_cacheStart = position;
    return &m_cache.front();
}

void ServerPaging::changed(qint64)
{
    forgetRows();
}

void ServerPaging::removed(qint64 position)
{
    if (m_keys && position >= 0 && position < qint64(m_keys->size()))
        m_keys->erase(m_keys->begin() + position);
    m_count = -1;
    forgetRows();
}

void ServerPaging::added(qint64 rowid)
{
    if (m_keys)
        m_keys->push_back(rowid);
    m_count = -1;
    forgetRows();
}

} // namespace cedb
