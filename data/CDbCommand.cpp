#include "data/CDbCommand.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"

CDbCommand::CDbCommand(CAppContext& context, const QString& name)
    : CDbCommand(context.connection, context.databasePath(), name)
{
}

CDbCommand::CDbCommand(CDbRecordset& records, const QString& name) : CDbCommand(records.connection(), records.path(), name) {}

CDbCommand::CDbCommand(CDbConnection& connection, const QString& path, const QString& name)
    : m_connection(connection), m_path(path)
{
    const auto engine = m_connection.engine();
    m_open = engine && !m_path.isEmpty() && SUCCEEDED(engine->BeginCommand(m_path, name));
}

CDbCommand::~CDbCommand()
{
    if (m_open)
        m_connection.engine()->EndCommand(m_path);
}
