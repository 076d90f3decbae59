#pragma once
// Parameters of a stored query: names in square brackets, asked for when the query runs. A value goes in
// as a value: a number as typed when it reads as one, anything else as quoted text; inside a quoted text
// of the statement it becomes part of that text. So "' OR 1=1 --" typed for a parameter is looked for as
// that text and adds no condition.
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// The parameters of `statement`, brackets included ("[City]"), each once, in the order they first appear.
QStringList QueryParameterNames(const QString& statement);

// `statement` with every occurrence of each parameter replaced by its value in `values` (keyed by the
// bracketed name), trimmed at both ends, "0" when empty. A parameter without a value stays as it is.
QString SubstituteQueryParameters(const QString& statement, const QHash<QString, QString>& values);

// The statement with every parameter "0", as it is opened to see whether it opens at all.
QString QueryStatementForCheck(const QString& statement);

// Asks for each parameter once, in the prompt "Enter the parameter" labelled with the bracketed name, and
// gives the statement with the answers in place; nullopt when the user cancelled a prompt, which abandons
// the run.
std::optional<QString> AskQueryParameters(const QString& statement);
