#include "platform/cedb/RecordDigest.h"

#include "platform/cedb/Catalogue.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>

namespace cedb {

namespace {

// SQLite takes at most 127 arguments in a call; longer records are digested in calls nested as seeds.
constexpr size_t kFieldsPerCall = 120;

// Spreads the bits, so that the sum of the fields' hashes does not let two fields' changes cancel out.
quint64 mixed(quint64 x)
{
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

quint64 bytesHash(quint64 hash, const unsigned char* bytes, size_t size)
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
quint64 valueHash(quint64 place, sqlite3_value* value)
{
    const int type = sqlite3_value_type(value);
    const quint64 hash = mixed(place * 0x9e3779b97f4a7c15ULL + quint64(type));
    switch (type) {
    case SQLITE_INTEGER:
        return mixed(hash ^ quint64(sqlite3_value_int64(value)));
    case SQLITE_FLOAT: {
        const double number = sqlite3_value_double(value);
        quint64 bits;
        std::memcpy(&bits, &number, sizeof bits);
        return mixed(hash ^ bits);
    }
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const unsigned char*>(sqlite3_value_blob(value));
        return bytesHash(hash, bytes, size_t(sqlite3_value_bytes(value)));
    }
    default: {
        const unsigned char* text = sqlite3_value_text(value);
        return bytesHash(hash, text, size_t(sqlite3_value_bytes(value)));
    }
    }
}

// varnel_record_digest(seed, place of the first value, value, value, ...)
void recordDigest(sqlite3_context* context, int count, sqlite3_value** arguments)
{
    quint64 sum = 0;
    if (sqlite3_value_bytes(arguments[0]) == sizeof sum)
        std::memcpy(&sum, sqlite3_value_blob(arguments[0]), sizeof sum);
    const quint64 first = quint64(sqlite3_value_int64(arguments[1]));
    for (int i = 2; i < count; ++i)
        if (sqlite3_value_type(arguments[i]) != SQLITE_NULL)
            sum += valueHash(first + quint64(i - 2), arguments[i]);
    // A blob, which the history's text columns keep as it is where they would turn a number into text.
    sqlite3_result_blob(context, &sum, sizeof sum, SQLITE_TRANSIENT);
}

} // namespace

bool installRecordDigest(sqlite3* db)
{
    return sqlite3_create_function(db, "varnel_record_digest", -1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                   recordDigest, nullptr, nullptr) == SQLITE_OK;
}

QByteArray recordDigestSql(const TableInfo& table, const char* row)
{
    QByteArray sql = "NULL";
    for (size_t first = 0; first < table.columns.size(); first += kFieldsPerCall) {
        QByteArray call = "varnel_record_digest(" + sql + ", " + QByteArray::number(qulonglong(first));
        for (size_t i = first; i < std::min(table.columns.size(), first + kFieldsPerCall); ++i)
            call += ", " + QByteArray(row) + "." + table.columns[i].storage;
        sql = call + ")";
    }
    return sql;
}

} // namespace cedb
