#include "reports/ReportDefinition.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <utility>

namespace {

const std::array<std::pair<Aggregate, const char*>, 5> kAggregates = {
    {{Aggregate::Count, "Count"}, {Aggregate::Sum, "Sum"}, {Aggregate::Average, "Average"},
     {Aggregate::Minimum, "Minimum"}, {Aggregate::Maximum, "Maximum"}}};
const std::array<std::pair<GroupBy, const char*>, 5> kGroupings = {
    {{GroupBy::Value, "Value"}, {GroupBy::Day, "Day"}, {GroupBy::Month, "Month"}, {GroupBy::Year, "Year"},
     {GroupBy::FirstLetter, "First letter"}}};

struct NamedSheet {
    const char* name;
    LabelSheet sheet;
};
const std::array<NamedSheet, 3> kSheets = {{
    {"3 x 7", {3, 7, 63.5, 38.1, 7.2, 15.15, 2.5, 0}},
    {"3 x 8", {3, 8, 63.5, 33.9, 7.2, 12.9, 2.5, 0}},
    {"2 x 7", {2, 7, 99.1, 38.1, 4.65, 15.15, 2.5, 0}},
}};

template <typename Enum, std::size_t N>
Enum enumOfName(const std::array<std::pair<Enum, const char*>, N>& names, const QString& text, Enum fallback)
{
    for (const auto& [value, name] : names)
        if (text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return value;
    return fallback;
}

template <typename Enum, std::size_t N>
QString nameOfEnum(const std::array<std::pair<Enum, const char*>, N>& names, Enum value)
{
    for (const auto& [known, name] : names)
        if (known == value)
            return QString::fromLatin1(name);
    return {};
}

QJsonObject sheetObject(const LabelSheet& sheet)
{
    return {{"columns", sheet.columns},     {"rows", sheet.rows},       {"width", sheet.widthMm},
            {"height", sheet.heightMm},     {"left", sheet.leftMm},     {"top", sheet.topMm},
            {"columnGap", sheet.columnGapMm}, {"rowGap", sheet.rowGapMm}};
}

LabelSheet sheetOf(const QJsonObject& object)
{
    LabelSheet sheet;
    auto number = [&object](const char* key, double fallback, double least) {
        const double value = object.value(QLatin1String(key)).toDouble(fallback);
        return value >= least ? value : fallback;
    };
    sheet.columns = int(number("columns", sheet.columns, 1));
    sheet.rows = int(number("rows", sheet.rows, 1));
    sheet.widthMm = number("width", sheet.widthMm, 5);
    sheet.heightMm = number("height", sheet.heightMm, 5);
    sheet.leftMm = number("left", sheet.leftMm, 0);
    sheet.topMm = number("top", sheet.topMm, 0);
    sheet.columnGapMm = number("columnGap", sheet.columnGapMm, 0);
    sheet.rowGapMm = number("rowGap", sheet.rowGapMm, 0);
    return sheet;
}

QString text(const QJsonObject& object, const char* key) { return object.value(QLatin1String(key)).toString(); }

} // namespace

QStringList labelSheetNames()
{
    QStringList names;
    for (const NamedSheet& sheet : kSheets)
        names << QString::fromLatin1(sheet.name);
    return names;
}

std::optional<LabelSheet> labelSheetOfName(const QString& name)
{
    for (const NamedSheet& sheet : kSheets)
        if (name == QLatin1String(sheet.name))
            return sheet.sheet;
    return std::nullopt;
}

QString labelSheetName(const LabelSheet& sheet)
{
    for (const NamedSheet& known : kSheets)
        if (known.sheet == sheet)
            return QString::fromLatin1(known.name);
    return {};
}

QSizeF labelSheetExtent(const LabelSheet& sheet)
{
    return {sheet.leftMm + sheet.columns * sheet.widthMm + (sheet.columns - 1) * sheet.columnGapMm,
            sheet.topMm + sheet.rows * sheet.heightMm + (sheet.rows - 1) * sheet.rowGapMm};
}

QString aggregateName(Aggregate aggregate) { return nameOfEnum(kAggregates, aggregate); }
QString groupByName(GroupBy by) { return nameOfEnum(kGroupings, by); }

const QRegularExpression& labelFieldPattern()
{
    static const QRegularExpression field(QStringLiteral("\\[([^\\[\\]]+)\\]"));
    return field;
}

QStringList labelLineFields(const QString& line)
{
    QStringList names;
    for (QRegularExpressionMatchIterator it = labelFieldPattern().globalMatch(line); it.hasNext();)
        names << it.next().captured(1);
    return names;
}

QStringList ReportDefinition::fieldsUsed() const
{
    QStringList names;
    auto add = [&names](const QString& name) {
        if (!name.isEmpty() && !names.contains(name, Qt::CaseInsensitive))
            names << name;
    };
    if (labels) {
        for (const QString& line : labelLines)
            for (const QString& name : labelLineFields(line))
                add(name);
    } else {
        for (const ReportField& field : fields)
            add(field.name);
        for (const ReportGroup& group : groups)
            add(group.field);
        for (const ReportTotal& total : totals)
            add(total.field);
    }
    for (const ReportSort& key : sort)
        add(key.field);
    return names;
}

QString layoutText(const ReportDefinition& report)
{
    QJsonArray fields, groups, totals, sort;
    for (const ReportField& field : report.fields)
        fields.append(QJsonObject{{"name", field.name}, {"width", field.width}});
    for (const ReportGroup& group : report.groups)
        groups.append(QJsonObject{{"field", group.field}, {"by", groupByName(group.by)}});
    for (const ReportTotal& total : report.totals)
        totals.append(QJsonObject{{"field", total.field}, {"aggregate", aggregateName(total.aggregate)}});
    for (const ReportSort& key : report.sort)
        sort.append(QJsonObject{{"field", key.field}, {"descending", key.descending}});
    const QJsonObject object{
        {"kind", report.labels ? "labels" : "report"},
        {"fields", fields},
        {"groups", groups},
        {"totals", totals},
        {"sort", sort},
        {"reportHeader", report.reportHeader},
        {"reportFooter", report.reportFooter},
        {"pageHeader", report.pageHeader},
        {"pageFooter", report.pageFooter},
        {"paper", paperName(report.page.paper)},
        {"orientation", report.page.orientation == QPageLayout::Landscape ? "landscape" : "portrait"},
        {"sheet", sheetObject(report.sheet)},
        {"labelLines", QJsonArray::fromStringList(report.labelLines)},
    };
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

ReportDefinition reportFromLayout(const QString& name, const QString& source, const QString& layout)
{
    ReportDefinition report;
    report.name = name;
    report.source = source;
    const QJsonObject object = QJsonDocument::fromJson(layout.toUtf8()).object();
    report.labels = text(object, "kind") == QLatin1String("labels");
    for (const QJsonValue& value : object.value(QLatin1String("fields")).toArray()) {
        const QJsonObject field = value.toObject();
        const int width = field.value(QLatin1String("width")).toInt(ReportField::kFitted);
        if (!text(field, "name").isEmpty())
            report.fields << ReportField{text(field, "name"), std::max(width, ReportField::kFitted)};
    }
    for (const QJsonValue& value : object.value(QLatin1String("groups")).toArray()) {
        const QJsonObject group = value.toObject();
        if (!text(group, "field").isEmpty() && report.groups.size() < ReportDefinition::kMaxGroups)
            report.groups << ReportGroup{text(group, "field"), enumOfName(kGroupings, text(group, "by"), GroupBy::Value)};
    }
    for (const QJsonValue& value : object.value(QLatin1String("totals")).toArray()) {
        const QJsonObject total = value.toObject();
        if (!text(total, "field").isEmpty())
            report.totals << ReportTotal{text(total, "field"),
                                         enumOfName(kAggregates, text(total, "aggregate"), Aggregate::Count)};
    }
    for (const QJsonValue& value : object.value(QLatin1String("sort")).toArray()) {
        const QJsonObject key = value.toObject();
        if (!text(key, "field").isEmpty())
            report.sort << ReportSort{text(key, "field"), key.value(QLatin1String("descending")).toBool()};
    }
    report.reportHeader = text(object, "reportHeader");
    report.reportFooter = text(object, "reportFooter");
    report.pageHeader = text(object, "pageHeader");
    report.pageFooter = text(object, "pageFooter");
    report.page.paper = paperOfName(text(object, "paper")).value_or(QPageSize::A4);
    report.page.orientation =
        text(object, "orientation") == QLatin1String("landscape") ? QPageLayout::Landscape : QPageLayout::Portrait;
    report.sheet = sheetOf(object.value(QLatin1String("sheet")).toObject());
    for (const QJsonValue& line : object.value(QLatin1String("labelLines")).toArray())
        report.labelLines << line.toString();
    return report;
}
