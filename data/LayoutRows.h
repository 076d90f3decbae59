#pragma once
// The catalogue's datasheet layouts: one row per table, its field names and column widths, each followed
// by ";", and its options.
#include <QString>

class CatalogueSql;

class LayoutRows {
public:
    explicit LayoutRows(CatalogueSql& sql) : m_sql(sql) {}

    bool insert(const QString& table, const QString& names, const QString& widths);

    // The statements of the recordsets that read or write a table's row in place.
    static QString tableSql(); // the table, opened to add a row
    static QString rowSql(const QString& table);

private:
    CatalogueSql& m_sql;
};
