#include "platform/cedb/server/ServerValues.h"

#include "platform/cedb/Engine.h"
#include "platform/cedb/server/ServerLink.h"

#include <QtEndian>

#include <cmath>
#include <cstring>

namespace cedb {

namespace {

// The server's oids of the types the engine sends.
constexpr unsigned int boolOid = 16, byteaOid = 17, int8Oid = 20, textOid = 25, float8Oid = 701,
                       timestampOid = 1114;
constexpr double microsPerDay = 86400.0 * 1e6;
constexpr double daysTo2000 = 36526; // from 30 December 1899 to 1 January 2000

template <typename T> QByteArray bigEndianBytes(T value)
{
    QByteArray bytes(sizeof(T), Qt::Uninitialized);
    qToBigEndian(value, bytes.data());
    return bytes;
}

template <typename T> T fromBigEndian(const char* data)
{
    return qFromBigEndian<T>(data);
}

} // namespace

// Before 30 December 1899 an automation date counts its days down but its time of day up: -1.25 is
// 29 December, 6 in the morning.
qint64 serverTimestamp(double day)
{
    double linear = day;
    if (day < 0) {
        const double whole = std::trunc(day);
        linear = whole + (whole - day);
    }
    return std::llround((linear - daysTo2000) * microsPerDay);
}

double automationDay(qint64 timestamp)
{
    const double linear = double(timestamp) / microsPerDay + daysTo2000;
    if (linear >= 0)
        return linear;
    const double whole = std::floor(linear);
    const double time = linear - whole;
    return time == 0 ? whole : whole - time;
}

ServerParameter serverParameter(const StoredValue& value)
{
    ServerParameter parameter;
    if (const auto* number = std::get_if<qint64>(&value)) {
        parameter = {int8Oid, bigEndianBytes(*number), false, true};
    } else if (const auto* real = std::get_if<double>(&value)) {
        quint64 bits = 0;
        std::memcpy(&bits, real, sizeof bits);
        parameter = {float8Oid, bigEndianBytes(bits), false, true};
    } else if (const auto* text = std::get_if<QString>(&value)) {
        // Sent with its length, so that a character 0 is refused by the server rather than end the text there.
        parameter = {textOid, text->toUtf8(), false, true};
    } else if (const auto* bytes = std::get_if<QByteArray>(&value)) {
        parameter = {byteaOid, *bytes, false, true};
    } else if (const auto* date = std::get_if<StoredDate>(&value)) {
        parameter = {timestampOid, bigEndianBytes(serverTimestamp(date->day)), false, true};
    } else if (const auto* flag = std::get_if<StoredFlag>(&value)) {
        parameter = {boolOid, QByteArray(1, flag->on ? '\1' : '\0'), false, true};
    } else {
        parameter.null = true;
    }
    return parameter;
}

qint64 serverInteger(const ServerResult& result, int row, int column)
{
    const char* data = result.data(row, column);
    switch (result.size(row, column)) {
    case 2: return fromBigEndian<qint16>(data);
    case 4: return fromBigEndian<qint32>(data);
    case 8: return fromBigEndian<qint64>(data);
    default: return 0;
    }
}

qint64 serverXid(const ServerResult& result, int row, int column)
{
    return result.size(row, column) == 4 ? qint64(fromBigEndian<quint32>(result.data(row, column))) : 0;
}

Variant serverValue(const ServerResult& result, int row, int column, const ColumnType& type)
{
    if (result.isNull(row, column))
        return Variant::null();
    const char* data = result.data(row, column);
    const int size = result.size(row, column);
    switch (type.code) {
    case adSmallInt: return Variant(static_cast<std::int16_t>(serverInteger(result, row, column)));
    case adInteger: return Variant(static_cast<std::int32_t>(serverInteger(result, row, column)));
    case adBoolean: return Variant(size > 0 && data[0] != 0);
    case adDouble: {
        const quint64 bits = fromBigEndian<quint64>(data);
        double real = 0;
        std::memcpy(&real, &bits, sizeof real);
        return Variant(real);
    }
    case adDate: return Variant::fromDate(automationDay(fromBigEndian<qint64>(data)));
    case adLongVarBinary: {
        SafeArray bytes = SafeArray::vector(size);
        for (int i = 0; i < size; ++i)
            bytes.elements[i] = Variant::fromByte(static_cast<std::uint8_t>(data[i]));
        return Variant(std::move(bytes));
    }
    default: return Variant(QString::fromUtf8(data, size));
    }
}

} // namespace cedb
