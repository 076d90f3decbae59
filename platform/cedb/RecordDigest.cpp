#include "platform/cedb/RecordDigest.h"

#include "platform/cedb/Catalogue.h"

#include <sqlite3.h>

#include <cstring>

namespace cedb {

namespace {

// Spreads the bits, so that the sum of the fields' hashes does not let two fields' changes cancel out.
quint64 mixed(quint64 x)
{
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

quint64 hashedBytes(quint64 hash, const unsigned char* bytes, size_t size)
{
    for (; size >= 8; bytes += 8, size -= 8) {
        quint64 word;
        std::memcpy(&word, bytes, 8);
        hash = mixed(hash ^ word);
    }
    // The last bytes, fewer than 8, and how many they are in bits they cannot reach.
    quint64 tail = 0;
    std::memcpy(&tail, bytes, size);
    return mixed(hash ^ tail ^ (quint64(size) << 59));
}

// The field's place is in the hash: the same value moved to another field changes the digest.
quint64 placed(int place, int type)
{
    return mixed(quint64(place) * 0x9e3779b97f4a7c15ULL + quint64(type));
}

quint64 valueHash(int place, sqlite3_stmt* statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return integerHash(place, sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return realHash(place, sqlite3_column_double(statement, column));
    case SQLITE_BLOB:
        return bytesHash(place, SQLITE_BLOB, sqlite3_column_blob(statement, column),
                         size_t(sqlite3_column_bytes(statement, column)));
    default: {
        const unsigned char* text = sqlite3_column_text(statement, column);
        return bytesHash(place, SQLITE_TEXT, text, size_t(sqlite3_column_bytes(statement, column)));
    }
    }
}

} // namespace

quint64 integerHash(int place, qint64 value)
{
    return mixed(placed(place, SQLITE_INTEGER) ^ quint64(value));
}

quint64 realHash(int place, double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return mixed(placed(place, SQLITE_FLOAT) ^ bits);
}

quint64 bytesHash(int place, int type, const void* bytes, size_t size)
{
    return hashedBytes(placed(place, type), static_cast<const unsigned char*>(bytes), size);
}

quint64 rowDigest(sqlite3_stmt* statement, int first, int count)
{
    quint64 sum = 0;
    for (int i = 0; i < count; ++i)
        if (sqlite3_column_type(statement, first + i) != SQLITE_NULL)
            sum += valueHash(i, statement, first + i);
    return sum;
}

QByteArray digestColumns(const TableInfo& table, const char* row)
{
    QByteArray columns;
    for (const ColumnInfo& column : table.columns)
        columns += ", " + QByteArray(row) + "." + column.storage;
    return columns;
}

} // namespace cedb
