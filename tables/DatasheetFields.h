#pragma once
// The properties of a table's fields as the datasheet enforces them, read from the field catalogue,
// and the column widths it keeps in the table's layout row.
#include "tables/FieldInfo.h"
#include "tables/LookupSpec.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

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
// Moves it to `next` unless another program has moved it further already: a counter never goes back.
bool raiseAutoNumber(CAppContext& context, const QString& tableId, const QString& field, int next);

// Hands out the next number of an AutoNumber field of `table`: past the counter in its catalogue row,
// past `known` (a counter the caller keeps), and past every number the table holds already, as records
// added by SQL or an import bring their own. The counter is stored past it at once, so that no number is
// handed out twice; nothing when the file will not keep the counter.
std::optional<int> handOutAutoNumber(CAppContext& context, const QString& table, const QString& tableId,
                                     const QString& field, int known = 0);
// Moves the counter of every AutoNumber field of `table` past the numbers its records hold, for records
// written with numbers of their own.
void advanceAutoNumbers(CAppContext& context, const QString& table);
