#pragma once
// Where printed records come from: a table, or a stored query's result, named as forms name them (a
// table by its name, a query as "(Q)" and its name; "Name(Q)" is read as well), with the field properties
// that decide how a table's values are shown.
#include "tables/DatasheetFields.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

class CAppContext;

struct PrintSource {
    // As it was named.
    QString name;
    // The table's or the query's name alone.
    QString title;
    bool isQuery = false;
    QString statement;
    // A table's catalogue rows; none for a query, whose values show as the engine gives them.
    QList<DatasheetField> fields;
};

// The query's name of a source that names one ("(Q)Name" or "Name(Q)"); nullopt for a table.
std::optional<QString> queryNameOf(const QString& source);

// Gives a stored query's statement its parameters' values: asks for them, or takes them from the command
// line; nullopt abandons the print (a prompt cancelled, a value missing).
using ParameterFill = std::function<std::optional<QString>(const QString& statement)>;
// Asks for each parameter in the prompt the query's run uses.
ParameterFill askForParameters();

// The source, after the message that says why when there is none: no such table or query, or a query that
// changes records instead of selecting them (opening it would change them).
std::optional<PrintSource> openPrintSource(CAppContext& context, const QString& source, const ParameterFill& fill);

// An order key: a field's name and whether it runs descending.
using OrderKey = std::pair<QString, bool>;
// `statement` ordered by `keys` first; an order of its own follows them. Unchanged without keys.
QString orderedStatement(const QString& statement, const QList<OrderKey>& keys);
