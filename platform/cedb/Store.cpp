#include "platform/cedb/Store.h"

#include "platform/cedb/Database.h"
#include "platform/cedb/server/ServerStore.h"

namespace cedb {

bool Store::isServerAddress(const QString& address)
{
    return cedb::isServerAddress(address);
}

bool isServerAddress(const QString& address)
{
    // Every statement names its database: a file's name is told apart by its first letter alone.
    if (address.isEmpty() || (address[0] != u'p' && address[0] != u'P'))
        return false;
    return address.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           address.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

HRESULT Store::open(const QString& address, std::shared_ptr<Store>& store)
{
    if (isServerAddress(address))
        return ServerStore::open(address, store);
    std::shared_ptr<Database> database;
    const HRESULT hr = Database::open(address, database);
    store = database;
    return hr;
}

HRESULT Store::create(const QString& pathWithoutExtension)
{
    return isServerAddress(pathWithoutExtension) ? ServerStore::create(pathWithoutExtension)
                                                 : Database::create(pathWithoutExtension);
}

void Store::closeUnused()
{
    Database::closeUnused();
    ServerStore::closeUnused();
}

} // namespace cedb
