#include "platform/cedb/Database.h"

#include "platform/cedb/EngineThread.h"
#include "platform/cedb/ReadLocks.h"
#include "platform/cedb/Failures.h"
#include "platform/cedb/RecordsetPaging.h"
#include "platform/cedb/RowWrites.h"
#include "platform/cedb/StatementWatch.h"
#include "platform/cedb/TextRules.h"
#include "platform/device/DeviceNames.h"
#include "platform/device/DevicePath.h"

#include <QFileInfo>

#include <sqlite3.h>
#include <sys/stat.h>

#include <string>
#include <utility>

namespace cedb {

// ---- the statement pool ----

PooledStatement::PooledStatement(std::shared_ptr<Database> owner, QByteArray sql, sqlite3_stmt* statement)
    : m_owner(std::move(owner)), m_sql(std::move(sql)), m_statement(statement)
{
}

PooledStatement::PooledStatement(PooledStatement&& other) noexcept
    : m_owner(std::move(other.m_owner)), m_sql(std::move(other.m_sql)), m_statement(other.m_statement)
{
    other.m_statement = nullptr;
}

PooledStatement& PooledStatement::operator=(PooledStatement&& other) noexcept
{
    if (this != &other) {
        release();
        m_owner = std::move(other.m_owner);
        m_sql = std::move(other.m_sql);
        m_statement = other.m_statement;
        other.m_statement = nullptr;
    }
    return *this;
}

PooledStatement::~PooledStatement()
{
    release();
}

void PooledStatement::release()
{
    if (m_statement)
        m_owner->giveBack(m_sql, m_statement);
    m_statement = nullptr;
    m_owner.reset();
}

void PooledStatement::bind(const std::vector<StoredValue>& values, int first) const
{
    for (size_t i = 0; i < values.size(); ++i)
        bindStored(m_statement, first + int(i), values[i]);
}

void Database::giveBack(const QByteArray& sql, sqlite3_stmt* statement)
{
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    // The statement given back last is the one most likely asked for next (a program's many inserts): it
    // waits beside the pool, where it is found without a search.
    const Idle before = std::exchange(m_latest, Idle{sql, statement});
    if (!before.statement)
        return;
    // Statements are kept by their text; a program that builds ever new texts does not grow the pool.
    constexpr size_t poolLimit = 256;
    if (m_pooled >= poolLimit) {
        sqlite3_finalize(before.statement);
        return;
    }
    m_pool[before.sql].push_back(before.statement);
    ++m_pooled;
}

bool Database::takeIdle(const QByteArray& sql, PooledStatement& statement)
{
    if (m_latest.statement && m_latest.sql == sql) {
        statement = PooledStatement(self(), m_latest.sql, m_latest.statement);
        m_latest = {};
        return true;
    }
    const auto pooled = m_pool.find(sql);
    if (pooled == m_pool.end() || pooled->second.empty())
        return false;
    statement = PooledStatement(self(), pooled->first, pooled->second.back());
    pooled->second.pop_back();
    --m_pooled;
    return true;
}

HRESULT Database::prepare(const QByteArray& sql, PooledStatement& statement)
{
    if (const HRESULT hr = checkEngineThread(); FAILED(hr))
        return hr;
    noteUse();
    refreshWhenChanged();
    if (takeIdle(sql, statement))
        return S_OK;
    sqlite3_stmt* prepared = nullptr;
    const int rc = sqlite3_prepare_v3(m_db, sql.constData(), int(sql.size()), SQLITE_PREPARE_PERSISTENT,
                                      &prepared, nullptr);
    if (rc != SQLITE_OK)
        return failure(rc);
    statement = PooledStatement(self(), sql, prepared);
    return S_OK;
}

HRESULT Database::run(const QByteArray& sql, const std::vector<StoredValue>& values)
{
    PooledStatement statement;
    const HRESULT hr = prepare(sql, statement);
    if (FAILED(hr))
        return hr;
    statement.bind(values);
    int rc;
    while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
    }
    return rc == SQLITE_DONE ? S_OK : failure(rc);
}

