#include "platform/cedb/HistoryRows.h"

namespace cedb::history {

const ColumnInfo* columnByStorage(const TableInfo& table, const QByteArray& storage)
{
    for (const ColumnInfo& column : table.columns)
        if (column.storage == storage)
            return &column;
    return nullptr;
}

std::vector<HistoryValue> rowValues(const QByteArray& text)
{
    std::vector<HistoryValue> values;
    parseRowText(text, values);
    return values;
}

QString recordName(const TableInfo& table, qint64 record, const std::vector<HistoryValue>& known)
{
    constexpr int kLongest = 40;
    for (const HistoryValue& value : known) {
        const StoredValue stored = literalValue(value.literal);
        if (const auto* text = std::get_if<QString>(&stored); text && !text->isEmpty())
            return QStringLiteral("\"%1\" in %2")
                .arg(text->size() > kLongest ? text->left(kLongest) + QStringLiteral("...") : *text, table.name);
    }
    return QStringLiteral("%1 of %2").arg(record).arg(table.name);
}

std::vector<HistoryValue> inColumnOrder(const TableInfo& table, const std::map<QByteArray, QByteArray>& row)
{
    std::vector<HistoryValue> values;
    for (const ColumnInfo& column : table.columns)
        if (const auto found = row.find(column.storage); found != row.end())
            values.push_back({column.storage, found->second});
    return values;
}

bool currentRow(Database& db, const TableInfo& table, qint64 record, std::map<QByteArray, QByteArray>& row)
{
    QByteArray sql = "SELECT 1";
    for (const ColumnInfo& column : table.columns)
        sql += ", quote(" + column.storage + ")";
    Query query(db, sql + " FROM " + table.storage + " WHERE rowid = ?", {record});
    if (!query.next())
        return false;
    row.clear();
    for (size_t i = 0; i < table.columns.size(); ++i)
        row[table.columns[i].storage] = query.bytes(int(i) + 1);
    return true;
}

bool matches(const std::map<QByteArray, QByteArray>& row, const std::vector<HistoryValue>& expected)
{
    for (const HistoryValue& value : expected) {
        const auto found = row.find(value.storage);
        if (found != row.end() && found->second != value.literal)
            return false;
    }
    return true;
}

HRESULT writeRow(Database& db, const TableInfo& table, qint64 record, const std::vector<HistoryValue>& values,
                 bool insert, bool inPlace)
{
    std::vector<StoredValue> parameters;
    QByteArray columns, marks;
    for (const HistoryValue& value : values) {
        if (!columnByStorage(table, value.storage)) // a field deleted since: design changes stay
            continue;
        columns += (columns.isEmpty() ? "" : ", ") + value.storage + (insert ? "" : " = ?");
        marks += marks.isEmpty() ? "?" : ", ?";
        parameters.push_back(literalValue(value.literal));
    }
    if (insert && !inPlace)
        return db.run("INSERT INTO " + table.storage + (columns.isEmpty() ? " DEFAULT VALUES" : " (" + columns +
                          ") VALUES (" + marks + ")"), parameters);
    parameters.push_back(record);
    if (insert)
        return db.run("INSERT INTO " + table.storage + " (" + columns + (columns.isEmpty() ? "" : ", ") +
                          "rowid) VALUES (" + marks + (marks.isEmpty() ? "" : ", ") + "?)",
                      parameters);
    if (columns.isEmpty())
        return S_OK;
    return db.run("UPDATE " + table.storage + " SET " + columns + " WHERE rowid = ?", parameters);
}

QString refusal(bool undoing)
{
    return undoing ? QStringLiteral("\"%1\" cannot be undone: ") : QStringLiteral("\"%1\" cannot be redone: ");
}

} // namespace cedb::history
