#include "platform/cedb/TypeRules.h"

#include "platform/cedb/Engine.h"

#include <QStringEncoder>

#include <sqlite3.h>

namespace cedb {

namespace {

// Text goes to SQLite already in the file's encoding, in a buffer SQLite takes over: one allocation,
// where handing it UTF-16 would cost a copy and a conversion inside SQLite.
void bindText(sqlite3_stmt* statement, int parameter, const QString& text)
{
    const qsizetype room = text.size() * 3;
    char* buffer = static_cast<char*>(sqlite3_malloc64(sqlite3_uint64(room) + 1));
    if (!buffer) {
        sqlite3_bind_text16(statement, parameter, text.utf16(), int(text.size() * 2), SQLITE_TRANSIENT);
        return;
    }
    QStringEncoder toUtf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    const char* end = toUtf8.appendToBuffer(buffer, text);
    sqlite3_bind_text64(statement, parameter, buffer, sqlite3_uint64(end - buffer), sqlite3_free, SQLITE_UTF8);
}

} // namespace

std::optional<ColumnType> columnTypeFromName(const QString& typeName, int length)
{
    const QString name = typeName.simplified().toLower();
    const bool sized = length >= 0;
    if (name == u"varchar" || name == u"nvarchar" || name == u"char" || name == u"nchar") {
        if (sized && (length < 1 || length > 4000))
            return std::nullopt;
        return ColumnType{adVarWChar, sized ? length : 255};
    }
    if (sized)
        return std::nullopt;
    static const struct {
        const char* name;
        ColumnType type;
    } types[] = {
        {"text", {adLongVarWChar, 0}},   {"memo", {adLongVarWChar, 0}},   {"ntext", {adLongVarWChar, 0}},
        {"int", {adInteger, 4}},         {"integer", {adInteger, 4}},     {"long", {adInteger, 4}},
        {"smallint", {adSmallInt, 2}},   {"short", {adSmallInt, 2}},      {"bit", {adBoolean, 1}},
        {"boolean", {adBoolean, 1}},     {"float", {adDouble, 8}},        {"double", {adDouble, 8}},
        {"datetime", {adDate, 8}},       {"date", {adDate, 8}},           {"long varbinary", {adLongVarBinary, 0}},
        {"varbinary", {adLongVarBinary, 0}}, {"image", {adLongVarBinary, 0}},
    };
    for (const auto& known : types)
        if (name == QLatin1String(known.name))
            return known.type;
    return std::nullopt;
}

const char* storageDeclaration(const ColumnType& type)
{
    switch (type.code) {
    case adSmallInt: case adInteger: case adBoolean: return "INTEGER";
    case adDouble: case adDate: return "REAL";
    case adLongVarBinary: return "BLOB";
    default: return "TEXT COLLATE NOCASE";
    }
}

namespace {

HRESULT converted(const Variant& value, VARTYPE target, Variant& out)
{
    if (target == VT_BOOL && value.vt() == VT_BSTR) {
        bool flag = false;
        if (!automation::parseBool(value.string(), flag))
            return DB_E_BADVALUES;
        out = Variant(flag);
        return S_OK;
    }
    return FAILED(value.changeType(target, out)) ? DB_E_BADVALUES : S_OK;
}

QByteArray bytesOf(const Variant& value)
{
    if (value.vt() == VT_BSTR)
        return value.string().toUtf8();
    QByteArray bytes;
    if (value.isArray())
        for (const Variant& element : value.array().elements)
            bytes.append(static_cast<char>(element.toInt()));
    return bytes;
}

} // namespace

HRESULT toStored(const Variant& value, const ColumnType& type, LengthCheck check, StoredValue& out)
{
    out = std::monostate{};
    if (value.isEmpty() || value.isNull())
        return S_OK;
    const bool text = type.code == adVarWChar || type.code == adLongVarWChar;
    if (!text && value.vt() == VT_BSTR && value.string().trimmed().isEmpty())
        return S_OK;
    // The common cases need no conversion.
    if (type.code == adInteger && value.vt() == VT_I4) {
        out = qint64(value.i4());
        return S_OK;
    }
    if (type.code == adDouble && value.vt() == VT_R8) {
        out = value.r8();
        return S_OK;
    }
    // A whole number for a Double column, as a statement writes 2 for 2.0: every Integer is a Double exactly.
    if (type.code == adDouble && value.vt() == VT_I4) {
        out = double(value.i4());
        return S_OK;
    }
    if (text && value.vt() == VT_BSTR) {
        if (check == LengthCheck::Enforce && type.code == adVarWChar && value.string().size() > type.length)
            return DB_E_BADVALUES;
        out = value.string();
        return S_OK;
    }
    if (type.code == adDate && value.vt() == VT_DATE) {
        out = StoredDate{value.date()};
        return S_OK;
    }
    Variant result;
    switch (type.code) {
    case adVarWChar:
    case adLongVarWChar: {
        bool ok = false;
        const QString string = value.toString(&ok);
        if (!ok)
            return DB_E_BADVALUES;
        if (check == LengthCheck::Enforce && type.code == adVarWChar && string.size() > type.length)
            return DB_E_BADVALUES;
        out = string;
        return S_OK;
    }
    case adSmallInt:
    case adInteger: {
        const HRESULT hr = converted(value, type.code == adSmallInt ? VT_I2 : VT_I4, result);
        if (SUCCEEDED(hr))
            out = qint64(type.code == adSmallInt ? result.i2() : result.i4());
        return hr;
    }
    case adBoolean: {
        const HRESULT hr = converted(value, VT_BOOL, result);
        if (SUCCEEDED(hr))
            out = StoredFlag{result.boolVal() != VARIANT_FALSE};
        return hr;
    }
    case adDouble: {
        const HRESULT hr = converted(value, VT_R8, result);
        if (SUCCEEDED(hr))
            out = result.r8();
        return hr;
    }
    case adDate: {
        const HRESULT hr = converted(value, VT_DATE, result);
        if (SUCCEEDED(hr))
            out = StoredDate{result.r8()};
        return hr;
    }
    case adLongVarBinary:
        out = bytesOf(value);
        return S_OK;
    default:
        return DB_E_BADVALUES;
    }
}

StoredValue literalStored(const Variant& value)
{
    switch (value.vt()) {
    case VT_I2: return qint64(value.i2());
    case VT_I4: return qint64(value.i4());
    case VT_BOOL: return qint64(value.boolVal() ? 1 : 0);
    case VT_R4: case VT_R8: case VT_DATE: return value.toDouble();
    case VT_BSTR: return value.string();
    default: return std::monostate{};
    }
}

Variant fromStored(sqlite3_stmt* statement, int column, const ColumnType& type)
{
    if (sqlite3_column_type(statement, column) == SQLITE_NULL)
        return Variant::null();
    switch (type.code) {
    case adSmallInt: return Variant(static_cast<std::int16_t>(sqlite3_column_int(statement, column)));
    case adInteger: return Variant(static_cast<std::int32_t>(sqlite3_column_int(statement, column)));
    case adBoolean: return Variant(sqlite3_column_int64(statement, column) != 0);
    case adDouble: return Variant(sqlite3_column_double(statement, column));
    case adDate: return Variant::fromDate(sqlite3_column_double(statement, column));
    case adLongVarBinary: {
        const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(statement, column));
        const int size = sqlite3_column_bytes(statement, column);
        SafeArray bytes = SafeArray::vector(size);
        for (int i = 0; i < size; ++i)
            bytes.elements[i] = Variant::fromByte(data[i]);
        return Variant(std::move(bytes));
    }
    default: {
        const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(statement, column));
        const int bytes = sqlite3_column_bytes16(statement, column);
        return Variant(QString::fromUtf16(text, bytes / 2));
    }
    }
}

void bindStored(sqlite3_stmt* statement, int parameter, const StoredValue& value)
{
    if (const auto* number = std::get_if<qint64>(&value))
        sqlite3_bind_int64(statement, parameter, *number);
    else if (const auto* real = std::get_if<double>(&value))
        sqlite3_bind_double(statement, parameter, *real);
    else if (const auto* text = std::get_if<QString>(&value))
        bindText(statement, parameter, *text);
    else if (const auto* bytes = std::get_if<QByteArray>(&value))
        sqlite3_bind_blob(statement, parameter, bytes->constData(), int(bytes->size()), SQLITE_TRANSIENT);
    else if (const auto* date = std::get_if<StoredDate>(&value))
        sqlite3_bind_double(statement, parameter, date->day);
    else if (const auto* flag = std::get_if<StoredFlag>(&value))
        sqlite3_bind_int64(statement, parameter, flag->on ? 1 : 0);
    else
        sqlite3_bind_null(statement, parameter);
}

} // namespace cedb
