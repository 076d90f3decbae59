#include "platform/cedb/AddedRanges.h"

#include "platform/cedb/Catalogue.h"
#include "platform/cedb/HistoryRecording.h"
#include "platform/cedb/RecordDigest.h"

#include <QtEndian>

#include <sqlite3.h>

#include <algorithm>

namespace cedb {

namespace {

constexpr int kPlaceBytes = 2;
constexpr int kDigestBytes = 8;
constexpr int kEndBytes = 4;

template <typename T> void append(QByteArray& bytes, T value)
{
    char little[sizeof(T)];
    qToLittleEndian(value, little);
    bytes.append(little, sizeof(T));
}

template <typename T> T at(const QByteArray& bytes, qsizetype position)
{
    return qFromLittleEndian<T>(bytes.constData() + position);
}

QByteArray header(char form, qint64 first, const std::vector<qint64>& records, int perRecord)
{
    QByteArray bytes = QByteArray::number(qulonglong(records.size())) + form;
    bytes.reserve(bytes.size() + qsizetype(records.size()) * (kPlaceBytes + perRecord));
    for (const qint64 record : records)
        append(bytes, quint16(record - first));
    return bytes;
}

struct Prepared {
    Prepared(sqlite3* db, const QByteArray& sql)
    {
        if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &statement, nullptr) != SQLITE_OK)
            statement = nullptr;
    }
    ~Prepared() { sqlite3_finalize(statement); }
    sqlite3_stmt* statement = nullptr;
};

} // namespace

std::optional<AddedRange> AddedRange::read(qint64 first, QByteArray bytes)
{
    AddedRange range;
    range.m_first = first;
    qsizetype digits = 0;
    while (digits < bytes.size() && digits < 6 && bytes[digits] >= '0' && bytes[digits] <= '9')
        ++digits;
    range.m_count = digits > 0 ? bytes.left(digits).toInt() : 0;
    if (range.m_count <= 0 || range.m_count > kRangeSpan || digits >= bytes.size())
        return std::nullopt;
    const char form = bytes[digits];
    range.m_valuesKept = form == 'v';
    range.m_body = int(digits) + 1;
    range.m_bytes = std::move(bytes);
    const qsizetype places = range.m_body + qsizetype(range.m_count) * kPlaceBytes;
    qsizetype expected = places + qsizetype(range.m_count) * kDigestBytes;
    if (range.m_valuesKept) {
        const qsizetype texts = places + qsizetype(range.m_count) * kEndBytes;
        expected = texts <= range.m_bytes.size() ? texts + at<quint32>(range.m_bytes, texts - kEndBytes) : -1;
    }
    if ((form != 'd' && form != 'v') || range.m_bytes.size() != expected)
        return std::nullopt;
    // Places ascend, and so do the texts' ends: a record is found by halving, and every text lies inside.
    for (int i = 1; i < range.m_count; ++i)
        if (range.record(i) <= range.record(i - 1) ||
            (range.m_valuesKept && range.end(i) < range.end(i - 1)))
            return std::nullopt;
    return range;
}

QByteArray AddedRange::withDigests(qint64 first, const std::vector<qint64>& records, const std::vector<quint64>& digests)
{
    QByteArray bytes = header('d', first, records, kDigestBytes);
    for (const quint64 digest : digests)
        append(bytes, digest);
    return bytes;
}

QByteArray AddedRange::withValues(qint64 first, const std::vector<qint64>& records, const std::vector<QByteArray>& texts)
{
    QByteArray bytes = header('v', first, records, kEndBytes);
    quint32 end = 0;
    for (const QByteArray& text : texts)
        append(bytes, end += quint32(text.size()));
    for (const QByteArray& text : texts)
        bytes += text;
    return bytes;
}

qint64 AddedRange::record(int i) const
{
    return m_first + at<quint16>(m_bytes, m_body + qsizetype(i) * kPlaceBytes);
}

int AddedRange::find(qint64 record) const
{
    if (record < m_first || record - m_first >= kRangeSpan)
        return -1;
    int low = 0, high = m_count;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (this->record(middle) < record)
            low = middle + 1;
        else
            high = middle;
    }
    return low < m_count && this->record(low) == record ? low : -1;
}

quint64 AddedRange::digest(int i) const
{
    return m_valuesKept ? 0 : at<quint64>(m_bytes, places() + qsizetype(i) * kDigestBytes);
}

QByteArray AddedRange::text(int i) const
{
    if (!m_valuesKept)
        return QByteArray();
    const qsizetype texts = places() + qsizetype(m_count) * kEndBytes;
    const quint32 start = i == 0 ? 0 : end(i - 1);
    return m_bytes.mid(texts + start, end(i) - start);
}

std::vector<qint64> AddedRange::records() const
{
    std::vector<qint64> all(static_cast<size_t>(m_count));
    for (int i = 0; i < m_count; ++i)
        all[size_t(i)] = record(i);
    return all;
}

qsizetype AddedRange::places() const
{
    return m_body + qsizetype(m_count) * kPlaceBytes;
}

quint32 AddedRange::end(int i) const
{
    return at<quint32>(m_bytes, places() + qsizetype(i) * kEndBytes);
}

bool keepAddedRanges(sqlite3* db, const TableInfo& table, qint64 after, const std::vector<WrittenRecord>* written,
                     const std::function<qint64()>& step)
{
    Prepared keep(db, "INSERT INTO VarnelHistoryChanges (step, tableId, record, kind, after) VALUES (?, " +
                          QByteArray::number(table.id) + ", ?, " + QByteArray::number(kRecordsAdded) + ", ?)");
    if (!keep.statement)
        return false;
    std::vector<qint64> records;
    std::vector<quint64> digests;
    records.reserve(kRangeSpan);
    digests.reserve(kRangeSpan);
    qint64 stepId = 0;
    const auto flush = [&] {
        if (stepId == 0 && (stepId = step()) == 0)
            return false;
        const QByteArray bytes = AddedRange::withDigests(records.front(), records, digests);
        sqlite3_bind_int64(keep.statement, 1, stepId);
        sqlite3_bind_int64(keep.statement, 2, records.front());
        sqlite3_bind_blob(keep.statement, 3, bytes.constData(), int(bytes.size()), SQLITE_STATIC);
        const bool kept = sqlite3_step(keep.statement) == SQLITE_DONE;
        sqlite3_reset(keep.statement);
        records.clear();
        digests.clear();
        return kept;
    };
    const auto add = [&](qint64 rowid, quint64 digest) {
        if (!records.empty() && rowid - records.front() >= kRangeSpan && !flush())
            return false;
        records.push_back(rowid);
        digests.push_back(digest);
        return true;
    };
    if (written) {
        for (const WrittenRecord& record : *written)
            if (!add(record.record, record.digest))
                return false;
        return records.empty() || flush();
    }
    Prepared rows(db, "SELECT r.rowid" + digestColumns(table, "r") + " FROM main." + table.storage +
                          " AS r WHERE r.rowid > ? ORDER BY r.rowid");
    if (!rows.statement)
        return false;
    sqlite3_bind_int64(rows.statement, 1, after);
    const int fields = int(table.columns.size());
    int rc;
    while ((rc = sqlite3_step(rows.statement)) == SQLITE_ROW)
        if (!add(sqlite3_column_int64(rows.statement, 0), rowDigest(rows.statement, 1, fields)))
            return false;
    return rc == SQLITE_DONE && (records.empty() || flush());
}

} // namespace cedb
