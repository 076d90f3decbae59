#pragma once
// The digest of a record added many at a time (see RecordDigest.h), taken from its values as they are
// bound, so that keeping the records in the history does not read them back. It is taken only where what
// SQLite stores, and gives back, is the value bound: an integer into a column of INTEGER affinity, a real
// into REAL, a text into TEXT, a blob, a Null; a field left to a default, a key given no value or any other
// kind of value leaves the record without one, and the history reads that record back instead.
#include "platform/cedb/TypeRules.h"

#include <optional>
#include <vector>

struct sqlite3;

namespace cedb {

struct TableInfo;

class WrittenDigest {
public:
    WrittenDigest() = default;
    // For records of `table` whose storage columns `bound` are the statement's parameters, in their
    // order, as the file itself declares the table.
    WrittenDigest(sqlite3* db, const TableInfo& table, const std::vector<QByteArray>& bound);

    // Before the first value of a record.
    void start();
    void add(size_t parameter, const StoredValue& value);
    void addText(size_t parameter, const char* utf8, size_t size);
    // Once every parameter was added.
    std::optional<quint64> digest() const;

private:
    enum class Affinity { Integer, Real, Text, Blob, Numeric };
    struct Column {
        int place = -1; // in the table's fields
        Affinity affinity = Affinity::Numeric;
        bool nullRefused = false; // NOT NULL, or the key: a Null is not what would be stored
    };
    static Affinity affinityOf(QByteArray declared);

    std::vector<Column> m_bound;
    bool m_usable = false;
    bool m_known = false;
    quint64 m_sum = 0;
};

// The digests of records written from their values by one general INSERT after another: the way of
// taking them is kept for the last table and columns written.
class WrittenDigests {
public:
    std::optional<quint64> digest(sqlite3* db, const TableInfo& table, const std::vector<QByteArray>& columns,
                                  const std::vector<StoredValue>& values);
    // The file's declarations may have changed since.
    void forget() { m_table.clear(); }

private:
    QByteArray m_table;
    std::vector<QByteArray> m_columns;
    WrittenDigest m_digest;
};

} // namespace cedb
