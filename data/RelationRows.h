#pragma once
// The catalogue's relations: one row per relation between a field of a left table and a field of a right
// table, with its type and its cascade flags (2 cascades updates, 4 deletes, 6 both).
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class CatalogueSql;

struct RelationRow {
    QString leftTable;
    QString rightTable;
    QString leftField;
    QString rightField;
    int type = 0;
    int flags = 0;
};

class RelationRows {
public:
    explicit RelationRows(CatalogueSql& sql) : m_sql(sql) {}

    // Every relation; nullopt when they cannot be read.
    std::optional<QList<RelationRow>> all();
    // The relations from `left` to `right`, that direction only.
    QList<RelationRow> between(const QString& left, const QString& right);
    // The relations from the left table's field whose flags include `flag` (2 or 4).
    QList<RelationRow> cascading(const QString& leftTable, const QString& leftField, int flag);
    // The relations from the left table's field that keep referential integrity, cascading or not.
    QList<RelationRow> keepingIntegrity(const QString& leftTable, const QString& leftField);
    // The tables related to `table` on either side, each once; nullopt when they cannot be read.
    std::optional<QStringList> relatedTables(const QString& table);
    // Removes the relation of these four names.
    bool remove(const RelationRow& names);

    // The row of the relation of these four names, for a recordset that writes it in place.
    static QString rowSql(const RelationRow& names);

private:
    CatalogueSql& m_sql;
};
