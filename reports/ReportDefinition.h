#pragma once
// A report as the user designs it and the database keeps it: a record source, the fields shown with their
// widths, up to four group levels, totals, a sort inside the groups, texts above and below, the paper; or
// a sheet of mailing labels, one record on each. Kept as a JSON text, which names every part, so that a
// part added later leaves older reports readable and an older build reads what it knows of newer ones.
#include "reports/PageSetup.h"

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <optional>

enum class GroupBy { Value, Day, Month, Year, FirstLetter };
enum class Aggregate { Count, Sum, Average, Minimum, Maximum };

struct ReportField {
    // The width nobody chose: as wide as the field's name and its values in the first records need.
    static constexpr int kFitted = 0;

    QString name;
    // In the datasheet's column units, a point each on paper; kFitted to fit.
    int width = kFitted;
    bool operator==(const ReportField&) const = default;
};

struct ReportGroup {
    QString field;
    GroupBy by = GroupBy::Value;
    bool operator==(const ReportGroup&) const = default;
};

struct ReportTotal {
    QString field;
    Aggregate aggregate = Aggregate::Sum;
    bool operator==(const ReportTotal&) const = default;
};

struct ReportSort {
    QString field;
    bool descending = false;
    bool operator==(const ReportSort&) const = default;
};

// A sheet of labels: so many across and down, each so large, the first so far from the paper's edges.
struct LabelSheet {
    int columns = 3;
    int rows = 7;
    double widthMm = 63.5;
    double heightMm = 38.1;
    double leftMm = 7.2;
    double topMm = 15.15;
    double columnGapMm = 2.5;
    double rowGapMm = 0;
    bool operator==(const LabelSheet&) const = default;
};

// The common sheets, by the names the Report dialog offers: "3 x 7", "3 x 8", "2 x 7" (all on A4).
QStringList labelSheetNames();
std::optional<LabelSheet> labelSheetOfName(const QString& name);
// The name of a common sheet, empty for a custom one.
QString labelSheetName(const LabelSheet& sheet);
// The room the sheet's labels take from the paper's top left corner, in millimetres.
QSizeF labelSheetExtent(const LabelSheet& sheet);

struct ReportDefinition {
    static constexpr int kMaxGroups = 4;

    QString name;
    // A table, or "(Q)" and a stored query's name.
    QString source;
    bool labels = false;
    QList<ReportField> fields;
    QList<ReportGroup> groups;
    QList<ReportTotal> totals;
    QList<ReportSort> sort;
    QString reportHeader;
    QString reportFooter;
    // Above every page's content, the report's name when empty; below it.
    QString pageHeader;
    QString pageFooter;
    PageSetup page;
    LabelSheet sheet;
    // The lines of a label: text with fields in square brackets, "[First] [Last]".
    QStringList labelLines;

    // Every field the report reads, once each, in the order first named.
    QStringList fieldsUsed() const;
    bool operator==(const ReportDefinition&) const = default;
};

// A field in a label line: its name in square brackets, captured.
const QRegularExpression& labelFieldPattern();
// The fields a label line names in square brackets.
QStringList labelLineFields(const QString& line);

QString layoutText(const ReportDefinition& report);
// The report kept as `text`; what it does not name, or names in a way this build does not know, keeps its
// default.
ReportDefinition reportFromLayout(const QString& name, const QString& source, const QString& text);

QString aggregateName(Aggregate aggregate);
QString groupByName(GroupBy by);
