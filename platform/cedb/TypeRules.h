#pragma once
// The engine's column types: the type names DDL accepts, how a value is checked and converted for a
// column on its way in, and how a stored value comes back as an automation value.
#include "platform/automation/variant.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

struct sqlite3_stmt;

namespace cedb {

struct ColumnType {
    int code = 0;   // adSmallInt, adInteger, ... as Field::get_Type reports it
    int length = 0; // characters of a varchar; the storage size for the other types
};

// "varchar" with its (n), "text", "int", "Long Varbinary", ... ignoring case; nullopt for unknown names.
std::optional<ColumnType> columnTypeFromName(const QString& typeName, int length);
// The column declaration SQLite gets: affinity, and case-insensitive text compares.
const char* storageDeclaration(const ColumnType& type);

// A date and a yes/no as SQLite stores them (a day number, 1 or 0), kept apart from other numbers for
// the server, which stores them as timestamp and boolean.
struct StoredDate {
    double day = 0;
    bool operator==(const StoredDate&) const = default;
};
struct StoredFlag {
    bool on = false;
    bool operator==(const StoredFlag&) const = default;
};

// A value on its way to the store.
using StoredValue = std::variant<std::monostate, qint64, double, QString, QByteArray, StoredDate, StoredFlag>;

enum class LengthCheck { Enforce, Ignore };
// Converts `value` for a column of `type` through the automation rules. DB_E_BADVALUES when it does not
// convert or (with Enforce) when a text is longer than the varchar allows. Empty and Null store Null,
// and so does empty text in a column that is not text.
HRESULT toStored(const Variant& value, const ColumnType& type, LengthCheck check, StoredValue& out);
// A literal with no column to follow keeps its own kind.
StoredValue literalStored(const Variant& value);

Variant fromStored(sqlite3_stmt* statement, int column, const ColumnType& type);
void bindStored(sqlite3_stmt* statement, int parameter, const StoredValue& value);

} // namespace cedb
