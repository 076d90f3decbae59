#include "app/ContextDatabase.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/DatabaseLifecycle.h"
#include "data/FieldRows.h"
#include "data/SqlText.h"
#include "platform/cedb/History.h"
#include "platform/cedb/ServerAddress.h"
#include "tables/DatasheetFields.h"
#include "tables/FieldCatalogue.h"

bool ContextDatabase::isOpen() const { return m_context.openDatabase != nullptr; }

QString ContextDatabase::openPath() const { return m_context.databasePath(); }

bool ContextDatabase::createDatabase(const QString& path) { return CreateDatabaseInPlace(m_context, m_window, path); }

bool ContextDatabase::openDatabase(const QString& path) { return OpenDatabase(m_context, m_window, path); }

void ContextDatabase::closeDatabase() { CloseDatabase(m_context); }

bool ContextDatabase::deleteDatabase(const QString& path) { return DeleteDatabase(path); }

void ContextDatabase::checkCatalogue() { fDBInit(m_context, m_window); }

QString ContextDatabase::copyDatabaseTo(const QString& target) { return CopyDatabase(openPath(), target); }

void ContextDatabase::relistTables() { ::relistTables(m_context, m_window); }

bool ContextDatabase::execute(const QString& sql) { return ContextSql(m_context).execute(sql); }

std::optional<QList<QStringList>> ContextDatabase::select(const QString& sql) { return ContextSql(m_context).select(sql); }

std::optional<int> ContextDatabase::recordCount(const QString& table)
{
    if (!isOpen())
        return std::nullopt;
    CDbRecordset records(m_context.connection, m_context.databasePath());
    if (!records.Open(sqlQuoted(table), 0, 1))
        return std::nullopt;
    return records.GetRecordCount();
}

bool ContextDatabase::createTable(const QString& name, const QList<FieldDefinition>& fields)
{
    return isOpen() && FieldCatalogue(m_context, name).CreateTable(fields);
}

bool ContextDatabase::deleteTable(const QString& name)
{
    if (!isOpen())
        return false;
    const QString path = m_context.databasePath();
    if (!cedb::isServerAddress(path)) {
        QString message;
        return cedb::history::deleteTable(path, name, message);
    }
    // A server database keeps no history: the table and its fields' properties simply go.
    const qint64 id = tableIdOf(m_context, name).toLongLong();
    if (!execute(QStringLiteral("drop table ") + sqlQuoted(name)))
        return false;
    FieldRows(*this).removeTable(QString::number(id));
    return true;
}

bool ContextDatabase::setNextAutoNumber(const QString& table, const QString& field, int next)
{
    return isOpen() && storeAutoNumber(m_context, tableIdOf(m_context, table), field, next);
}
