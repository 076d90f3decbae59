#include "platform/cedb/server/ServerAppend.h"

#include "platform/cedb/Failures.h"
#include "platform/cedb/RowWrites.h"
#include "platform/cedb/server/CopyText.h"

namespace cedb {

namespace {

// A batch is ended when it holds this much: large enough that a round trip per batch costs nothing beside
// the rows, small enough that a batch sent again record by record is soon done.
constexpr qsizetype batchBytes = 1024 * 1024;
constexpr size_t batchRecords = 8192;
// The rows of a batch go to the server in pieces of this size as they are made, so that it stores them
// while the next ones are read, and the end of the batch waits only for the last piece.
constexpr qsizetype pieceBytes = 64 * 1024;

} // namespace

ServerAppend::ServerAppend(std::shared_ptr<ServerStore> store, const TableInfo& table, std::vector<ColumnInfo> columns)
    : m_store(std::move(store)), m_table(table.storage), m_columns(std::move(columns))
{
    m_copy = "COPY " + m_table + " (";
    for (size_t i = 0; i < m_columns.size(); ++i) {
        m_storage.push_back(m_columns[i].storage);
        m_copy += (i ? ", " : "") + m_columns[i].storage;
    }
    m_copy += ") FROM STDIN";
}

ServerAppend::~ServerAppend()
{
    // Records given up before they were all written (an import cancelled) go with their batch.
    if (m_store->link().copying()) {
        m_store->link().endCopy(true);
        undoBatch();
    }
}

HRESULT ServerAppend::add(const std::vector<Variant>& values, qint64 tag)
{
    static const Variant none = Variant::null();
    Held held{tag, std::vector<StoredValue>(m_columns.size())};
    for (size_t i = 0; i < m_columns.size(); ++i) {
        const Variant& value = i < values.size() ? values[i] : none;
        if (FAILED(toStored(value, m_columns[i].type, LengthCheck::Enforce, held.values[i])))
            return fail(DB_E_BADVALUES, QStringLiteral("The value %1 does not fit the field %2")
                                            .arg(value.toString(), m_columns[i].name));
        // The server's texts cannot hold the character 0; it is refused here rather than cut off there.
        if (const auto* text = std::get_if<QString>(&held.values[i]); text && text->contains(QChar(0)))
            return fail(DB_E_BADVALUES, QStringLiteral("The value of the field %1 holds the character 0, which the "
                                                       "server cannot store")
                                            .arg(m_columns[i].name));
    }
    appendCopyRow(m_data, held.values);
    m_held.push_back(std::move(held));
    if (m_data.size() >= pieceBytes)
        if (const HRESULT hr = send(); FAILED(hr))
            return hr;
    return m_sent >= batchBytes || m_held.size() >= batchRecords ? flush() : S_OK;
}

HRESULT ServerAppend::flush()
{
    if (m_held.empty())
        return S_OK;
    const HRESULT hr = endBatch();
    m_held.clear();
    m_data.clear();
    m_sent = 0;
    return hr;
}

HRESULT ServerAppend::startBatch()
{
    // Outside a transaction the batch is one of its own.
    m_own = !m_store->link().inTransaction();
    return m_own ? m_store->beginTransaction() : m_store->link().exec("SAVEPOINT cedb_append");
}

void ServerAppend::undoBatch()
{
    m_own ? m_store->rollbackTransaction() : m_store->link().exec("ROLLBACK TO SAVEPOINT cedb_append");
}

HRESULT ServerAppend::send()
{
    ServerLink& link = m_store->link();
    if (!link.copying()) {
        HRESULT hr = startBatch();
        if (SUCCEEDED(hr))
            hr = link.startCopy(m_copy);
        if (FAILED(hr)) {
            const ErrorInfo why = lastError();
            if (!link.lost())
                undoBatch();
            return fail(why.code, why.description);
        }
    }
    link.putCopy(m_data);
    m_sent += m_data.size();
    m_data.clear();
    return S_OK;
}

HRESULT ServerAppend::endBatch()
{
    ServerLink& link = m_store->link();
    HRESULT hr = send();
    if (FAILED(hr))
        return hr;
    hr = link.endCopy();
    if (FAILED(hr) && !link.lost()) {
        undoBatch();
        hr = startBatch();
        if (SUCCEEDED(hr))
            hr = insertEach();
    }
    if (FAILED(hr)) {
        const ErrorInfo why = lastError();
        if (!link.lost())
            undoBatch();
        return fail(why.code, why.description);
    }
    m_store->tellOthers();
    return m_own ? m_store->commitTransaction() : link.exec("RELEASE SAVEPOINT cedb_append");
}

HRESULT ServerAppend::insertEach()
{
    ServerLink& link = m_store->link();
    for (const Held& held : m_held) {
        HRESULT hr = link.exec("SAVEPOINT cedb_record");
        qint64 rowid = 0;
        if (SUCCEEDED(hr))
            hr = insertStored(*m_store, m_table, m_storage, held.values, rowid);
        if (link.lost())
            return hr;
        if (FAILED(hr)) {
            m_refused.push_back({held.tag, lastError().description});
            hr = link.exec("ROLLBACK TO SAVEPOINT cedb_record");
        } else {
            hr = link.exec("RELEASE SAVEPOINT cedb_record");
        }
        if (FAILED(hr))
            return hr;
    }
    return S_OK;
}

} // namespace cedb
