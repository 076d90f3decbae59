#pragma once
// The properties of a table's fields as the datasheet enforces them, read from the field catalogue,
// and the column widths it keeps in the table's XNSysTables row.
#include "tables/FieldInfo.h"
#include "tables/LookupSpec.h"

#include <QList>
#include <QString>
#include <QStringList>

class CAppContext;

struct DatasheetField {
    QString name;
    FieldInfo info;
    QString calculation;
    QString inputMask;
    QString validationRule;
    QString validationText;

    // "ODBCType;ValdnRule;ValdnText".
    QString validation() const;
    LookupSpec lookup() const { return LookupSpec::fromCatalogue(info.combo, info.comboFlags, info.comboData); }
};

// The table's catalogue rows in field order.
QList<DatasheetField> readDatasheetFields(CAppContext& context, const QString& tableId);

// The widths of `fieldCount` field columns: 60 each without a stored row, else the stored widths,
// where a width that reads as 0 (or is missing) opens as 50.
QList<int> readColumnWidths(CAppContext& context, const QString& table, int fieldCount);
// Writes the widths of the field columns into the table's row, adding the row when the table has none.
// False when the row can be neither opened nor added.
bool storeColumnWidths(CAppContext& context, const QString& table, const QStringList& fieldNames,
                       const QList<int>& widths);

// Stores an AutoNumber field's next number in its catalogue row.
bool storeAutoNumber(CAppContext& context, const QString& tableId, const QString& field, int next);
