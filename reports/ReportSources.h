#pragma once
// What a report may read and what a stored report reads that is gone: the Report dialog lists the
// sources and their fields from here, and a report opened for editing is checked against its source.
#include "reports/ReportDefinition.h"

#include <QHash>
#include <QStringList>

#include <optional>

class CAppContext;

// The database's tables, then its stored select queries as "(Q)Name".
QStringList reportSources(CAppContext& context);
// The fields of a source in its own order; nullopt when there is no such table or query, or the query's
// records cannot be read. A query's parameters count as empty, so that nothing is asked.
std::optional<QStringList> sourceFields(CAppContext& context, const QString& source);

// The width each field of a source needs for its name and its values in the first records, by the
// field's name; empty when the records cannot be read. A query's parameters count as empty.
QHash<QString, int> widthsToShow(CAppContext& context, const QString& source);

// What a report reads that its source no longer gives: the whole source, or some of its fields.
struct MissingParts {
    bool source = false;
    QStringList fields;
    bool any() const { return source || !fields.isEmpty(); }
};
MissingParts missingParts(CAppContext& context, const ReportDefinition& report);
// The message naming what is missing, as printing the report says it.
QString missingText(const ReportDefinition& report, const MissingParts& missing);
// The report without every use of the fields named: columns, groups, totals, sort keys and label fields.
ReportDefinition withoutFields(ReportDefinition report, const QStringList& gone);
