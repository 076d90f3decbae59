#pragma once
// One .cdb file open in SQLite, shared by every recordset of the process that names the file. Holds the
// catalogue, a pool of prepared statements, and the transaction that wraps each write.
#include "platform/cedb/Catalogue.h"
#include "platform/cedb/DeferredAdds.h"
#include "platform/cedb/Store.h"
#include "platform/cedb/HistoryRecording.h"
#include "platform/cedb/RecordCounts.h"
#include "platform/cedb/TypeRules.h"
#include "platform/cedb/WrittenDigest.h"

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

class Database : public Store {
public:
    // The file at `path` (device or host path), shared while it stays the same file on disk.
    static HRESULT open(const QString& path, std::shared_ptr<Database>& database);
    // Creates `<path>.cdb` with an empty catalogue; DB_E_DUPLICATEDATASOURCE when it exists.
    static HRESULT create(const QString& pathWithoutExtension);
    // Closes every file no recordset uses any more.
    static void closeUnused();

    ~Database();

    const Catalogue& catalogue() override;
    HRESULT prepare(const QByteArray& sql, PooledStatement& statement);
    HRESULT run(const QByteArray& sql, const std::vector<StoredValue>& values = {}) override;
    HRESULT write(Change change, const std::function<HRESULT()>& body) override;
    HRESULT writeAdded(const QByteArray& table, const std::function<HRESULT()>& body) override
    {
        return writeAdded(table, body, {});
    }
    HRESULT writeAdded(const QByteArray& table, const std::vector<QByteArray>& columns,
                       const std::vector<StoredValue>& values, const std::function<HRESULT()>& body) override;
    // The digest of the record `body` added, when one was taken as it was written (see WrittenDigest.h); it
    // is asked only when the history keeps the record many at a time.
    using AddedDigest = std::function<std::optional<quint64>(const TableInfo& table)>;
    HRESULT writeAdded(const QByteArray& table, const std::function<HRESULT()>& body, const AddedDigest& digest);
    qint64 lastInsertRowid() override;
    QByteArray declaration(const QByteArray& storage, const ColumnType& type) const override;
    std::unique_ptr<Paging> page(CompiledQuery query) override;
    HRESULT updateRow(const CompiledQuery& query, const Row& row, const std::vector<QByteArray>& columns,
                      const std::vector<StoredValue>& values) override;
    HRESULT deleteRow(const CompiledQuery& query, const Row& row) override;

    // The writes until endCommand are one step of the history, named `name`; a transaction is one too.
    void beginCommand(const QString& name) { m_history.beginCommand(m_db, name); }
    void endCommand()
    {
        m_deferred.keep(m_db);
        m_history.endCommand(m_db);
    }
    // Undo and redo write what the history holds without recording it again.
    void setHistoryRecording(bool on)
    {
        m_deferred.keep(m_db);
        m_history.setRecording(m_db, on);
    }
    // The step the open command records into, made now (with the history's tables when the file has none
    // yet); 0 when this file keeps no history.
    qint64 openHistoryStep()
    {
        prepareHistory();
        return m_history.openStep(m_db);
    }
    bool historyExists() { return HistoryRecording::tablesExist(m_db); }
    // The number of records of a user table as the file keeps it, when the kept number holds.
    std::optional<qint64> keptRecords(int tableId)
    {
        if (m_deferred.deferring(tableId) && !m_deferred.keep(m_db))
            return std::nullopt;
        return m_counts.records(m_db, tableId);
    }
    sqlite3* handle() const { return m_db; }

    void holdReads() override;
    void releaseReads() override;

    HRESULT beginTransaction() override;
    HRESULT commitTransaction() override;
    HRESULT rollbackTransaction() override;

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
    std::shared_ptr<Database> self() { return std::static_pointer_cast<Database>(shared_from_this()); }
    HRESULT initialise(const QString& hostPath, bool create, bool readOnly = false);
    void giveBack(const QByteArray& sql, sqlite3_stmt* statement);
    // Lends the idle statement of the text `sql`, if there is one.
    bool takeIdle(const QByteArray& sql, PooledStatement& statement);
    void suspendReaders();
    void refreshWhenChanged();
    bool versionStatementReady();
    // Reads the catalogue again when another process committed since `version` was last seen.
    void followDataVersion(qint64 version);
    // DB_SEC_E_PERMISSIONDENIED when the file was marked read-only since it was opened for writing.
    HRESULT refuseWhenMarkedReadOnly();
    bool loadCatalogue();
    void prepareHistory();
    HRESULT writeAlone(const std::function<HRESULT()>& body);
    // Inside a design change's transaction, after its body.
    void followDesignInCounts();

    sqlite3* m_db = nullptr;
    QString m_hostPath;
    Catalogue m_catalogue;
    HistoryRecording m_history;
    RecordCounts m_counts;
    DeferredAdds m_deferred{m_history, m_counts};
    WrittenDigests m_lastWritten;
    bool m_triggersAllowed = false;
    bool m_historyKept = false;
    std::map<QByteArray, std::vector<sqlite3_stmt*>> m_pool; // idle statements by their text
    size_t m_pooled = 0;
    struct Idle {
        QByteArray sql;
        sqlite3_stmt* statement = nullptr;
    } m_latest; // the statement given back last, outside the pool
    std::set<Reader*> m_readers;
    sqlite3_stmt* m_versionStatement = nullptr; // PRAGMA data_version: moves when another process commits
    qint64 m_dataVersion = -1;
    int m_readHolds = 0;
    bool m_versionHeld = false; // the version statement is left stepped: it keeps the file's read transaction
    bool m_inTransaction = false;
    int m_writeDepth = 0;
    std::chrono::steady_clock::time_point m_lastUse;
};

} // namespace cedb