HRESULT Database::failure(int rc)
{
    const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
    switch (rc & 0xff) {
    case SQLITE_NOMEM: return fail(E_OUTOFMEMORY, message);
    case SQLITE_CONSTRAINT:
    case SQLITE_MISMATCH:
    case SQLITE_TOOBIG: return fail(DB_E_BADVALUES, message);
    case SQLITE_ERROR: return fail(DB_E_ERRORSINCOMMAND, message);
    case SQLITE_READONLY:
    case SQLITE_FULL:
    // A write the system refused (a disk or a file-size limit reached) is, to the user, a disk that is full.
    case SQLITE_IOERR:
    case SQLITE_PERM: return fail(DB_SEC_E_PERMISSIONDENIED, message);
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return fail(DB_E_RESOURCELOCKED, message);
    case SQLITE_INTERRUPT: return fail(E_ABORT, QStringLiteral("The statement was stopped before it ended"));
    default: return fail(E_FAIL, message);
    }
}

// ---- files shared by the process ----

namespace {

struct OpenFile {
    std::shared_ptr<Database> database;
    dev_t device = 0;
    ino_t inode = 0;
    bool readOnly = false;
};

std::map<QString, OpenFile>& openFiles()
{
    static std::map<QString, OpenFile> files;
    return files;
}

bool identify(const QString& hostPath, OpenFile& file)
{
    struct stat info {};
    if (::stat(QFile::encodeName(hostPath).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    file.device = info.st_dev;
    file.inode = info.st_ino;
    file.readOnly = (info.st_mode & S_IWUSR) == 0;
    return true;
}

std::optional<QString> hostPathOf(const QString& path)
{
    std::optional<QString> host = device::toHostPath(path);
    if (host)
        host = QFileInfo(*host).absoluteFilePath();
    return host;
}

// Every statement names its file; the last name looked up is remembered (with the root it was under).
std::optional<QString> cachedHostPathOf(const QString& path)
{
    static QString lastPath;
    static std::string lastRoot;
    static std::optional<QString> lastHost;
    const char* variable = device::rootVariableValue();
    const char* root = variable ? variable : "";
    // Compared as it stands: a copy of the root for each statement would cost more than the look-up saves.
    if (!lastHost || lastRoot != root || path != lastPath) {
        lastHost = hostPathOf(path);
        lastPath = path;
        lastRoot = root;
    }
    return lastHost;
}

// The file in a transaction that a path named last. A transaction's file is open and locked until it ends,
// and the connection ends it on the file it began on whatever the root has become: the statements in
// between that name it by the same path go to that file without the root being read again.
struct TransactionFile {
    QString path;
    Database* database = nullptr; // cleared when the database goes
};

TransactionFile& lastTransactionFile()
{
    static TransactionFile last;
    return last;
}

} // namespace

HRESULT Database::open(const QString& path, std::shared_ptr<Database>& database)
{
    database.reset();
    if (const HRESULT hr = checkEngineThread(); FAILED(hr))
        return hr;
    TransactionFile& last = lastTransactionFile();
    if (last.database && last.database->m_inTransaction && path == last.path) {
        database = last.database->self();
        return S_OK;
    }
    const std::optional<QString> host = cachedHostPathOf(path);
    auto& files = openFiles();
    const auto cached = host ? files.find(*host) : files.end();
    // Inside a transaction the file is locked: nobody can have replaced it.
    if (cached != files.end() && cached->second.database->m_inTransaction) {
        database = cached->second.database;
        last = TransactionFile{path, database.get()};
        return S_OK;
    }
    OpenFile file;
    if (!host || !identify(*host, file))
        return fail(DB_E_NOTFOUND, QStringLiteral("No database file at %1").arg(path));
    if (cached != files.end()) {
        // A file marked read-only (or writable again) since it was opened is opened afresh as it now is.
        if (cached->second.device == file.device && cached->second.inode == file.inode &&
            cached->second.readOnly == file.readOnly) {
            database = cached->second.database;
            return S_OK;
        }
        files.erase(cached); // recordsets still on the old one keep it
    }
    file.database.reset(new Database());
    const HRESULT hr = file.database->initialise(*host, false, file.readOnly);
    if (FAILED(hr))
        return hr;
    database = file.database;
    files[*host] = std::move(file);
    return S_OK;
}

HRESULT Database::create(const QString& pathWithoutExtension)
{
    if (const HRESULT hr = checkEngineThread(); FAILED(hr))
        return hr;
    const std::optional<QString> host = hostPathOf(pathWithoutExtension + QStringLiteral(".cdb"));
    if (!host)
        return fail(DB_E_NOTFOUND, QStringLiteral("The path %1 leaves the device").arg(pathWithoutExtension));
    if (QFileInfo::exists(*host))
        return fail(DB_E_DUPLICATEDATASOURCE, QStringLiteral("%1 exists already").arg(*host));
    openFiles().erase(*host);
    std::unique_ptr<Database> database(new Database());
    return database->initialise(*host, true);
}

void releaseIdleReadLocks(std::chrono::milliseconds idleFor)
{
    if (FAILED(checkEngineThread()))
        return;
    for (auto& [path, file] : openFiles())
        file.database->releaseReadLocksIfIdle(idleFor);
}

void Database::releaseReadLocksIfIdle(std::chrono::milliseconds idleFor)
{
    if (!m_inTransaction && std::chrono::steady_clock::now() - m_lastUse >= idleFor)
        suspendReaders();
}

void Database::closeUnused()
{
    auto& files = openFiles();
    for (auto it = files.begin(); it != files.end();)
        it = it->second.database.use_count() == 1 ? files.erase(it) : std::next(it);
}

Database::~Database()
{
    if (lastTransactionFile().database == this)
        lastTransactionFile().database = nullptr;
    for (auto& [sql, statements] : m_pool)
        for (sqlite3_stmt* statement : statements)
            sqlite3_finalize(statement);
    sqlite3_finalize(m_latest.statement);
    sqlite3_finalize(m_versionStatement);
    m_history.release();
    sqlite3_close_v2(m_db);
}

// Files come from anywhere: no extensions, no triggers or views from the file, no schema tricks; and
// every commit is on disk before it is reported, so a killed process loses nothing it was told is saved.
// A file its owner marked read-only stays unchanged even for a user whom the system would let write.
HRESULT Database::initialise(const QString& hostPath, bool create, bool readOnly)
{
    m_hostPath = hostPath;
    // Nothing reads SQLite's memory statistics, and keeping them takes a lock on every allocation.
    static const int quietAllocator = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    Q_UNUSED(quietAllocator);
    const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX |
                      (create ? SQLITE_OPEN_CREATE : 0);
    int rc = sqlite3_open_v2(QFile::encodeName(hostPath).constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK)
        return fail(rc == SQLITE_NOMEM ? E_OUTOFMEMORY : E_FAIL,
                    QStringLiteral("Cannot open %1: %2").arg(hostPath, QString::fromUtf8(sqlite3_errstr(rc))));
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
    sqlite3_busy_timeout(m_db, 5000);
    sqlite3_progress_handler(m_db, detail::kStepsBetweenCalls, detail::statementProgress, nullptr);
    if (!installTextRules(m_db))
        return fail(E_FAIL, QStringLiteral("Cannot set up text comparison for %1").arg(hostPath));
    const char* settings = "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL; PRAGMA cell_size_check=ON;";
    rc = sqlite3_exec(m_db, settings, nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK && create) {
        const QByteArray bootstrap =
            QByteArray("BEGIN;") + Catalogue::bootstrapSql() + Catalogue::bootstrapRows() + "COMMIT;";
        rc = sqlite3_exec(m_db, bootstrap.constData(), nullptr, nullptr, nullptr);
    }
    if (rc != SQLITE_OK) {
        const HRESULT hr = fail(E_FAIL, QStringLiteral("%1 is not a database: %2")
                                             .arg(hostPath, QString::fromUtf8(sqlite3_errmsg(m_db))));
        if (create)
            QFile::remove(hostPath);
        return hr;
    }
    if (!loadCatalogue())
        return fail(E_FAIL, QStringLiteral("%1 is not a database of this engine").arg(hostPath));
    refreshWhenChanged();
    return S_OK;
}

// ---- catalogue and writes ----

bool Database::versionStatementReady()
{
    return m_versionStatement || sqlite3_prepare_v3(m_db, "PRAGMA data_version", -1, SQLITE_PREPARE_PERSISTENT,
                                                    &m_versionStatement, nullptr) == SQLITE_OK;
}

void Database::followDataVersion(qint64 version)
{
    if (m_dataVersion >= 0 && version != m_dataVersion)
        loadCatalogue();
    m_dataVersion = version;
}

void Database::refreshWhenChanged()
{
    // While a transaction holds the file no other process can commit; a statement still being read holds
    // it as well, and the file was looked at when that statement was made ready.
    if (m_inTransaction || sqlite3_txn_state(m_db, nullptr) != SQLITE_TXN_NONE || !versionStatementReady())
        return;
    if (sqlite3_step(m_versionStatement) == SQLITE_ROW)
        followDataVersion(sqlite3_column_int64(m_versionStatement, 0));
    sqlite3_reset(m_versionStatement);
}

// The version statement, left stepped, keeps the read transaction it began (or joined) open; the
// catalogue is looked at once, when it begins one.
void Database::holdReads()
{
    if (m_readHolds++ > 0 || m_inTransaction || !versionStatementReady())
        return;
    const bool begins = sqlite3_txn_state(m_db, nullptr) == SQLITE_TXN_NONE;
    if (sqlite3_step(m_versionStatement) != SQLITE_ROW) {
        sqlite3_reset(m_versionStatement);
        return;
    }
    m_versionHeld = true;
    if (begins)
        followDataVersion(sqlite3_column_int64(m_versionStatement, 0));
}

void Database::releaseReads()
{
    if (--m_readHolds > 0 || !m_versionHeld)
        return;
    sqlite3_reset(m_versionStatement);
    m_versionHeld = false;
}

bool Database::loadCatalogue()
{
    m_lastWritten.forget();
    if (!m_catalogue.load(m_db))
        return false;
    // Triggers run only on a file that brings none of its own: those could do anything to its data.
    // VARNEL_KEEP_HISTORY=0 keeps none, so that what the history costs can be measured.
    static const bool historyKept = qEnvironmentVariable("VARNEL_KEEP_HISTORY") != QLatin1String("0");
    m_triggersAllowed = !HistoryRecording::fileHasOwnTriggers(m_db);
    m_historyKept = historyKept && m_triggersAllowed;
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_ENABLE_TRIGGER, m_triggersAllowed ? 1 : 0, nullptr);
    if (m_historyKept)
        m_history.follow(m_db, m_catalogue);
    m_counts.follow(m_db, m_catalogue, m_triggersAllowed);
    return true;
}

void Database::prepareHistory()
{
    if (m_history.active() || !m_historyKept || sqlite3_db_readonly(m_db, "main"))
        return;
    // Making the history's triggers makes every table's again, those of added records set aside too.
    m_deferred.end(m_db);
    m_history.ensure(m_db, m_catalogue);
}

// A data change outside any transaction gets one of its own, which stamps the kept record counts for
// its commit before the change runs.
HRESULT Database::writeAlone(const std::function<HRESULT()>& body)
{
    if (!m_triggersAllowed || sqlite3_db_readonly(m_db, "main") == 1)
        return body();
    int rc = sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return failure(rc);
    m_counts.stamp(m_db, m_catalogue);
    HRESULT hr = body();
    rc = sqlite3_exec(m_db, SUCCEEDED(hr) ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr);
    if (SUCCEEDED(hr) && rc != SQLITE_OK) {
        hr = failure(rc);
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    m_counts.transactionEnded();
    // Counting tables made by a change that was taken back went with it.
    if (FAILED(hr))
        m_counts.follow(m_db, m_catalogue, m_triggersAllowed);
    return hr;
}

const Catalogue& Database::catalogue()
{
    refreshWhenChanged();
    return m_catalogue;
}

qint64 Database::lastInsertRowid()
{
    return sqlite3_last_insert_rowid(m_db);
}

QByteArray Database::declaration(const QByteArray& storage, const ColumnType& type) const
{
    return storage + " " + storageDeclaration(type);
}

std::unique_ptr<Paging> Database::page(CompiledQuery query)
{
    return std::make_unique<RecordsetPaging>(self(), std::move(query));
}

// One program writes a file at a time: a row is written as it is.
HRESULT Database::updateRow(const CompiledQuery& query, const Row& row, const std::vector<QByteArray>& columns,
                            const std::vector<StoredValue>& values)
{
    return updateStored(*this, query.editableStorage, row.rowid, columns, values);
}

HRESULT Database::deleteRow(const CompiledQuery& query, const Row& row)
{
    return deleteStored(*this, query.editableStorage, row.rowid);
}

void Database::suspendReaders()
{
    // A reader lets go of its statement and stays registered: the set does not change under the loop.
    for (Reader* reader : m_readers)
        reader->suspend();
}

// A file marked read-only while it is open for writing is opened afresh for reading by the next statement,
// whose reading then holds off this connection's write until SQLite gives up waiting and calls the file
// busy. The mark is the reason, and it is known at once.
HRESULT Database::refuseWhenMarkedReadOnly()
{
    if (m_inTransaction || sqlite3_db_readonly(m_db, "main") == 1)
        return S_OK;
    struct stat info {};
    if (::stat(QFile::encodeName(m_hostPath).constData(), &info) == 0 && (info.st_mode & S_IWUSR) == 0)
        return fail(DB_SEC_E_PERMISSIONDENIED, QStringLiteral("%1 is marked read-only").arg(m_hostPath));
    return S_OK;
}

HRESULT Database::write(Change change, const std::function<HRESULT()>& body)
{
    if (const HRESULT hr = checkEngineThread(); FAILED(hr))
        return hr;
    if (const HRESULT hr = refuseWhenMarkedReadOnly(); FAILED(hr))
        return hr;
    // A cursor stepping through a table that changes under it could skip or repeat rows.
    suspendReaders();
    // Every data change is one SQLite statement, which SQLite already applies whole or not at all; its
    // triggers record it in the same statement.
    if (change == Change::Data) {
        prepareHistory();
        // The history keeps the changes in the order they were made.
        if (!m_deferred.keep(m_db))
            return failure(sqlite3_errcode(m_db));
        const HRESULT hr = m_inTransaction || m_writeDepth > 0 ? body() : writeAlone(body);
        m_history.closeLooseStep(m_db);
        return hr;
    }
    const bool outermost = m_writeDepth == 0;
    if (outermost) {
        if (!m_deferred.end(m_db))
            return failure(sqlite3_errcode(m_db));
        const int rc = sqlite3_exec(m_db, "SAVEPOINT cedb_write", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK)
            return failure(rc);
        m_history.setAside(m_db);
    }
    ++m_writeDepth;
    HRESULT hr = body();
    --m_writeDepth;
    if (outermost) {
        if (FAILED(hr))
            sqlite3_exec(m_db, "ROLLBACK TO cedb_write", nullptr, nullptr, nullptr);
        else if (change == Change::Schema)
            followDesignInCounts();
        const int rc = sqlite3_exec(m_db, "RELEASE cedb_write", nullptr, nullptr, nullptr);
        if (SUCCEEDED(hr) && rc != SQLITE_OK)
            hr = failure(rc);
        // A commit the disk refused leaves its transaction open, which would hold every later write.
        if (rc != SQLITE_OK && !m_inTransaction && !sqlite3_get_autocommit(m_db))
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        if (!m_inTransaction)
            m_counts.transactionEnded();
        if (change == Change::Schema || FAILED(hr))
            loadCatalogue();
    }
    return hr;
}

// Inside a transaction the records added to a table are kept in the history and counted many at a time;
// outside one each record is a commit of its own, beside which its triggers cost little.
HRESULT Database::writeAdded(const QByteArray& table, const std::vector<QByteArray>& columns,
                             const std::vector<StoredValue>& values, const std::function<HRESULT()>& body)
{
    // One reference captured keeps the function within std::function's own room: no allocation for each row.
    struct Written {
        Database& db;
        const std::vector<QByteArray>& columns;
        const std::vector<StoredValue>& values;
    } written{*this, columns, values};
    return writeAdded(table, body, [&written](const TableInfo& info) {
        return written.db.m_lastWritten.digest(written.db.m_db, info, written.columns, written.values);
    });
}

HRESULT Database::writeAdded(const QByteArray& table, const std::function<HRESULT()>& body, const AddedDigest& digest)
{
    if (!m_inTransaction || m_writeDepth > 0 || !m_triggersAllowed)
        return write(Change::Data, body);
    if (const HRESULT hr = checkEngineThread(); FAILED(hr))
        return hr;
    prepareHistory();
    const TableInfo* info = m_deferred.deferred(table);
    if (!info)
        for (const TableInfo& candidate : m_catalogue.tables())
            if (candidate.storage == table && !candidate.isEngineTable() && recordsHistory(candidate.name))
                info = &candidate;
    if (!info)
        return write(Change::Data, body);
    // Records undo or redo add are not the history's to keep.
    if (!m_history.recording() || !m_deferred.adding(m_db, *info)) {
        if (!m_deferred.end(m_db))
            return failure(sqlite3_errcode(m_db));
        return write(Change::Data, body);
    }
    suspendReaders();
    // What the body writes leaves the catalogue as it is: the table stays where it was found.
    const HRESULT hr = body();
    if (FAILED(hr))
        return hr;
    // A file that keeps no history only counts its records: their digests would go unused.
    const bool digested = digest && m_history.active();
    m_deferred.written(info->id, sqlite3_last_insert_rowid(m_db), digested ? digest(*info) : std::nullopt);
    if (m_deferred.full() && !m_deferred.keep(m_db))
        return failure(sqlite3_errcode(m_db));
    return hr;
}

void Database::followDesignInCounts()
{
    Catalogue after;
    if (after.load(m_db))
        m_counts.followDesign(m_db, after, m_inTransaction);
    else
        m_counts.forget(m_db);
}

HRESULT Database::beginTransaction()
{
    if (const HRESULT hr = checkEngineThread(); FAILED(hr))
        return hr;
    if (m_inTransaction)
        return fail(E_FAIL, QStringLiteral("A transaction is open already"));
    if (const HRESULT hr = refuseWhenMarkedReadOnly(); FAILED(hr))
        return hr;
    const int rc = sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return failure(rc);
    m_inTransaction = true;
    // Another program may have declared the tables otherwise since the last transaction.
    m_lastWritten.forget();
    m_counts.stamp(m_db, m_catalogue);
    m_history.beginCommand(m_db, QString());
    return S_OK;
}

HRESULT Database::commitTransaction()
{
    if (const HRESULT hr = checkEngineThread(); FAILED(hr))
        return hr;
    if (!m_inTransaction)
        return fail(E_FAIL, QStringLiteral("No transaction is open"));
    suspendReaders();
    if (!m_deferred.end(m_db))
        return failure(sqlite3_errcode(m_db));
    const int rc = sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return failure(rc);
    m_inTransaction = false;
    m_counts.transactionEnded();
    m_history.endCommand(m_db);
    return S_OK;
}

HRESULT Database::rollbackTransaction()
{
    if (const HRESULT hr = checkEngineThread(); FAILED(hr))
        return hr;
    if (!m_inTransaction)
        return fail(E_FAIL, QStringLiteral("No transaction is open"));
    suspendReaders();
    const int rc = sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    m_deferred.drop();
    m_inTransaction = false;
    m_counts.transactionEnded();
    m_history.endCommand(m_db);
    loadCatalogue();
    return rc == SQLITE_OK ? S_OK : failure(rc);
}

} // namespace cedb
