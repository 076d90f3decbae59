#pragma once
// A datasheet on paper: the records of a table or query as the datasheet shows them, every shown column
// at its width, on landscape pages when the columns are too wide for portrait ones.
#include "reports/PrintDocument.h"
#include "reports/PrintSource.h"

#include <QDate>
#include <QList>

#include <memory>

class CAppContext;
class Datasheet;
class DatasheetGrid;

struct SheetColumn {
    QString field;
    int width = 60;
};

// The source's records in `columns` (every field at the datasheet's stored widths when empty); null after
// the message that says why the records cannot be read.
std::unique_ptr<PrintDocument> sheetDocument(CAppContext& context, PrintSource source, QList<SheetColumn> columns,
                                             const QDate& date = QDate::currentDate());

// The records a datasheet shows now, its filter and sort, hidden columns and widths as they are.
std::unique_ptr<PrintDocument> datasheetDocument(CAppContext& context, const Datasheet& sheet,
                                                 const DatasheetGrid& grid);
