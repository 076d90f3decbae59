#pragma once
// The catalogue's fields: one row per field of a user table, keyed by the engine's TableID, with the
// field's type, size, lookup, checks, calculation, AutoNumber counter and relation columns.
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class CatalogueSql;

// Positions of the columns of a row as "Select *" returns them.
namespace xnfield {
constexpr int FieldName = 1;
constexpr int Len = 3;
constexpr int ODBCType = 4;
constexpr int Combo = 5;
constexpr int Required = 8;
constexpr int Unique = 9;
constexpr int Calculation = 10;
constexpr int AutoNumber = 11;
} // namespace xnfield

class FieldRows {
public:
    explicit FieldRows(CatalogueSql& sql) : m_sql(sql) {}

    // The table's rows in its fields' order, every column as text; empty when they cannot be read.
    QList<QStringList> ofTable(const QString& tableId);
    // The table's field names in their order.
    QStringList namesOfTable(const QString& tableId);
    bool removeTable(const QString& tableId);
    // The field's default value and validation rule, in that order; nullopt when it has no row.
    std::optional<QStringList> defaultAndRule(const QString& tableId, const QString& field);

    // The statements of the recordsets that edit the rows in place. A TableID that is not a number stands
    // in them quoted, so that it matches no row rather than changing the statement.
    static QString tableSql(); // the table, opened to add a row
    static QString rowsSql(const QString& tableId); // in FieldID order
    static QString rowsByNameSql(const QString& tableId);
    static QString fieldRowSql(const QString& tableId, const QString& field);
    // The given columns of the field's row.
    static QString fieldColumnsSql(const QString& columns, const QString& tableId, const QString& field);
    // The columns the datasheet reads of each field, in FieldID order: FieldName, ODBCType, Unique, Required,
    // ZeroLen, Combo, ComboFlags, ComboData, ValdnRule, ValdnText, DefValue, Calculation, AutoNumber,
    // InputMask, Len.
    static QString datasheetSql(const QString& tableId);
    // The columns and values are the caller's, each value already quoted or a number.
    static QString insertSql(const QString& columns, const QString& values);
    static QString removeFieldSql(const QString& tableId, const QString& field);
    // What the user is told when a renamed field's row could not be written.
    static QString renameFailure();

private:
    CatalogueSql& m_sql;
};
