#include "data/CDbTransaction.h"

#include "data/CAppContext.h"

CDbTransaction::CDbTransaction(CAppContext& context) : m_context(context), m_path(context.databasePath())
{
    const auto engine = m_context.connection.engine();
    m_open = engine && !m_path.isEmpty() && SUCCEEDED(engine->BeginTrans(m_path));
}

CDbTransaction::~CDbTransaction() { rollback(); }

bool CDbTransaction::commit()
{
    if (!m_open)
        return false;
    m_open = false;
    const auto engine = m_context.connection.engine();
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
    m_context.connection.engine()->RollbackTrans(m_path);
}
