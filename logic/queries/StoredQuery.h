#pragma once
// A stored query's row and the grid it is made from and read back into. The grid's lists are kept as
// texts: QuerySelect, QueryFrom and QueryOrderBy one item per used column, each followed by ","; QueryCriteria
// one row per criteria row, its cells each followed by ",", the row followed by "~"; QueryJoins each join as
// left "=" right "~". Inside an item a "\" goes before every ",", "~", "=", "." and "\" that belongs to a name
// or a criterion, so that no character typed can split it; plain names read as they always have.
#include "data/QueryStore.h"
#include "logic/queries/QueryDesign.h"

// The row for a design: its freshly generated statement and the lists and Attribs of its used columns.
StoredQuery StoredQueryFrom(const QueryDesign& design, const QString& name, int id);

// The design a row was made from: the used columns in columns 1, 2, ..., their sort, shown flags and
// criteria, and the joins.
QueryDesign QueryDesignFrom(const StoredQuery& row);
