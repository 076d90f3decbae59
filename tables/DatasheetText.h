#pragma once
// The text a datasheet shows for a field's stored value, wherever the value is shown: in the grid, or on
// paper.
#include "data/OdbcType.h"
#include "tables/DatasheetFields.h"

#include <QString>

class CAppContext;

// Integer and Double fields keep a masked value as its plain number.
inline bool keepsPlainNumber(const DatasheetField& field) { return odbc::isNumeric(field.info.odbcType); }

// A calculation's result for the record (0-based, of `recordCount`): its expression run over that record,
// "Invalid Expression" when the script fails.
QString datasheetCalculation(CAppContext& context, const QString& expr, int record, int recordCount);

// A calculated field shows its result, a Boolean "NO" for a stored "0" and "YES" otherwise, a masked field
// its value through the mask, a date in the Date Style of the options, any other field the engine's text.
QString datasheetText(CAppContext& context, const DatasheetField& field, const QString& stored, int record,
                      int recordCount);
// What a cell holds as the record stores it: a masked cell's value as the mask stores it, a date shown in
// the Date Style as the engine's text; a calculated cell and any other as it is.
QString datasheetStored(const CAppContext& context, const DatasheetField& field, const QString& cell);
