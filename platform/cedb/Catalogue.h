#pragma once
// The engine catalogue: MSysTables, MSysFields and MSysIndexes are real tables of the file, and this is
// their content in memory, with where each table and column lives in SQLite. User tables are stored as
// "t<TableID>" with columns "c<n>", so no name a user types ever reaches SQLite's own SQL.
#include "platform/cedb/TypeRules.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

struct sqlite3;

namespace cedb {

struct ColumnInfo {
    QString name;
    int fieldId = 0;
    ColumnType type;
    QByteArray storage; // the SQLite column name
};

struct IndexInfo {
    QString name;
    int fieldId = 0;
    int flags = 0;
    QByteArray storage; // the SQLite index name
};

// Bits of MSysIndexes.Flags.
constexpr int indexDescending = 1;
constexpr int indexNullsLast = 2;
constexpr int indexCaseSensitive = 4;

struct TableInfo {
    QString name;
    int id = 0;
    QByteArray storage; // the SQLite table name
    std::vector<ColumnInfo> columns;
    std::vector<IndexInfo> indexes;

    bool isEngineTable() const { return id <= 3; }
    const ColumnInfo* column(const QString& name) const;      // ignoring case
    const ColumnInfo* columnById(int fieldId) const;
    const IndexInfo* index(const QString& name) const;        // ignoring case
    int nextStorageColumn() const;                            // n of the next "c<n>"
    // The names, storage and types of the columns, in their order: equal designs read alike.
    QByteArray design() const;
};

// Which SQL the tables are reached with: where SQLite and PostgreSQL differ, the compiled text does.
enum class SqlDialect { Sqlite, Postgres };

// The rows a catalogue query gives, each column as text (Null as empty).
using CatalogueRows = std::vector<std::vector<QString>>;
using CatalogueReader = std::function<bool(const char* sql, CatalogueRows& rows)>;

class Catalogue {
public:
    // The statements that make a new file's catalogue, describing itself.
    static const char* bootstrapSql();
    // The rows of MSysTables and MSysFields that describe the three tables themselves.
    static const char* bootstrapRows();
    // Reads the three tables; false when the file holds no catalogue of ours.
    bool load(sqlite3* db);
    bool load(const CatalogueReader& read, SqlDialect dialect);

    SqlDialect dialect() const { return m_dialect; }
    // Different for every catalogue content the process has read (never 0): what was decided from a
    // catalogue holds while its generation stays the same.
    quint64 generation() const { return m_generation; }

    const TableInfo* table(const QString& name) const; // ignoring case
    const std::vector<TableInfo>& tables() const { return m_tables; }

private:
    std::vector<TableInfo> m_tables;
    SqlDialect m_dialect = SqlDialect::Sqlite;
    quint64 m_generation = 0;
};

QByteArray tableStorage(int tableId);
QByteArray columnStorage(int number);

} // namespace cedb
