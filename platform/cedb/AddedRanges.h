#pragma once
// Records added many at a time are kept in the history as ranges: one change holds the records of up to
// kRangeSpan places from its `record` on, so that the history writes one row and two index entries for a
// thousand records instead of for each, and the range holding a record is still found through the index
// on (tableId, record), between the record's place less kRangeSpan and its place.
//
// The change's `after` is a blob that begins with the number of its records in ASCII digits, so that any
// SQLite tool counts them with CAST(after AS INTEGER), then 'd' or 'v' for its form:
//   d: while its step is in force, each record's digest (see RecordDigest.h);
//   v: once its step was undone, each record's values as the history's row text, for redo.
// Then each record's place less `record` (2 bytes), ascending; then in form d each digest (8 bytes), in
// form v where each text ends (4 bytes, from the first text's start) followed by the texts. Numbers are
// little-endian, so that the file reads the same on any machine.
#include <QByteArray>

#include <functional>
#include <optional>
#include <vector>

struct sqlite3;

namespace cedb {

struct TableInfo;

inline constexpr qint64 kRangeSpan = 1024;

// One range as the history holds it, read in place: a record is found without decoding the others.
class AddedRange {
public:
    // Nothing when `bytes` is not a range.
    static std::optional<AddedRange> read(qint64 first, QByteArray bytes);
    static QByteArray withDigests(qint64 first, const std::vector<qint64>& records, const std::vector<quint64>& digests);
    static QByteArray withValues(qint64 first, const std::vector<qint64>& records, const std::vector<QByteArray>& texts);

    qint64 first() const { return m_first; }
    int count() const { return m_count; }
    qint64 record(int i) const;
    qint64 last() const { return record(m_count - 1); }
    // The record's index in the range, or -1.
    int find(qint64 record) const;
    bool keepsValues() const { return m_valuesKept; }
    quint64 digest(int i) const;
    QByteArray text(int i) const;
    std::vector<qint64> records() const;

private:
    qsizetype places() const; // where the digests or the texts' ends start
    quint32 end(int i) const;
    qint64 m_first = 0;
    int m_count = 0;
    bool m_valuesKept = false;
    QByteArray m_bytes;
    int m_body = 0; // where the places start
};

// An added record and its digest, as it was written.
struct WrittenRecord {
    qint64 record = 0;
    quint64 digest = 0;
};

// Keeps the records of `table` past rowid `after` as ranges of added records in the step `step` gives;
// it is asked once, when there is a record to keep, so that no step is made without changes. `written`,
// when given, holds every one of those records in ascending order with its digest, and nothing is read
// back.
bool keepAddedRanges(sqlite3* db, const TableInfo& table, qint64 after, const std::vector<WrittenRecord>* written,
                     const std::function<qint64()>& step);

} // namespace cedb
