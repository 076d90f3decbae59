#include "data/CDbConnection.h"

struct CDbConnection::Handle {
    std::shared_ptr<cedb::Connection> connection;
    ~Handle()
    {
        if (connection)
            connection->Close();
    }
};

CDbConnection::CDbConnection(const QString& provider) : m_handle(std::make_shared<Handle>())
{
    m_handle->connection = cedb::Connection::create();
    if (!m_handle->connection)
        return;
    m_handle->connection->put_Provider(provider.isEmpty() ? QStringLiteral("CEDB") : provider);
    m_handle->connection->Open(QString(), QString(), QString(), -1);
}

std::shared_ptr<cedb::Connection> CDbConnection::engine() const
{
    return m_handle->connection;
}
