#pragma once
// Records streamed into a server table with COPY, in batches each written whole or not at all.
#include "platform/cedb/BulkAppend.h"
#include "platform/cedb/Catalogue.h"
#include "platform/cedb/server/ServerStore.h"

namespace cedb {

class ServerAppend : public BulkAppend {
public:
    ServerAppend(std::shared_ptr<ServerStore> store, const TableInfo& table, std::vector<ColumnInfo> columns);
    ~ServerAppend() override;

    HRESULT add(const std::vector<Variant>& values, qint64 tag) override;
    HRESULT flush() override;
    std::vector<Refusal> takeRefused() override { return std::move(m_refused); }

private:
    struct Held {
        qint64 tag = 0;
        std::vector<StoredValue> values;
    };
    // The batch's transaction, or its savepoint inside the one open, and taking it back.
    HRESULT startBatch();
    void undoBatch();
    // Sends the rows made so far, starting the batch's copy with its first rows.
    HRESULT send();
    HRESULT endBatch();
    // The batch the server refused as a whole, record by record, so that only the records it refuses are left out.
    HRESULT insertEach();

    std::shared_ptr<ServerStore> m_store;
    QByteArray m_table;
    std::vector<ColumnInfo> m_columns;
    std::vector<QByteArray> m_storage;
    QByteArray m_copy;
    QByteArray m_data; // rows made and not yet sent
    qsizetype m_sent = 0; // bytes of the open batch sent
    bool m_own = false;   // the open batch is a transaction of its own
    std::vector<Held> m_held;
    std::vector<Refusal> m_refused;
};

} // namespace cedb
