#pragma once
// The stored queries of the open database (XNSysQueries), the relations that give joins, and the check
// that a stored statement opens.
#include "logic/queries/StoredQuery.h"

#include <optional>

class CAppContext;

class QueryStore {
public:
    explicit QueryStore(CAppContext& context) : m_context(context) {}

    // The row named `name`; nullopt when there is none or it cannot be read.
    std::optional<StoredQuery> find(const QString& name);
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

// The joins the relations between `tables` give, for each pair in both directions: the left table's field
// equal to the right table's field.
QList<QueryJoin> RelationJoins(CAppContext& context, const QStringList& tables);

// True when the statement opens with every parameter 0. Whatever it would change is undone.
bool QueryStatementOpens(CAppContext& context, const QString& statement);
