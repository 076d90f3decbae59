#include "platform/cedb/Database.h"
#include "platform/cedb/Store.h"
#include "platform/cedb/Engine.h"
#include "platform/cedb/Failures.h"

#include <map>
#include <vector>

namespace cedb {

namespace {

// The shared connection: the databases themselves are opened by the recordsets that name them; the
// connection only groups writes into transactions, holding the database open while one runs.
class ConnectionObject : public Connection {
public:
    ~ConnectionObject() override { Close(); }

    HRESULT put_Provider(const QString& provider) override
    {
        if (provider.compare(QLatin1String("CEDB"), Qt::CaseInsensitive) != 0)
            return fail(E_FAIL, QStringLiteral("Unknown provider %1").arg(provider));
        return S_OK;
    }

    HRESULT Open(const QString&, const QString&, const QString&, int) override { return S_OK; }

    HRESULT Close() override
    {
        for (auto& [path, db] : m_transactions)
            db->rollbackTransaction();
        m_transactions.clear();
        Store::closeUnused();
        return S_OK;
    }

    HRESULT BeginTrans(const QString& path) override
    {
        if (m_transactions.count(path))
            return fail(E_FAIL, QStringLiteral("A transaction is open already on %1").arg(path));
        std::shared_ptr<Store> db;
        HRESULT hr = Store::open(path, db);
        if (SUCCEEDED(hr))
            hr = db->beginTransaction();
        if (SUCCEEDED(hr))
            m_transactions[path] = db;
        return hr;
    }

    // Only a database file keeps the history of its data; a server database's commands group nothing.
    HRESULT BeginCommand(const QString& path, const QString& name) override
    {
        if (Store::isServerAddress(path))
            return S_OK;
        std::shared_ptr<Database> db;
        const HRESULT hr = Database::open(path, db);
        if (SUCCEEDED(hr)) {
            db->beginCommand(name);
            m_commands[path].push_back(db);
        }
        return hr;
    }

    HRESULT EndCommand(const QString& path) override
    {
        if (Store::isServerAddress(path))
            return S_OK;
        auto found = m_commands.find(path);
        if (found == m_commands.end())
            return fail(E_FAIL, QStringLiteral("No command is open on %1").arg(path));
        found->second.back()->endCommand();
        found->second.pop_back();
        if (found->second.empty())
            m_commands.erase(found);
        return S_OK;
    }

    HRESULT CommitTrans(const QString& path) override { return end(path, true); }
    HRESULT RollbackTrans(const QString& path) override { return end(path, false); }

private:
    HRESULT end(const QString& path, bool commit)
    {
        const auto found = m_transactions.find(path);
        if (found == m_transactions.end())
            return fail(E_FAIL, QStringLiteral("No transaction is open on %1").arg(path));
        const HRESULT hr = commit ? found->second->commitTransaction() : found->second->rollbackTransaction();
        if (SUCCEEDED(hr) || !commit)
            m_transactions.erase(found);
        return hr;
    }

    std::map<QString, std::shared_ptr<Store>> m_transactions;
    // The file each open command was begun on, so that it ends on the same one.
    std::map<QString, std::vector<std::shared_ptr<Database>>> m_commands;
};

} // namespace

std::shared_ptr<Connection> Connection::create()
{
    return std::make_shared<ConnectionObject>();
}

} // namespace cedb
