#include "tables/SqliteExport.h"

#include "data/CDbRecordset.h"
#include "data/SqlText.h"
#include "platform/cedb/Engine.h"
#include "platform/framework/MessageBox.h"

#include <QFile>
#include <QList>

#include <sqlite3.h>

#include <memory>

namespace {

struct Field {
    QString name;
    int length = 0;
    int type = 0;
};

struct Index {
    QString name;
    int fieldId = 0;
    int flags = 0;
};

// Flags of the engine's index catalogue.
constexpr int kDescending = 1;
constexpr int kCaseSensitive = 4;

QByteArray quotedName(const QString& name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return (QLatin1Char('"') + quoted + QLatin1Char('"')).toUtf8();
}

QByteArray declaredType(const Field& field)
{
    switch (field.type) {
    case cedb::adSmallInt: return "SMALLINT";
    case cedb::adInteger: return "INTEGER";
    case cedb::adDouble: return "DOUBLE";
    case cedb::adDate: return "DATETIME";
    case cedb::adBoolean: return "BOOLEAN";
    case cedb::adVarWChar: return "VARCHAR(" + QByteArray::number(field.length) + ") COLLATE NOCASE";
    case cedb::adLongVarBinary: return "BLOB";
    default: return "TEXT COLLATE NOCASE";
    }
}

QList<QStringList> rows(CAppContext& context, const QString& sql)
{
    QList<QStringList> result;
    CDbRecordset records(context.connection, context.databasePath());
    if (!records.Open(sql, 0, 1))
        return result;
    for (; !records.IsEOF(); records.MoveNext()) {
        QStringList row;
        for (int i = 0; i < records.GetFieldCount(); ++i)
            row << records.GetFieldString(i);
        result << row;
    }
    return result;
}

bool isCatalogue(const QString& table)
{
    return table.contains(QStringLiteral("MSys"), Qt::CaseInsensitive) ||
           table.startsWith(QStringLiteral("XNSys"), Qt::CaseInsensitive);
}

void bind(sqlite3_stmt* statement, int place, const Variant& value)
{
    switch (value.vt()) {
    case VT_EMPTY:
    case VT_NULL: sqlite3_bind_null(statement, place); return;
    case VT_I2:
    case VT_I4: sqlite3_bind_int64(statement, place, value.toInt()); return;
    case VT_R4:
    case VT_R8: sqlite3_bind_double(statement, place, value.toDouble()); return;
    case VT_BOOL: sqlite3_bind_int(statement, place, value.toBool() ? 1 : 0); return;
    case VT_DATE: {
        const automation::DateParts parts = automation::toDateParts(value.date());
        const QByteArray text = QStringLiteral("%1-%2-%3 %4:%5:%6")
                                    .arg(parts.year, 4, 10, QLatin1Char('0'))
                                    .arg(parts.month, 2, 10, QLatin1Char('0'))
                                    .arg(parts.day, 2, 10, QLatin1Char('0'))
                                    .arg(parts.hour, 2, 10, QLatin1Char('0'))
                                    .arg(parts.minute, 2, 10, QLatin1Char('0'))
                                    .arg(parts.second, 2, 10, QLatin1Char('0'))
                                    .toUtf8();
        sqlite3_bind_text(statement, place, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        return;
    }
    default: break;
    }
    if (value.isArray()) {
        QByteArray bytes;
        for (const Variant& element : value.array().elements)
            bytes.append(char(element.toInt()));
        sqlite3_bind_blob(statement, place, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        return;
    }
    const QByteArray text = value.toString().toUtf8();
    sqlite3_bind_text(statement, place, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

class Target {
public:
    explicit Target(const QString& path)
    {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK) {
            sqlite3_close(m_db);
            m_db = nullptr;
        }
    }
    ~Target() { sqlite3_close(m_db); }
    bool isOpen() const { return m_db; }
    bool run(const QByteArray& sql) { return sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK; }

    bool copyTable(CAppContext& context, const QString& table, const QString& tableId)
    {
        QList<Field> fields;
        for (const QStringList& row :
             rows(context, QStringLiteral("SELECT FieldName, FieldLen, ODBCType FROM MSysFields WHERE TableID = ") +
                               tableId + QStringLiteral(" ORDER BY FieldID")))
            fields.append({row.value(0), row.value(1).toInt(), row.value(2).toInt()});
        QByteArrayList columns;
        for (const Field& field : fields)
            columns << quotedName(field.name) + ' ' + declaredType(field);
        if (fields.isEmpty() || !run("CREATE TABLE " + quotedName(table) + " (" + columns.join(", ") + ")"))
            return false;
        QByteArray places = "?";
        for (qsizetype i = 1; i < fields.size(); ++i)
            places += ", ?";
        const QByteArray insert = "INSERT INTO " + quotedName(table) + " VALUES (" + places + ")";
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, insert.constData(), -1, &statement, nullptr) != SQLITE_OK)
            return false;
        std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> finalizer(statement, sqlite3_finalize);
        CDbRecordset records(context.connection, context.databasePath());
        if (!records.Open(QStringLiteral("SELECT * FROM ") + sqlQuoted(table), 0, 1))
            return false;
        for (; !records.IsEOF(); records.MoveNext()) {
            for (int i = 0; i < fields.size(); ++i)
                bind(statement, i + 1, records.GetFieldValue(i));
            if (sqlite3_step(statement) != SQLITE_DONE)
                return false;
            sqlite3_reset(statement);
        }
        return copyIndexes(context, table, tableId, fields);
    }

private:
    bool copyIndexes(CAppContext& context, const QString& table, const QString& tableId, const QList<Field>& fields)
    {
        for (const QStringList& row :
             rows(context, QStringLiteral("SELECT IndexName, FieldID, Flags FROM MSysIndexes WHERE TableID = ") + tableId)) {
            const Index index{row.value(0), row.value(1).toInt(), row.value(2).toInt()};
            if (index.fieldId < 1 || index.fieldId > fields.size())
                continue;
            // Index names are the table's own in the engine, the file's in SQLite.
            const QByteArray name = quotedName(table + QLatin1Char('_') + index.name);
            const QByteArray column = quotedName(fields[index.fieldId - 1].name) +
                                      (index.flags & kCaseSensitive ? " COLLATE BINARY" : "") +
                                      (index.flags & kDescending ? " DESC" : "");
            if (!run("CREATE INDEX " + name + " ON " + quotedName(table) + " (" + column + ")"))
                return false;
        }
        return true;
    }

    sqlite3* m_db = nullptr;
};

} // namespace

std::optional<int> exportSqliteDatabase(CAppContext& context, const QString& hostPath)
{
    const QString partial = hostPath + QStringLiteral(".partial");
    QFile::remove(partial);
    int written = 0;
    bool complete = false;
    {
        Target target(partial);
        complete = target.isOpen() && target.run("BEGIN");
        for (const QStringList& row : rows(context, QStringLiteral("SELECT TableName, TableID FROM MSysTables")))
            if (complete && !isCatalogue(row.value(0))) {
                complete = target.copyTable(context, row.value(0), row.value(1));
                ++written;
            }
        complete = complete && target.run("COMMIT");
    }
    if (!complete || (QFile::exists(hostPath) && !QFile::remove(hostPath)) || !QFile::rename(partial, hostPath)) {
        QFile::remove(partial);
        framework::showMessage(QStringLiteral("The file could not be written: ") + hostPath);
        return std::nullopt;
    }
    return written;
}
