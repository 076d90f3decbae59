#pragma once
// The number of records of each user table, kept by the server itself so that opening a big table does
// not count it. Triggers on the table add a row of +N or -N to cedb_counts in the same statement as each
// insert or delete, whoever writes (this program, another one, psql), so the sum of a table's rows is
// its number of records exactly as the reading statement's snapshot sees them. Writers only ever add
// rows, so no two of them wait for each other; a reader folds the rows into one now and then.
#include "platform/cedb/server/ServerLink.h"

#include <QByteArray>

#include <optional>
#include <set>

namespace cedb {

class ServerCounts {
public:
    explicit ServerCounts(ServerLink& link) : m_link(link) {}

    // The records of the table stored as `storage`; nullopt when the server keeps no count of it and
    // cannot be made to (no privilege, or a transaction is open), and the table must be counted.
    std::optional<qint64> records(const QByteArray& storage);

private:
    // Puts the triggers on the table and its first number, counted while writes to it wait.
    bool keep(const QByteArray& storage);
    void fold(const QByteArray& storage);

    ServerLink& m_link;
    bool m_setUp = false;
    // The tables this session may not put the triggers on: counted rather than tried again.
    std::set<QByteArray> m_refused;
};

} // namespace cedb
