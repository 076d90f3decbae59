#include "platform/cedb/Catalogue.h"

#include "platform/cedb/Engine.h"

#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <map>

namespace cedb {

namespace {
// Qt folds case one character for one, so names of different lengths never match; most names are told
// apart by that alone.
// Names of ASCII letters, the usual ones, are compared here: Qt's folding of them is plain ASCII folding.
bool sameName(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    const ushort* x = a.utf16();
    const ushort* y = b.utf16();
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (x[i] >= 128 || y[i] >= 128)
            return a.compare(b, Qt::CaseInsensitive) == 0;
        const auto lower = [](ushort c) { return c >= u'A' && c <= u'Z' ? ushort(c + 32) : c; };
        if (lower(x[i]) != lower(y[i]))
            return false;
    }
    return true;
}
} // namespace

const ColumnInfo* TableInfo::column(const QString& wanted) const
{
    for (const ColumnInfo& info : columns)
        if (sameName(info.name, wanted))
            return &info;
    return nullptr;
}

const ColumnInfo* TableInfo::columnById(int fieldId) const
{
    for (const ColumnInfo& info : columns)
        if (info.fieldId == fieldId)
            return &info;
    return nullptr;
}

const IndexInfo* TableInfo::index(const QString& wanted) const
{
    for (const IndexInfo& info : indexes)
        if (sameName(info.name, wanted))
            return &info;
    return nullptr;
}

int TableInfo::nextStorageColumn() const
{
    int highest = 0;
    for (const ColumnInfo& info : columns)
        if (info.storage.startsWith('c'))
            highest = std::max(highest, info.storage.mid(1).toInt());
    return highest + 1;
}

QByteArray TableInfo::design() const
{
    QByteArray text;
    for (const ColumnInfo& column : columns)
        text += column.storage + ':' + column.name.toUtf8() + ':' + QByteArray::number(column.type.code) + ':' +
                QByteArray::number(column.type.length) + ';';
    return text;
}

QByteArray tableStorage(int tableId)
{
    return "t" + QByteArray::number(tableId);
}

QByteArray columnStorage(int number)
{
    return "c" + QByteArray::number(number);
}

// The hidden column Storage is not listed in MSysFields, so SELECT * never shows it. Engine tables
// keep their columns under their own names (Storage empty).
const char* Catalogue::bootstrapSql()
{
    return R"(
CREATE TABLE MSysTables (TableName TEXT COLLATE NOCASE NOT NULL, TableID INTEGER PRIMARY KEY AUTOINCREMENT);
CREATE TABLE MSysFields (TableID INTEGER NOT NULL, FieldName TEXT COLLATE NOCASE NOT NULL, FieldID INTEGER NOT NULL,
                         FieldLen INTEGER, ODBCType INTEGER, Storage TEXT);
CREATE INDEX MSysFieldsByTable ON MSysFields (TableID, FieldID);
CREATE TABLE MSysIndexes (TableID INTEGER NOT NULL, IndexName TEXT COLLATE NOCASE NOT NULL, FieldID INTEGER,
                          Flags INTEGER, Storage TEXT);
)";
}

const char* Catalogue::bootstrapRows()
{
    return R"(
INSERT INTO MSysTables (TableName, TableID) VALUES ('MSysTables', 1), ('MSysFields', 2), ('MSysIndexes', 3);
INSERT INTO MSysFields VALUES
  (1, 'TableName', 1, 255, 202, ''), (1, 'TableID', 2, 4, 3, ''),
  (2, 'TableID', 1, 4, 3, ''), (2, 'FieldName', 2, 255, 202, ''), (2, 'FieldID', 3, 4, 3, ''),
  (2, 'FieldLen', 4, 4, 3, ''), (2, 'ODBCType', 5, 4, 3, ''),
  (3, 'TableID', 1, 4, 3, ''), (3, 'IndexName', 2, 255, 202, ''), (3, 'FieldID', 3, 4, 3, ''),
  (3, 'Flags', 4, 4, 3, '');
)";
}

namespace {

QString textColumn(sqlite3_stmt* statement, int column)
{
    const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(statement, column));
    return QString::fromUtf16(text, sqlite3_column_bytes16(statement, column) / 2);
}

// Storage names come from the file and end up in SQL text: a file that holds anything but plain names
// there was not made by this engine and is refused.
bool plainName(const QByteArray& name)
{
    if (name.isEmpty() || !std::isalpha(static_cast<unsigned char>(name[0])))
        return false;
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

const char* const engineTables[] = {"MSysTables", "MSysFields", "MSysIndexes"};

} // namespace

bool Catalogue::load(sqlite3* db)
{
    const auto read = [db](const char* sql, CatalogueRows& rows) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK)
            return false;
        int rc;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            std::vector<QString>& row = rows.emplace_back();
            for (int i = 0; i < sqlite3_column_count(statement); ++i)
                row.push_back(textColumn(statement, i));
        }
        sqlite3_finalize(statement);
        return rc == SQLITE_DONE;
    };
    return load(read, SqlDialect::Sqlite);
}

bool Catalogue::load(const CatalogueReader& read, SqlDialect dialect)
{
    CatalogueRows tableRows, fieldRows, indexRows;
    if (!read("SELECT TableName, TableID FROM MSysTables ORDER BY TableID", tableRows) ||
        !read("SELECT TableID, FieldName, FieldID, FieldLen, ODBCType, Storage FROM MSysFields "
              "ORDER BY TableID, FieldID",
              fieldRows) ||
        !read("SELECT TableID, IndexName, FieldID, Flags, Storage FROM MSysIndexes ORDER BY rowid", indexRows))
        return false;
    std::vector<TableInfo> tables;
    std::map<int, size_t> byId;
    for (const auto& row : tableRows) {
        TableInfo table;
        table.name = row[0];
        table.id = row[1].toInt();
        table.storage = table.id < 1 ? QByteArray()
                        : table.isEngineTable() ? QByteArray(engineTables[table.id - 1])
                                                : tableStorage(table.id);
        byId[table.id] = tables.size();
        tables.push_back(std::move(table));
    }
    for (const auto& row : fieldRows) {
        const auto found = byId.find(row[0].toInt());
        if (found == byId.end())
            continue;
        ColumnInfo column;
        column.name = row[1];
        column.fieldId = row[2].toInt();
        column.type = ColumnType{row[4].toInt(), row[3].toInt()};
        column.storage = row[5].isEmpty() ? column.name.toLatin1() : row[5].toLatin1();
        tables[found->second].columns.push_back(std::move(column));
    }
    for (const auto& row : indexRows) {
        const auto found = byId.find(row[0].toInt());
        if (found != byId.end())
            tables[found->second].indexes.push_back(IndexInfo{row[1], row[2].toInt(), row[3].toInt(), row[4].toLatin1()});
    }
    if (tables.size() < 3)
        return false;
    for (const TableInfo& table : tables) {
        bool plain = plainName(table.storage);
        for (const ColumnInfo& column : table.columns)
            plain = plain && plainName(column.storage);
        for (const IndexInfo& index : table.indexes)
            plain = plain && plainName(index.storage);
        if (!plain)
            return false;
    }
    m_tables = std::move(tables);
    m_dialect = dialect;
    // Counted for the whole process, so that two files' catalogues never share a generation.
    static std::atomic<quint64> loads{0};
    m_generation = ++loads;
    return true;
}

const TableInfo* Catalogue::table(const QString& name) const
{
    for (const TableInfo& info : m_tables)
        if (sameName(info.name, name))
            return &info;
    return nullptr;
}

} // namespace cedb
