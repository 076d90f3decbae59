#include "platform/cedb/BulkAppend.h"

#include "platform/cedb/Failures.h"
#include "platform/cedb/FileAppend.h"
#include "platform/cedb/server/ServerAppend.h"

namespace cedb {

HRESULT BulkAppend::open(const QString& path, const QString& table, const QStringList& fields,
                         std::unique_ptr<BulkAppend>& append)
{
    append.reset();
    std::shared_ptr<Store> store;
    if (const HRESULT hr = Store::open(path, store); FAILED(hr))
        return hr;
    const TableInfo* info = store->catalogue().table(table);
    if (!info || info->isEngineTable())
        return fail(DB_E_ERRORSINCOMMAND, QStringLiteral("Unknown table %1").arg(table));
    if (fields.isEmpty())
        return fail(DB_E_ERRORSINCOMMAND, QStringLiteral("No field of %1 is named to receive the records").arg(table));
    std::vector<ColumnInfo> columns;
    for (const QString& name : fields) {
        const ColumnInfo* column = info->column(name);
        if (!column)
            return fail(DB_E_ERRORSINCOMMAND, QStringLiteral("Unknown column %1").arg(name));
        columns.push_back(*column);
    }
    if (Store::isServerAddress(path))
        append = std::make_unique<ServerAppend>(std::static_pointer_cast<ServerStore>(store), *info, std::move(columns));
    else
        append = std::make_unique<FileAppend>(std::static_pointer_cast<Database>(store), *info, std::move(columns));
    return S_OK;
}

} // namespace cedb
