// varnel-cli query SUBCOMMAND: stored queries of a database, shown and run without a window.
#include "CliCommands.h"
#include "CliDatabase.h"
#include "CliParameters.h"
#include "CliResult.h"
#include "EngineFailure.h"

#include "data/CDbRecordset.h"
#include "data/QueryStore.h"
#include "logic/queries/QueryParameters.h"

#include <QTextStream>

namespace {

int fail(const QString& reason)
{
    QTextStream(stderr) << "error: " << reason << "\n";
    return 1;
}

// The stored row's columns, one "Column=Value" line each, in the table's order.
int show(CAppContext& context, const QString& name)
{
    const auto columns = QueryStore(context).columns(name);
    if (!columns)
        return fail(QStringLiteral("no query named ") + name);
    QTextStream out(stdout);
    for (const auto& [column, value] : *columns)
        out << column << '=' << value << '\n';
    return 0;
}

int run(CAppContext& context, const QString& name, QStringList options)
{
    QHash<QString, QString> values;
    if (!takeParameters(options, values) || !options.isEmpty())
        return usageError(kQueryUsage);
    const std::optional<StoredQuery> query = QueryStore(context).find(name);
    if (!query)
        return fail(QStringLiteral("no query named ") + name);
    for (const QString& parameter : QueryParameterNames(query->statement))
        if (!values.contains(parameter))
            return fail(QStringLiteral("no value given for the parameter ") + parameter);
    const QString statement = SubstituteQueryParameters(query->statement, values);
    CDbRecordset result(context.connection, context.databasePath());
    if (!result.Open(statement, 0, 1))
        return reportEngineFailure(statement);
    QTextStream out(stdout);
    if (result.GetFieldCount() > 0)
        printRecords(result, out);
    return 0;
}

} // namespace

int runQuery(const QStringList& args)
{
    const QString subcommand = args.value(0);
    const bool isShow = subcommand == QLatin1String("show") && args.size() == 3;
    const bool isRun = subcommand == QLatin1String("run") && args.size() >= 3;
    if (!isShow && !isRun)
        return usageError(kQueryUsage);
    CAppContext context;
    if (!openDatabaseArgument(context, args.at(1)))
        return 1;
    return isShow ? show(context, args.at(2)) : run(context, args.at(2), args.mid(3));
}
