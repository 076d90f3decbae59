#include "tables/LookupSpec.h"

QStringList lookup::rowSourceTypes() { return {kTables, kQuery, kValueList, kFieldList, QStringLiteral(" ")}; }

LookupSpec LookupSpec::fromCatalogue(const QString& combo, const QString& comboFlags, const QString& comboData)
{
    LookupSpec spec;
    if (combo != QStringLiteral("1"))
        return spec;
    QStringList pieces = comboFlags.split(QLatin1Char(';'));
    spec.rowSourceType = pieces.takeFirst();
    if (spec.rowSourceType == lookup::kValueList) {
        if (!comboData.isEmpty())
            spec.values = comboData.split(QLatin1Char(';'));
        return spec;
    }
    const auto next = [&pieces] { return pieces.isEmpty() ? QString() : pieces.takeFirst(); };
    spec.rowSource = next();
    spec.boundColumn = next();
    if (spec.rowSourceType == lookup::kTables)
        spec.visibleColumn = next();
    spec.limitToList = pieces.join(QLatin1Char(';'));
    return spec;
}

QString LookupSpec::comboFlags() const
{
    QStringList pieces{rowSourceType, rowSource, boundColumn};
    if (rowSourceType == lookup::kTables)
        pieces << visibleColumn;
    pieces << limitToList;
    return pieces.join(QLatin1Char(';'));
}
