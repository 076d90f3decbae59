// varnel-cli print: a table's or a query's records as the datasheet shows them, or a stored report, written
// as a PDF without a window.
#include "CliCommands.h"
#include "CliDatabase.h"
#include "CliParameters.h"

#include "logic/queries/QueryParameters.h"
#include "forms/runtime/FormSession.h"
#include "reports/FormDocument.h"
#include "reports/PrintDocument.h"
#include "reports/PrintOutput.h"
#include "reports/ReportDocument.h"
#include "reports/SheetDocument.h"

#include <QTextStream>

namespace {

int fail(const QString& reason)
{
    QTextStream(stderr) << "error: " << reason << "\n";
    return 1;
}

// The values given for a query's parameters; a parameter without one abandons the print.
ParameterFill givenParameters(const QHash<QString, QString>& values)
{
    return [values](const QString& statement) -> std::optional<QString> {
        for (const QString& parameter : QueryParameterNames(statement))
            if (!values.contains(parameter)) {
                fail(QStringLiteral("no value given for the parameter ") + parameter);
                return std::nullopt;
            }
        return SubstituteQueryParameters(statement, values);
    };
}

// "--NAME VALUE" taken out of `args`; empty when it is not there.
QString takeOption(QStringList& args, const QString& name)
{
    const qsizetype at = args.indexOf(name);
    if (at < 0 || at + 1 >= args.size())
        return {};
    const QString value = args[at + 1];
    args.remove(at, 2);
    return value;
}

// The report over SOURCE, or over its own source when SOURCE is "-".
std::unique_ptr<PrintDocument> reportOver(CAppContext& context, const QString& name, const QString& source,
                                          const ParameterFill& fill)
{
    std::optional<ReportDefinition> report = loadReport(context, name);
    if (!report)
        return nullptr;
    if (source != QLatin1String("-"))
        report->source = source;
    return reportDocument(context, *report, fill);
}

// A flag taken out of `args`; false when it is not there.
bool takeFlag(QStringList& args, const QString& name) { return args.removeAll(name) > 0; }

// The stored form's records, or record `record` (from 1) alone when it is given.
std::unique_ptr<PrintDocument> formPages(CAppContext& context, const QString& form, const QString& record, bool onePerPage)
{
    if (record.isEmpty())
        return formRecordsDocument(context, form, false, onePerPage);
    FormSession session(context);
    bool isNumber = false;
    const int number = record.toInt(&isNumber);
    if (!session.openForm(form)) {
        fail(QStringLiteral("no form named ") + form);
        return nullptr;
    }
    if (!isNumber || !session.goToRecord(number))
        return nullptr;
    return std::make_unique<FormDocument>(FormPicture::of(session), PageFrame{form, QString(), QDate::currentDate()});
}

} // namespace

int runPrint(const QStringList& arguments)
{
    QStringList args = arguments;
    QHash<QString, QString> values;
    const QString report = takeOption(args, QStringLiteral("--report"));
    const QString record = takeOption(args, QStringLiteral("--record"));
    const bool onePerPage = takeFlag(args, QStringLiteral("--one-per-page"));
    const bool form = takeFlag(args, QStringLiteral("--form"));
    if (!takeParameters(args, values) || args.size() != 3 || (!form && (onePerPage || !record.isEmpty())) ||
        std::any_of(args.begin(), args.end(), [](const QString& arg) { return arg.startsWith(QLatin1String("--")); }))
        return usageError(kPrintUsage);
    const auto out = databasePathArgument(args[2]);
    if (!out)
        return 1;
    CAppContext context;
    if (!openDatabaseArgument(context, args[0]))
        return 1;
    std::unique_ptr<PrintDocument> document;
    if (form) {
        document = formPages(context, args[1], record, onePerPage);
    } else if (!report.isEmpty()) {
        document = reportOver(context, report, args[1], givenParameters(values));
    } else if (const std::optional<PrintSource> source = openPrintSource(context, args[1], givenParameters(values))) {
        document = sheetDocument(context, *source, {});
    }
    if (!document || writePdf(*document, device::toHostPath(*out).value_or(QString())) != PrintOutcome::Done)
        return 1;
    QTextStream(stdout) << "Printed " << document->pageCount() << (document->pageCount() == 1 ? " page" : " pages")
                        << " to " << args[2] << '\n';
    return 0;
}
