#include "reports/ReportDocument.h"

#include "data/CAppContext.h"
#include "data/ReadOnlyDatabase.h"
#include "data/ReportStore.h"
#include "platform/framework/MessageBox.h"
#include "reports/LabelDocument.h"
#include "reports/RecordReader.h"
#include "reports/ReportTotals.h"
#include "reports/TableDocument.h"

namespace {

void tell(const QString& text) { framework::showMessage(text); }

std::unique_ptr<PrintDocument> columnsDocument(std::unique_ptr<RecordReader> records, const ReportDefinition& report,
                                               const QDate& date)
{
    StreamSpec spec{{}, {}, {}, report.reportHeader, report.reportFooter};
    for (const ReportField& field : report.fields)
        spec.columns << records->indexOf(field.name);
    const QList<double> fitted = TableDocument::widthsToShow(*records, spec.columns);
    QList<TableColumn> columns;
    for (int i = 0; i < report.fields.size(); ++i) {
        const int index = spec.columns[i];
        double width = report.fields[i].width;
        // A column fitted to its values has room for its totals' figures too, their labels above them.
        if (width <= 0) {
            width = fitted[i];
            for (const ReportTotal& total : report.totals)
                if (total.field.compare(report.fields[i].name, Qt::CaseInsensitive) == 0)
                    width = std::max(width, TableDocument::widthToShowTotal(widestFigure(
                                                *records, index, total.aggregate, TableDocument::kRecordsFitted)));
        }
        columns << TableColumn{records->fieldNames()[index], width, records->isNumeric(index)};
    }
    for (const ReportGroup& group : report.groups)
        spec.groups << StreamGroup{records->indexOf(group.field), group.field, group.by};
    for (const ReportTotal& total : report.totals)
        spec.totals << StreamTotal{records->indexOf(total.field), total.field, total.aggregate};
    const PageFrame frame{report.pageHeader.isEmpty() ? report.name : report.pageHeader, report.pageFooter, date};
    return std::make_unique<TableDocument>(std::move(records), spec, columns, frame, report.page);
}

} // namespace

std::optional<ReportDefinition> loadReport(CAppContext& context, const QString& name)
{
    const std::optional<StoredReport> stored = ReportStore(context).find(name);
    if (!stored) {
        tell(QStringLiteral("There is no report named ") + name);
        return std::nullopt;
    }
    return reportFromLayout(stored->name, stored->source, stored->layout);
}

bool saveReport(CAppContext& context, const ReportDefinition& report, const QString& replacing)
{
    if (report.name.trimmed().isEmpty() || report.name.size() > ReportStore::kMaxNameLength) {
        tell(QStringLiteral("A report's name has 1 to 64 characters"));
        return false;
    }
    // Labels past the paper's edge would never be printed, and their records with them.
    const QSizeF paper = QPageSize(report.page.paper).size(QPageSize::Millimeter);
    const QSizeF labels = labelSheetExtent(report.sheet);
    if (report.labels && (labels.width() > paper.width() + 0.01 || labels.height() > paper.height() + 0.01)) {
        tell(QStringLiteral("The labels do not fit on the paper: %1 x %2 mm of labels on %3 x %4 mm of %5")
                 .arg(labels.width(), 0, 'f', 1)
                 .arg(labels.height(), 0, 'f', 1)
                 .arg(paper.width(), 0, 'f', 1)
                 .arg(paper.height(), 0, 'f', 1)
                 .arg(paperName(report.page.paper)));
        return false;
    }
    if (isReadOnlyDatabase(context.databasePath())) {
        tell(readOnlyDatabaseText());
        return false;
    }
    if (ReportStore(context).save({report.name, report.source, layoutText(report)}, replacing))
        return true;
    tell(QStringLiteral("The report could not be saved: ") + report.name);
    return false;
}

std::unique_ptr<PrintDocument> reportDocument(CAppContext& context, const ReportDefinition& report,
                                              const ParameterFill& fill, const QDate& date)
{
    std::optional<PrintSource> source = openPrintSource(context, report.source, fill);
    if (!source)
        return nullptr;
    QList<OrderKey> order;
    if (!report.labels)
        for (const ReportGroup& group : report.groups)
            order << OrderKey{group.field, false};
    for (const ReportSort& key : report.sort)
        order << OrderKey{key.field, key.descending};
    // The fields are looked for in the records as the source gives them: an order on a field that is gone
    // would keep the statement from opening at all.
    RecordReader plain(context, *source);
    if (!plain.open())
        return nullptr;
    if (const QStringList gone = plain.missing(report.fieldsUsed()); !gone.isEmpty()) {
        tell(QStringLiteral("The report ") + report.name + QStringLiteral(" shows fields that ") + source->title +
             QStringLiteral(" no longer has: ") + gone.join(QStringLiteral(", ")));
        return nullptr;
    }
    source->statement = orderedStatement(source->statement, order);
    auto records = std::make_unique<RecordReader>(context, std::move(*source));
    if (!records->open())
        return nullptr;
    if (report.labels)
        return std::make_unique<LabelDocument>(std::move(records), report.name, report.sheet, report.labelLines,
                                               report.page.paper);
    return columnsDocument(std::move(records), report, date);
}
