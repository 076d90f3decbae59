#include "platform/cedb/PlainSqliteFile.h"

#include "platform/cedb/Engine.h"

#include <QFile>

#include <sqlite3.h>

namespace cedb {

namespace {

// Flags of the engine's index catalogue.
constexpr int kDescending = 1;
constexpr int kCaseSensitive = 4;

QByteArray quotedName(const QString& name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return (QLatin1Char('"') + quoted + QLatin1Char('"')).toUtf8();
}

QByteArray declaredType(const PlainColumn& column)
{
    switch (column.engineType) {
    case adSmallInt: return "SMALLINT";
    case adInteger: return "INTEGER";
    case adDouble: return "DOUBLE";
    case adDate: return "DATETIME";
    case adBoolean: return "BOOLEAN";
    case adVarWChar: return "VARCHAR(" + QByteArray::number(column.length) + ") COLLATE NOCASE";
    case adLongVarBinary: return "BLOB";
    default: return "TEXT COLLATE NOCASE";
    }
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

} // namespace

PlainSqliteFile::PlainSqliteFile(const QString& hostPath) : m_insert(nullptr, sqlite3_finalize)
{
    if (sqlite3_open_v2(QFile::encodeName(hostPath).constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        sqlite3_close(m_db);
        m_db = nullptr;
        return;
    }
    m_begun = run("BEGIN");
}

PlainSqliteFile::~PlainSqliteFile()
{
    m_insert.reset();
    sqlite3_close(m_db);
}

bool PlainSqliteFile::run(const QByteArray& sql)
{
    return sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool PlainSqliteFile::createTable(const QString& table, const QList<PlainColumn>& columns)
{
    m_insert.reset();
    QByteArrayList declarations;
    for (const PlainColumn& column : columns)
        declarations << quotedName(column.name) + ' ' + declaredType(column);
    if (columns.isEmpty() || !run("CREATE TABLE " + quotedName(table) + " (" + declarations.join(", ") + ")"))
        return false;
    QByteArray places = "?";
    for (qsizetype i = 1; i < columns.size(); ++i)
        places += ", ?";
    const QByteArray insert = "INSERT INTO " + quotedName(table) + " VALUES (" + places + ")";
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, insert.constData(), -1, &statement, nullptr) != SQLITE_OK)
        return false;
    m_insert.reset(statement);
    return true;
}

bool PlainSqliteFile::addRow(const QList<Variant>& values)
{
    if (!m_insert)
        return false;
    for (int i = 0; i < values.size(); ++i)
        bind(m_insert.get(), i + 1, values.at(i));
    const bool added = sqlite3_step(m_insert.get()) == SQLITE_DONE;
    sqlite3_reset(m_insert.get());
    return added;
}

bool PlainSqliteFile::createIndex(const QString& name, const QString& table, const QString& column, int flags)
{
    const QByteArray indexed = quotedName(column) + (flags & kCaseSensitive ? " COLLATE BINARY" : "") +
                               (flags & kDescending ? " DESC" : "");
    return run("CREATE INDEX " + quotedName(name) + " ON " + quotedName(table) + " (" + indexed + ")");
}

bool PlainSqliteFile::commit()
{
    m_insert.reset();
    return isOpen() && run("COMMIT");
}

} // namespace cedb
