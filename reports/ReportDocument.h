#pragma once
// Stored reports made into documents: a report read from the database, checked against its source, and
// laid out as columns with groups and totals or as a sheet of labels.
#include "reports/PrintDocument.h"
#include "reports/PrintSource.h"
#include "reports/ReportDefinition.h"

#include <QDate>

#include <memory>
#include <optional>

class CAppContext;

// The report of that name; nullopt after the message that there is none.
std::optional<ReportDefinition> loadReport(CAppContext& context, const QString& name);
// Stores the report in place of the one named `replacing` (empty for a new one); says why when it cannot.
bool saveReport(CAppContext& context, const ReportDefinition& report, const QString& replacing = QString());

// The report's pages over its source. Null after the message that names what is missing: the source, or
// the fields the report reads that the source no longer has.
std::unique_ptr<PrintDocument> reportDocument(CAppContext& context, const ReportDefinition& report,
                                              const ParameterFill& fill, const QDate& date = QDate::currentDate());
