#include "platform/cedb/InsertTarget.h"

#include "platform/cedb/Failures.h"
#include "platform/cedb/RowWrites.h"

#include <algorithm>
#include <array>

namespace cedb {

namespace {

struct Kept {
    quint64 generation = 0; // 0: nothing kept here
    QString table;
    std::vector<QString> columns;
    InsertTarget target;
};

// A statement's names share their text with those of its shape kept before: told by their pointer first.
bool sameText(const QString& a, const QString& b)
{
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

bool sameTexts(const std::vector<QString>& a, const std::vector<QString>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameText);
}

HRESULT decide(const Catalogue& catalogue, const Insert& statement, InsertTarget& target)
{
    const TableInfo* table = nullptr;
    if (FAILED(writableTable(catalogue, statement.table, table)))
        return DB_E_ERRORSINCOMMAND;
    const auto add = [&](const ColumnInfo& column) {
        target.names.push_back(column.name);
        target.types.push_back(column.type);
        target.storage.push_back(column.storage);
    };
    if (statement.columns.empty()) {
        for (const ColumnInfo& column : table->columns)
            add(column);
    } else {
        for (const QString& name : statement.columns) {
            const ColumnInfo* column = table->column(name);
            if (!column)
                return fail(DB_E_ERRORSINCOMMAND, QStringLiteral("Unknown column %1").arg(name));
            add(*column);
        }
    }
    target.table = table->storage;
    target.sql = insertSql(table->storage, target.storage);
    return S_OK;
}

} // namespace

HRESULT insertTarget(const Catalogue& catalogue, const Insert& statement, const InsertTarget*& target)
{
    // A few, for a program that fills several tables in turn (orders and their lines).
    thread_local std::array<Kept, 4> kept;
    thread_local size_t replaced = 0;
    for (const Kept& entry : kept) {
        if (entry.generation != 0 && entry.generation == catalogue.generation() &&
            sameText(entry.table, statement.table) && sameTexts(entry.columns, statement.columns)) {
            target = &entry.target;
            return S_OK;
        }
    }
    InsertTarget decided;
    if (const HRESULT hr = decide(catalogue, statement, decided); FAILED(hr))
        return hr;
    Kept& entry = kept[replaced];
    entry = Kept{catalogue.generation(), statement.table, statement.columns, std::move(decided)};
    replaced = (replaced + 1) % kept.size();
    target = &entry.target;
    return S_OK;
}

} // namespace cedb
