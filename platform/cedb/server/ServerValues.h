#pragma once
// Values between the engine and the server's binary forms: each parameter with its type, each result
// column decoded for the engine type of its column.
#include "platform/cedb/TypeRules.h"

#include <QByteArray>

namespace cedb {

class ServerResult;

// One parameter as libpq takes it.
struct ServerParameter {
    unsigned int type = 0; // the server's type oid; 0 lets the server infer it
    QByteArray bytes;
    bool null = false;
    bool binary = false;
};
ServerParameter serverParameter(const StoredValue& value);

// The value at (`row`, `column`) of a binary result, for a column of `type`.
Variant serverValue(const ServerResult& result, int row, int column, const ColumnType& type);
// An integer of a binary result: int2, int4 or int8; and a transaction id (a row's xmin).
qint64 serverInteger(const ServerResult& result, int row, int column);
qint64 serverXid(const ServerResult& result, int row, int column);

// Days since 30 December 1899 (the automation date) and microseconds since 1 January 2000 (the
// server's timestamp), both ways.
qint64 serverTimestamp(double day);
double automationDay(qint64 timestamp);

} // namespace cedb
