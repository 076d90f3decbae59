#pragma once
// The engine's recordset: runs any statement of the dialect; for a query, moves over its records and
// edits them through the window of RecordsetPaging.
#include "platform/cedb/Engine.h"
#include "platform/cedb/Store.h"

#include <optional>

namespace cedb {

class RecordsetObject : public Recordset, public std::enable_shared_from_this<RecordsetObject> {
public:
    HRESULT putref_ActiveConnection(const std::shared_ptr<Connection>& connection) override;
    HRESULT Open(const QString& source, const QString& activeConnection, int cursorType, int lockType,
                 int options) override;
    HRESULT Close() override;
    HRESULT MoveFirst() override;
    HRESULT MoveNext() override;
    HRESULT MovePrevious() override;
    HRESULT MoveLast() override;
    HRESULT Move(std::int32_t records, int start) override;
    HRESULT get_BOF(VARIANT_BOOL& bof) override;
    HRESULT get_EOF(VARIANT_BOOL& eof) override;
    HRESULT get_RecordCount(std::int32_t& count) override;
    HRESULT get_AbsolutePosition(std::int32_t& position) override;
    HRESULT Requery() override;
    HRESULT AddNew() override;
    HRESULT Update() override;
    HRESULT Delete(int affect) override;
    HRESULT get_Fields(std::shared_ptr<Fields>& fields) override;
    HRESULT get_State(std::int32_t& state) override;
    HRESULT get_RecordKey(qint64& key) override;

    // For the field objects.
    int fieldCount() const;
    const ResultColumn* column(int index) const;
    HRESULT value(int index, Variant& value);
    HRESULT setValue(int index, const Variant& value);

private:
    HRESULT openQuery(const std::shared_ptr<Store>& store, const CompiledQuery& query);
    HRESULT moveTo(qint64 position);
    HRESULT saveEdit();
    HRESULT noCursor() const;
    const Row* current(HRESULT& failure);
    bool editable() const;

    // A record being added, or the changes to the current one, waiting for Update, which checks them.
    struct Edit {
        bool adding = false;
        Row read; // the record as it was read, for a store that checks nobody changed it since
        std::vector<Variant> values;
        std::vector<bool> changed;
    };

    std::shared_ptr<Connection> m_connection;
    std::unique_ptr<Paging> m_paging;
    QString m_source;
    QString m_path;
    int m_lockType = adLockReadOnly;
    qint64 m_position = 0;       // -1 before the first record; the count after the last
    bool m_currentDeleted = false;
    std::optional<Edit> m_edit;
};

} // namespace cedb
