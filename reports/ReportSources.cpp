#include "reports/ReportSources.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/SqlText.h"
#include "logic/queries/QueryParameters.h"
#include "logic/queries/QuerySources.h"
#include "data/CatalogueSql.h"
#include "data/QueryStore.h"
#include "reports/PrintSource.h"
#include "reports/RecordReader.h"
#include "reports/TableDocument.h"

#include <algorithm>
#include <numeric>

namespace {

bool isSelect(const QString& statement)
{
    return statement.trimmed().startsWith(QStringLiteral("SELECT"), Qt::CaseInsensitive);
}

template <typename T, typename Named>
void dropNamed(QList<T>& items, const QStringList& gone, Named name)
{
    items.removeIf([&](const T& item) { return gone.contains(name(item), Qt::CaseInsensitive); });
}

} // namespace

QStringList reportSources(CAppContext& context)
{
    QStringList sources = QueryTableNames(context);
    ContextSql sql(context);
    QStringList names;
    for (const StoredQuery& query : QueryRows(sql).all())
        if (isSelect(query.statement))
            names << QStringLiteral("(Q)") + query.name;
    names.sort(Qt::CaseInsensitive);
    return sources << names;
}

std::optional<QStringList> sourceFields(CAppContext& context, const QString& source)
{
    const std::optional<QString> query = queryNameOf(source);
    if (!query)
        return source.isEmpty() || tableIdOf(context, source).isEmpty()
                   ? std::nullopt
                   : std::optional<QStringList>(QueryFieldNames(context, source));
    const std::optional<StoredQuery> stored = QueryStore(context).find(*query);
    if (!stored || !isSelect(stored->statement))
        return std::nullopt;
    CDbRecordset records(context.connection, context.databasePath());
    if (!records.Open(QueryStatementForCheck(stored->statement), 0, 1))
        return std::nullopt;
    QStringList names;
    for (int i = 0; i < records.GetFieldCount(); ++i)
        names << records.GetFieldName(i);
    return names;
}

QHash<QString, int> widthsToShow(CAppContext& context, const QString& source)
{
    std::optional<PrintSource> opened = openPrintSource(context, source, QueryStatementForCheck);
    if (!opened)
        return {};
    RecordReader records(context, std::move(*opened));
    if (!records.open())
        return {};
    QList<int> fields(records.fieldNames().size());
    std::iota(fields.begin(), fields.end(), 0);
    const QList<double> widths = TableDocument::widthsToShow(records, fields);
    QHash<QString, int> byName;
    for (int field : fields)
        byName.insert(records.fieldNames()[field].toLower(), int(widths[field]));
    return byName;
}

MissingParts missingParts(CAppContext& context, const ReportDefinition& report)
{
    const std::optional<QStringList> fields = sourceFields(context, report.source);
    if (!fields)
        return {true, {}};
    MissingParts missing;
    for (const QString& name : report.fieldsUsed())
        if (!fields->contains(name, Qt::CaseInsensitive))
            missing.fields << name;
    return missing;
}

QString missingText(const ReportDefinition& report, const MissingParts& missing)
{
    if (missing.source)
        return QStringLiteral("The record source is missing: ") + report.source;
    return QStringLiteral("The report ") + report.name + QStringLiteral(" shows fields that ") +
           queryNameOf(report.source).value_or(report.source) + QStringLiteral(" no longer has: ") +
           missing.fields.join(QStringLiteral(", "));
}

ReportDefinition withoutFields(ReportDefinition report, const QStringList& gone)
{
    dropNamed(report.fields, gone, [](const ReportField& field) { return field.name; });
    dropNamed(report.groups, gone, [](const ReportGroup& group) { return group.field; });
    dropNamed(report.totals, gone, [](const ReportTotal& total) { return total.field; });
    dropNamed(report.sort, gone, [](const ReportSort& key) { return key.field; });
    report.labelLines.removeIf([&gone](const QString& line) {
        const QStringList names = labelLineFields(line);
        return std::any_of(names.begin(), names.end(),
                           [&gone](const QString& name) { return gone.contains(name, Qt::CaseInsensitive); });
    });
    return report;
}
