#include "platform/cedb/DesignCheck.h"

#include "platform/cedb/server/ServerStore.h"

namespace cedb {

std::optional<QByteArray> tableDesign(const QString& path, const QString& table)
{
    std::shared_ptr<Store> store;
    if (!Store::isServerAddress(path) || FAILED(Store::open(path, store)))
        return std::nullopt;
    return std::static_pointer_cast<ServerStore>(store)->tableDesign(table);
}

QString reopenedForDesignText(const QString& table)
{
    return QStringLiteral("The design of table %1 was changed by another user; it is opened again.").arg(table);
}

} // namespace cedb
