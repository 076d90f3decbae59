#include "platform/cedb/Database.h"
#include "platform/cedb/Failures.h"
#include "platform/device/DevicePath.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace cedb {

namespace {

constexpr int kHeaderSize = 100;

quint32 bigEndian(const QByteArray& bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

// The size the file's header gives it, when the header's page count can be trusted; 0 otherwise.
qint64 declaredSize(const QByteArray& header)
{
    const quint32 pageSize = bigEndian(header, 16, 2);
    const quint32 pages = bigEndian(header, 28, 4);
    // The count holds only when it was written with the change counter it carries.
    if (bigEndian(header, 24, 4) != bigEndian(header, 92, 4))
        return 0;
    return qint64(pageSize == 1 ? 65536 : pageSize) * pages;
}

// Whether the file holds the engine's own catalogue tables, read without the engine; the reader's
// verdict when it cannot read the file at all.
struct Probe {
    int result = SQLITE_OK;
    QString message;
    bool hasCatalogue = false;
};

Probe probe(const QString& host)
{
    Probe found;
    sqlite3* db = nullptr;
    found.result = sqlite3_open_v2(QFile::encodeName(host).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* tables = nullptr;
    if (found.result == SQLITE_OK)
        found.result = sqlite3_prepare_v2(
            db, "SELECT count(*) FROM sqlite_schema WHERE name IN ('MSysTables', 'MSysFields', 'MSysIndexes')", -1,
            &tables, nullptr);
    if (found.result == SQLITE_OK) {
        found.result = sqlite3_step(tables);
        found.hasCatalogue = found.result == SQLITE_ROW && sqlite3_column_int(tables, 0) == 3;
        if (found.result == SQLITE_ROW)
            found.result = SQLITE_OK;
    }
    if (found.result != SQLITE_OK)
        found.message = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(found.result));
    sqlite3_finalize(tables);
    sqlite3_close_v2(db);
    return found;
}

} // namespace

FileCheck checkFile(const QString& path)
{
    // A server database is checked by connecting to it; what the server or libpq says is why it fails.
    if (Store::isServerAddress(path)) {
        std::shared_ptr<Store> store;
        if (SUCCEEDED(Store::open(path, store)))
            return {};
        return {FileProblem::Unreadable, lastError().description};
    }
    const std::optional<QString> host = device::toHostPath(path);
    QFile file(host.value_or(QString()));
    if (!host || !file.open(QIODevice::ReadOnly))
        return {FileProblem::Unreadable, file.errorString()};
    const QByteArray header = file.read(kHeaderSize);
    const qint64 size = file.size();
    file.close();
    if (header.size() < kHeaderSize || !header.startsWith(QByteArray("SQLite format 3\0", 16)))
        return {FileProblem::NotADatabase, {}};

    std::shared_ptr<Database> database;
    if (SUCCEEDED(Database::open(path, database)))
        return {};
    const QString engineSays = lastError().description;
    if (const qint64 whole = declaredSize(header); whole > size)
        return {FileProblem::Truncated, QStringLiteral("it holds %1 of its %2 bytes").arg(size).arg(whole)};
    const Probe found = probe(QFileInfo(*host).absoluteFilePath());
    if (found.result == SQLITE_NOTADB || (found.result == SQLITE_OK && !found.hasCatalogue))
        return {FileProblem::NotADatabase, {}};
    return {FileProblem::Damaged, found.result != SQLITE_OK ? found.message : engineSays};
}

} // namespace cedb
