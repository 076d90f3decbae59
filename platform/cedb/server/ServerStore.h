#pragma once
// A database on a PostgreSQL server: its tables, the engine catalogue and the program's own tables live
// in the server database, so every user of it sees the same ones. Rows carry the server's row version,
// and a write of a row that changed since it was read is refused, never made over the other's change.
#include "platform/cedb/Store.h"
#include "platform/cedb/server/ServerCounts.h"
#include "platform/cedb/server/ServerLink.h"

namespace cedb {

class ServerStore : public Store {
public:
    // The database at the URI `address`, shared by the process while it is in use.
    static HRESULT open(const QString& address, std::shared_ptr<Store>& store);
    // Puts an empty catalogue into the server database at `address`, which must not hold one.
    static HRESULT create(const QString& address);
    static void closeUnused();

    const Catalogue& catalogue() override;
    HRESULT run(const QByteArray& sql, const std::vector<StoredValue>& values = {}) override;
    HRESULT write(Change change, const std::function<HRESULT()>& body) override;
    qint64 lastInsertRowid() override;
    QByteArray declaration(const QByteArray& storage, const ColumnType& type) const override;
    std::unique_ptr<Paging> page(CompiledQuery query) override;
    HRESULT updateRow(const CompiledQuery& query, const Row& row, const std::vector<QByteArray>& columns,
                      const std::vector<StoredValue>& values) override;
    HRESULT deleteRow(const CompiledQuery& query, const Row& row) override;
    HRESULT checkDesign(const CompiledQuery& query) override;
    // The design of the table named `name` now; empty when there is none.
    QByteArray tableDesign(const QString& name);
    HRESULT beginTransaction() override;
    HRESULT commitTransaction() override;
    HRESULT rollbackTransaction() override;

    ServerLink& link() { return m_link; }
    ServerCounts& counts() { return m_counts; }
    // Whether another program wrote to the database since this was last asked.
    bool othersWrote();
    // Tells every other program using the database that it changed (its data, or a table's design), once
    // its transaction commits.
    void tellOthers(bool design = false);

private:
    HRESULT connect(const QString& address);
    bool loadCatalogue();
    qint64 schemaVersion();
    // Reads the catalogue again when another program was heard changing a design.
    void catchUpOnDesigns();
    // Why the write of `row` was refused: it is gone, or these fields hold another user's values now.
    HRESULT conflict(const CompiledQuery& query, const Row& row, const std::vector<QByteArray>& columns,
                     const std::vector<StoredValue>& values, bool deleting, Row& current);

    ServerLink m_link;
    ServerCounts m_counts{m_link};
    Catalogue m_catalogue;
    qint64 m_schemaVersion = -1;
    bool m_explicitTransaction = false;
    bool m_toldInTransaction = false;
    bool m_toldDesignInTransaction = false;
};

} // namespace cedb
