#pragma once
// What undoing, redoing and reading the history share: statements on the history tables, and records
// read, compared, named and written as the history's row texts hold them.
#include "platform/cedb/Database.h"
#include "platform/cedb/HistoryText.h"

#include <sqlite3.h>

#include <map>
#include <vector>

namespace cedb::history {

// A statement on the history tables, stepped row by row.
class Query {
public:
    Query(Database& db, const QByteArray& sql, const std::vector<StoredValue>& values = {})
    {
        m_ok = SUCCEEDED(db.prepare(sql, m_statement));
        if (m_ok)
            m_statement.bind(values);
    }
    bool next() { return m_ok && sqlite3_step(m_statement.get()) == SQLITE_ROW; }
    qint64 integer(int column) const { return sqlite3_column_int64(m_statement.get(), column); }
    QByteArray bytes(int column) const
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement.get(), column));
        return QByteArray(text ? text : "", sqlite3_column_bytes(m_statement.get(), column));
    }
    QString text(int column) const { return QString::fromUtf8(bytes(column)); }
    bool isBlob(int column) const { return sqlite3_column_type(m_statement.get(), column) == SQLITE_BLOB; }
    sqlite3_stmt* statement() const { return m_statement.get(); }

private:
    PooledStatement m_statement;
    bool m_ok = false;
};

const ColumnInfo* columnByStorage(const TableInfo& table, const QByteArray& storage);
std::vector<HistoryValue> rowValues(const QByteArray& text);
// How a record is named to the user: its first text with a value, and its table.
QString recordName(const TableInfo& table, qint64 record, const std::vector<HistoryValue>& known);
std::vector<HistoryValue> inColumnOrder(const TableInfo& table, const std::map<QByteArray, QByteArray>& row);
// The record's values now, as quote() writes them; false when the record is not there.
bool currentRow(Database& db, const TableInfo& table, qint64 record, std::map<QByteArray, QByteArray>& row);
// Whether `row` holds the values `expected` gives, in the fields it has now.
bool matches(const std::map<QByteArray, QByteArray>& row, const std::vector<HistoryValue>& expected);
// Writes `values` into the record in place, or adds it with them (at its own place, or a new one).
HRESULT writeRow(Database& db, const TableInfo& table, qint64 record, const std::vector<HistoryValue>& values,
                 bool insert, bool inPlace = true);
// "%1" stands for the step's name.
QString refusal(bool undoing);

} // namespace cedb::history
