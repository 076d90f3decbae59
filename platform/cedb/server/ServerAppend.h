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
    HRESULT copyBatch();
    // The batch the server refused as a whole, record by record, so that only the records it refuses are left out.
    HRESULT insertEach();

    std::shared_ptr<ServerStore> m_store;
    QByteArray m_table;
    std::vector<ColumnInfo> m_columns;
    std::vector<QByteArray> m_storage;
    QByteArray m_copy;
    QByteArray m_data;
    std::vector<Held> m_held;
    std::vector<Refusal> m_refused;
};

} // namespace cedb
