#pragma once
// What the query designer asks of the open database beyond its stored rows: the joins its relations give
// and whether a statement opens.
#include "logic/queries/QueryDesign.h"

class CAppContext;

// The joins the relations between `tables` give, for each pair in both directions: the left table's field
// equal to the right table's field.
QList<QueryJoin> RelationJoins(CAppContext& context, const QStringList& tables);

// True when the statement opens with every parameter 0. Whatever it would change is undone.
bool QueryStatementOpens(CAppContext& context, const QString& statement);
