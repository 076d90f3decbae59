#include "tables/DatasheetText.h"

#include "data/CAppContext.h"
#include "data/DateStyle.h"
#include "data/OdbcType.h"
#include "logic/EvaluateExpression.h"
#include "tables/masks/InputMask.h"

namespace {
} // namespace

QString datasheetCalculation(CAppContext& context, const QString& expr, int record, int recordCount)
{
    const ExprResult result = EvaluateExpression({context, record + 1, recordCount}, expr, record, ExprKind::FieldValue);
    return result.scriptError ? QStringLiteral("Invalid Expression") : result.text;
}

QString datasheetText(CAppContext& context, const DatasheetField& field, const QString& stored, int record,
                      int recordCount)
{
    if (!field.calculation.isEmpty())
        return datasheetCalculation(context, field.calculation, record, recordCount);
    if (field.info.odbcType == odbc::Boolean)
        return stored == QLatin1String("0") ? QStringLiteral("NO") : QStringLiteral("YES");
    if (const InputMask mask = InputMask::fromProperty(field.inputMask); !mask.isEmpty())
        return mask.cellText(stored, keepsPlainNumber(field));
    if (field.info.odbcType == odbc::DateTime)
        return styledDate(stored, dateStyleAt(context.general.Default_Date_Style));
    return stored;
}

QString datasheetStored(const CAppContext& context, const DatasheetField& field, const QString& cell)
{
    if (!field.calculation.isEmpty())
        return cell;
    if (const InputMask mask = InputMask::fromProperty(field.inputMask); !mask.isEmpty())
        return mask.storedOfCell(cell, keepsPlainNumber(field));
    if (field.info.odbcType == odbc::DateTime)
        return engineDate(cell, dateStyleAt(context.general.Default_Date_Style));
    return cell;
}
