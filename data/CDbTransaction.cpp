#include "data/CDbTransaction.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"

CDbTransaction::CDbTransaction(CAppContext& context) : CDbTransaction(context.connection, context.databasePath()) {}

CDbTransaction::CDbTransaction(CDbRecordset& records) : CDbTransaction(records.connection(), records.path()) {}

CDbTransaction::CDbTransaction(CDbConnection& connection, const QString& path) : m_connection(connection), m_path(path)
{
    const auto engine = m_connection.engine();
    m_open = engine && !m_path.isEmpty() && SUCCEEDED(engine->BeginTrans(m_path));
}

CDbTransaction::~CDbTransaction() { rollback(); }

bool CDbTransaction::commit()
{
    if (!m_open)
        return false;
    m_open = false;
    const auto engine = m_connection.engine();
    if (SUCCEEDED(engine->CommitTrans(m_path)))
        return true;
    // A commit that failed leaves the writes pending: they go, so that the next transaction can begin.
    engine->RollbackTrans(m_path);
    return false;
}

void CDbTransaction::rollback()
{
    if (!m_open)
        return;
    m_open = false;
    m_connection.engine()->RollbackTrans(m_path);
}
