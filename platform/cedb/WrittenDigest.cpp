#include "platform/cedb/WrittenDigest.h"

#include "platform/cedb/Catalogue.h"
#include "platform/cedb/RecordDigest.h"

#include <sqlite3.h>

#include <cmath>

namespace cedb {

namespace {

struct Declared {
    QByteArray name;
    QByteArray type;
    bool notNull = false;
    bool hasDefault = false;
    bool key = false;
    bool generated = false;
};

std::vector<Declared> declaredColumns(sqlite3* db, const QByteArray& storage)
{
    std::vector<Declared> columns;
    sqlite3_stmt* statement = nullptr;
    const QByteArray sql = "SELECT name, type, \"notnull\", dflt_value IS NOT NULL, pk, hidden FROM "
                           "pragma_table_xinfo(?, 'main')";
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &statement, nullptr) != SQLITE_OK)
        return columns;
    sqlite3_bind_text(statement, 1, storage.constData(), int(storage.size()), SQLITE_TRANSIENT);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        const auto text = [&](int column) {
            return QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                              sqlite3_column_bytes(statement, column));
        };
        columns.push_back(Declared{text(0), text(1), sqlite3_column_int(statement, 2) != 0,
                                   sqlite3_column_int(statement, 3) != 0, sqlite3_column_int(statement, 4) != 0,
                                   sqlite3_column_int(statement, 5) != 0});
    }
    sqlite3_finalize(statement);
    return columns;
}

const Declared* declared(const std::vector<Declared>& columns, const QByteArray& name)
{
    for (const Declared& column : columns)
        if (column.name.compare(name, Qt::CaseInsensitive) == 0)
            return &column;
    return nullptr;
}

} // namespace

WrittenDigest::WrittenDigest(sqlite3* db, const TableInfo& table, const std::vector<QByteArray>& bound)
{
    const std::vector<Declared> columns = declaredColumns(db, table.storage);
    m_usable = !columns.empty();
    for (const QByteArray& name : bound) {
        Column column;
        const Declared* found = declared(columns, name);
        m_usable = m_usable && found && !found->generated;
        if (found) {
            column.affinity = affinityOf(found->type);
            column.nullRefused = found->notNull || found->key;
        }
        for (size_t i = 0; i < table.columns.size(); ++i)
            if (table.columns[i].storage.compare(name, Qt::CaseInsensitive) == 0)
                column.place = int(i);
        m_bound.push_back(column);
    }
    // A field left out gets its default, or the rowid when it is the key: only one with neither stays Null.
    for (const ColumnInfo& field : table.columns) {
        bool given = false;
        for (const QByteArray& name : bound)
            given = given || field.storage.compare(name, Qt::CaseInsensitive) == 0;
        const Declared* found = declared(columns, field.storage);
        m_usable = m_usable && found && (given || (!found->hasDefault && !found->key && !found->generated));
    }
}

// SQLite's own rules, in their order, for a column's declared type.
WrittenDigest::Affinity WrittenDigest::affinityOf(QByteArray declared)
{
    declared = declared.toUpper();
    if (declared.contains("INT"))
        return Affinity::Integer;
    if (declared.contains("CHAR") || declared.contains("CLOB") || declared.contains("TEXT"))
        return Affinity::Text;
    if (declared.isEmpty() || declared.contains("BLOB"))
        return Affinity::Blob;
    if (declared.contains("REAL") || declared.contains("FLOA") || declared.contains("DOUB"))
        return Affinity::Real;
    return Affinity::Numeric;
}

void WrittenDigest::start()
{
    m_sum = 0;
    m_known = m_usable;
}

void WrittenDigest::add(size_t parameter, const StoredValue& value)
{
    if (!m_known)
        return;
    const Column& column = m_bound[parameter];
    if (column.place < 0)
        return;
    if (std::holds_alternative<std::monostate>(value)) {
        m_known = !column.nullRefused;
        return;
    }
    if (const auto* text = std::get_if<QString>(&value)) {
        const QByteArray utf8 = text->toUtf8();
        addText(parameter, utf8.constData(), size_t(utf8.size()));
        return;
    }
    if (const auto* bytes = std::get_if<QByteArray>(&value)) {
        // A blob is stored as it is, whatever the column's affinity.
        m_sum += bytesHash(column.place, SQLITE_BLOB, bytes->constData(), size_t(bytes->size()));
        return;
    }
    const auto* integer = std::get_if<qint64>(&value);
    const auto* flag = std::get_if<StoredFlag>(&value);
    if (integer || flag) {
        m_known = column.affinity == Affinity::Integer;
        m_sum += integerHash(column.place, integer ? *integer : qint64(flag->on));
        return;
    }
    const auto* date = std::get_if<StoredDate>(&value);
    const double real = date ? date->day : std::get<double>(value);
    // SQLite stores NaN as Null; and a real column keeps a whole number as an integer, which comes back
    // as the real it was, but -0.0 as 0.0.
    m_known = column.affinity == Affinity::Real && !std::isnan(real);
    m_sum += realHash(column.place, real == 0 ? 0.0 : real);
}

void WrittenDigest::addText(size_t parameter, const char* utf8, size_t size)
{
    const Column& column = m_bound[parameter];
    if (column.place < 0)
        return;
    // A column of no affinity keeps a text as text too.
    m_known = m_known && (column.affinity == Affinity::Text || column.affinity == Affinity::Blob);
    m_sum += bytesHash(column.place, SQLITE_TEXT, utf8, size);
}

std::optional<quint64> WrittenDigest::digest() const
{
    if (!m_known)
        return std::nullopt;
    return m_sum;
}

std::optional<quint64> WrittenDigests::digest(sqlite3* db, const TableInfo& table,
                                              const std::vector<QByteArray>& columns,
                                              const std::vector<StoredValue>& values)
{
    if (m_table != table.storage || m_columns != columns) {
        m_digest = WrittenDigest(db, table, columns);
        m_table = table.storage;
        m_columns = columns;
    }
    if (values.size() != columns.size())
        return std::nullopt;
    m_digest.start();
    for (size_t i = 0; i < values.size(); ++i)
        m_digest.add(i, values[i]);
    return m_digest.digest();
}

} // namespace cedb
