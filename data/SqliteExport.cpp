#include "data/SqliteExport.h"

#include "data/CDbRecordset.h"
#include "data/CatalogueSql.h"
#include "data/SqlText.h"
#include "platform/cedb/PlainSqliteFile.h"
#include "platform/framework/MessageBox.h"

#include <QFile>
#include <QList>

namespace {

bool isCatalogue(const QString& table)
{
    return table.contains(QStringLiteral("MSys"), Qt::CaseInsensitive) ||
           table.startsWith(QStringLiteral("XNSys"), Qt::CaseInsensitive);
}

// TableIDs come from the engine's catalogue as numbers and stand in its statements bare.
bool copyIndexes(ContextSql& sql, cedb::PlainSqliteFile& target, const QString& table, const QString& tableId,
                 const QList<cedb::PlainColumn>& columns)
{
    const auto indexes =
        sql.select(QStringLiteral("SELECT IndexName, FieldID, Flags FROM MSysIndexes WHERE TableID = ") + tableId);
    for (const QStringList& row : indexes.value_or(QList<QStringList>())) {
        const int fieldId = row.value(1).toInt();
        if (fieldId < 1 || fieldId > columns.size())
            continue;
        // Index names are the table's own in the engine, the file's in SQLite.
        if (!target.createIndex(table + QLatin1Char('_') + row.value(0), table, columns[fieldId - 1].name,
                                row.value(2).toInt()))
            return false;
    }
    return true;
}

bool copyTable(CAppContext& context, cedb::PlainSqliteFile& target, const QString& table, const QString& tableId)
{
    ContextSql sql(context);
    QList<cedb::PlainColumn> columns;
    const auto fields = sql.select(QStringLiteral("SELECT FieldName, FieldLen, ODBCType FROM MSysFields WHERE TableID = ") +
                                   tableId + QStringLiteral(" ORDER BY FieldID"));
    for (const QStringList& row : fields.value_or(QList<QStringList>()))
        columns.append({row.value(0), row.value(1).toInt(), row.value(2).toInt()});
    if (!target.createTable(table, columns))
        return false;
    CDbRecordset records(context.connection, context.databasePath());
    if (!records.Open(QStringLiteral("SELECT * FROM ") + sqlQuoted(table), 0, 1))
        return false;
    for (; !records.IsEOF(); records.MoveNext()) {
        QList<Variant> values;
        for (int i = 0; i < columns.size(); ++i)
            values << records.GetFieldValue(i);
        if (!target.addRow(values))
            return false;
    }
    return copyIndexes(sql, target, table, tableId, columns);
}

} // namespace

std::optional<int> exportSqliteDatabase(CAppContext& context, const QString& hostPath)
{
    const QString partial = hostPath + QStringLiteral(".partial");
    QFile::remove(partial);
    int written = 0;
    bool complete = false;
    {
        cedb::PlainSqliteFile target(partial);
        complete = target.isOpen();
        ContextSql sql(context);
        const auto tables = sql.select(QStringLiteral("SELECT TableName, TableID FROM MSysTables"));
        for (const QStringList& row : tables.value_or(QList<QStringList>()))
            if (complete && !isCatalogue(row.value(0))) {
                complete = copyTable(context, target, row.value(0), row.value(1));
                ++written;
            }
        complete = complete && target.commit();
    }
    if (!complete || (QFile::exists(hostPath) && !QFile::remove(hostPath)) || !QFile::rename(partial, hostPath)) {
        QFile::remove(partial);
        framework::showMessage(QStringLiteral("The file could not be written: ") + hostPath);
        return std::nullopt;
    }
    return written;
}
