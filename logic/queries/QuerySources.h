#pragma once
// The tables a query can draw on and their fields, as the designer and the Query Builder list them.
#include <QStringList>

class CAppContext;

// The database's own tables, without the engine's and the catalogue's.
QStringList QueryTableNames(CAppContext& context);
// The fields the catalogue keeps for `table`.
QStringList QueryFieldNames(CAppContext& context, const QString& table);
