#include "reports/SheetDocument.h"

#include "reports/RecordReader.h"
#include "reports/TableDocument.h"
#include "tables/Datasheet.h"
#include "tables/DatasheetGrid.h"

#include <numeric>

namespace {
// The columns as a datasheet would open them: a width the user chose stays, any other column is fitted.
QList<SheetColumn> openingColumns(CAppContext& context, RecordReader& records, const QString& title)
{
    const int count = int(records.fieldNames().size());
    const QList<int> stored = records.source().isQuery ? QList<int>(count, Datasheet::kNoLayoutWidth)
                                                       : readColumnWidths(context, title, count);
    QList<int> fields(count);
    std::iota(fields.begin(), fields.end(), 0);
    const QList<double> fitted = TableDocument::widthsToShow(records, fields);
    QList<SheetColumn> columns;
    for (int field = 0; field < count; ++field) {
        const int width = stored.value(field, Datasheet::kNoLayoutWidth);
        columns << SheetColumn{records.fieldNames()[field], Datasheet::isChosenWidth(width) ? width : int(fitted[field])};
    }
    return columns;
}
} // namespace

std::unique_ptr<PrintDocument> sheetDocument(CAppContext& context, PrintSource source, QList<SheetColumn> columns,
                                             const QDate& date)
{
    const QString title = source.title;
    auto records = std::make_unique<RecordReader>(context, std::move(source));
    if (!records->open())
        return nullptr;
    if (columns.isEmpty())
        columns = openingColumns(context, *records, title);
    StreamSpec spec;
    QList<TableColumn> shown;
    double width = 0;
    for (const SheetColumn& column : columns) {
        const int field = records->indexOf(column.field);
        if (field < 0 || column.width <= 0)
            continue;
        spec.columns << field;
        shown << TableColumn{records->fieldNames()[field], double(column.width), records->isNumeric(field)};
        width += column.width;
    }
    PageSetup page;
    if (width > page.bodySize().width())
        page.orientation = QPageLayout::Landscape;
    return std::make_unique<TableDocument>(std::move(records), spec, shown, PageFrame{title, QString(), date}, page);
}

std::unique_ptr<PrintDocument> datasheetDocument(CAppContext& context, const Datasheet& sheet, const DatasheetGrid& grid)
{
    PrintSource source{sheet.sourceName(), sheet.sourceName(), !sheet.sourceIsTable(), sheet.currentSql(), {}};
    QList<SheetColumn> columns;
    for (int f = 0; f < sheet.fieldCount(); ++f) {
        if (const DatasheetField* field = sheet.field(f))
            source.fields << *field;
        columns << SheetColumn{sheet.fieldName(f), grid.width(f + 1)};
    }
    return sheetDocument(context, std::move(source), columns);
}
