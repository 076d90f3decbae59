#pragma once
// A plain SQLite file that any SQLite tool reads, written table by table inside one transaction: each
// column declared after the engine type it holds, its values bound as the engine gives them. Dates become
// ISO texts ("2026-12-07 10:30:00"), Booleans 1 and 0, byte arrays blobs.
#include "platform/automation/variant.h"

#include <QList>
#include <QString>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace cedb {

struct PlainColumn {
    QString name;
    int length = 0;     // of a text column
    int engineType = 0; // one of the engine's type codes
};

class PlainSqliteFile {
public:
    // Creates or opens the file at the host path and begins the transaction.
    explicit PlainSqliteFile(const QString& hostPath);
    ~PlainSqliteFile();
    PlainSqliteFile(const PlainSqliteFile&) = delete;
    PlainSqliteFile& operator=(const PlainSqliteFile&) = delete;

    bool isOpen() const { return m_db && m_begun; }
    // Creates the table; the rows added next go into it.
    bool createTable(const QString& table, const QList<PlainColumn>& columns);
    // One value for each column of the table created last, in their order.
    bool addRow(const QList<Variant>& values);
    // An index over one column of `table`; flags as the engine's index catalogue keeps them.
    bool createIndex(const QString& name, const QString& table, const QString& column, int flags);
    bool commit();

private:
    bool run(const QByteArray& sql);

    sqlite3* m_db = nullptr;
    bool m_begun = false;
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> m_insert;
};

} // namespace cedb
