#pragma once
// One .cdb file open in SQLite, shared by every recordset of the process that names the file. Holds the
// catalogue, a pool of prepared statements, and the transaction that wraps each write.
#include "platform/cedb/Catalogue.h"
#include "platform/cedb/TypeRules.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace cedb {

class Database;

// A prepared statement lent from the pool; reset and given back when it goes.
class PooledStatement {
public:
    PooledStatement() = default;
    PooledStatement(std::shared_ptr<Database> owner, QByteArray sql, sqlite3_stmt* statement);
    PooledStatement(PooledStatement&& other) noexcept;
    PooledStatement& operator=(PooledStatement&& other) noexcept;
    ~PooledStatement();

    sqlite3_stmt* get() const { return m_statement; }
    explicit operator bool() const { return m_statement != nullptr; }
    void bind(const std::vector<StoredValue>& values, int first = 1) const;

private:
    void release();
    std::shared_ptr<Database> m_owner;
    QByteArray m_sql;
    sqlite3_stmt* m_statement = nullptr;
};

// Something that keeps a statement stepping across calls (a recordset's window); it lets go of it
// when the schema changes or a transaction ends.
class Reader {
public:
    virtual ~Reader() = default;
    virtual void suspend() = 0;
};

class Database : public std::enable_shared_from_this<Database> {
public:
    // The file at `path` (device or host path), shared while it stays the same file on disk.
    static HRESULT open(const QString& path, std::shared_ptr<Database>& database);
    // Creates `<path>.cdb` with an empty catalogue; DB_E_DUPLICATEDATASOURCE when it exists.
    static HRESULT create(const QString& pathWithoutExtension);
    // Closes every file no recordset uses any more.
    static void closeUnused();

    ~Database();

    // The catalogue, read again first when another process has changed the file.
    const Catalogue& catalogue();
    HRESULT prepare(const QByteArray& sql, PooledStatement& statement);
    // Runs `sql` with `values` to its end.
    HRESULT run(const QByteArray& sql, const std::vector<StoredValue>& values = {});
    // Runs `body` as one unit: all of it reaches the file, or none. Schema changes re-read the catalogue.
    enum class Change { Data, Schema };
    HRESULT write(Change change, const std::function<HRESULT()>& body);
    qint64 lastInsertRowid() const;

    HRESULT beginTransaction();
    HRESULT commitTransaction();
    HRESULT rollbackTransaction();

    // A statement of this file was prepared or stepped: the file is in use.
    void noteUse() { m_lastUse = std::chrono::steady_clock::now(); }
    // Suspends every reader when the file has not been used for `idleFor` and no transaction holds it.
    void releaseReadLocksIfIdle(std::chrono::milliseconds idleFor);

    void addReader(Reader* reader) { m_readers.insert(reader); }
    void removeReader(Reader* reader) { m_readers.erase(reader); }

    // A failure code for SQLite's result `rc`, recorded with SQLite's message.
    HRESULT failure(int rc);

private:
    friend class PooledStatement;
    Database() = default;
    HRESULT initialise(const QString& hostPath, bool create, bool readOnly = false);
    void giveBack(const QByteArray& sql, sqlite3_stmt* statement);
    void suspendReaders();
    void refreshWhenChanged();

    sqlite3* m_db = nullptr;
    QString m_hostPath;
    Catalogue m_catalogue;
    std::map<QByteArray, std::vector<sqlite3_stmt*>> m_pool; // idle statements by their text
    size_t m_pooled = 0;
    std::set<Reader*> m_readers;
    sqlite3_stmt* m_versionStatement = nullptr; // PRAGMA data_version: moves when another process commits
    qint64 m_dataVersion = -1;
    bool m_inTransaction = false;
    int m_writeDepth = 0;
    std::chrono::steady_clock::time_point m_lastUse;
};

} // namespace cedb
