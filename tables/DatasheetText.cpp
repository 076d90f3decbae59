#include "tables/DatasheetText.h"

#include "tables/DatasheetExpr.h"
#include "tables/masks/InputMask.h"

namespace {
constexpr int kBoolean = -7;
} // namespace

QString datasheetCalculation(CAppContext& context, const QString& expr, int record, int recordCount)
{
    const ExprResult result = evaluateDatasheetExpr({context, record + 1, recordCount}, expr, record, false);
    return result.scriptError ? QStringLiteral("Invalid Expression") : result.text;
}

QString datasheetText(CAppContext& context, const DatasheetField& field, const QString& stored, int record,
                      int recordCount)
{
    if (!field.calculation.isEmpty())
        return datasheetCalculation(context, field.calculation, record, recordCount);
    if (field.info.odbcType == kBoolean)
        return stored == QLatin1String("0") ? QStringLiteral("NO") : QStringLiteral("YES");
    if (const InputMask mask = InputMask::fromProperty(field.inputMask); !mask.isEmpty())
        return mask.cellText(stored, keepsPlainNumber(field));
    return stored;
}
