#pragma once
// The catalogue's stored queries: one row per query, its QueryID, name, type, statement and the texts of
// the grid it was designed in (logic/queries/StoredQuery.h reads and writes those).
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

class CAppContext;
class CatalogueSql;

struct StoredQuery {
    int id = 0;
    QString name;
    int type = 1; // a select
    QString statement;
    QString select;
    QString from;
    QString criteria;
    QString orderBy;
    QString joins;
    QString attribs;

    bool operator==(const StoredQuery&) const = default;
};

// Reading and deleting rows, over any way of running statements.
class QueryRows {
public:
    explicit QueryRows(CatalogueSql& sql) : m_sql(sql) {}

    // Every row, in the order they are stored; none when they cannot be read.
    QList<StoredQuery> all();
    QStringList names();
    // The row named `name`; nullopt when there is none or it cannot be read.
    std::optional<StoredQuery> find(const QString& name);
    bool remove(const QString& name);

private:
    CatalogueSql& m_sql;
};

// The rows of the context's open database, written through updatable recordsets.
class QueryStore {
public:
    explicit QueryStore(CAppContext& context) : m_context(context) {}

    std::optional<StoredQuery> find(const QString& name);
    // The row's columns as the table names them, each with its value as text, in the table's order.
    std::optional<QList<std::pair<QString, QString>>> columns(const QString& name);
    bool exists(const QString& name) { return find(name).has_value(); }
    // Adds the row under the next free QueryID, which `row` then holds.
    bool add(StoredQuery& row);
    // Writes the row of the query of that name over it, keeping its QueryID; false when the row cannot
    // be opened or written.
    bool replace(const StoredQuery& row);
    bool remove(const QString& name);

private:
    CAppContext& m_context;
};
