#pragma once
// A field's lookup as the catalogue keeps it in Combo, ComboFlags and ComboData: where the choices of
// the field come from, which column is stored and shown, and whether other values are refused.
#include <QString>
#include <QStringList>

struct LookupSpec {
    QString rowSourceType; // "Tables", "Query", "Value List", "Field List"; empty for none
    QString rowSource;
    QString boundColumn;
    QString visibleColumn; // "Tables" only
    QString limitToList;
    QStringList values; // "Value List" only

    bool isNone() const { return rowSourceType.trimmed().isEmpty(); }
    bool limitsToList() const
    {
        return !isNone() && limitToList.trimmed().compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0;
    }

    // Reads the three catalogue columns; a Combo other than "1" means no lookup.
    static LookupSpec fromCatalogue(const QString& combo, const QString& comboFlags, const QString& comboData);
    // The ComboFlags text of a lookup other than a value list.
    QString comboFlags() const;
    // The ComboData text of a value list.
    QString comboData() const { return values.join(QLatin1Char(';')); }
};

namespace lookup {
inline const QString kTables = QStringLiteral("Tables");
inline const QString kQuery = QStringLiteral("Query");
inline const QString kValueList = QStringLiteral("Value List");
inline const QString kFieldList = QStringLiteral("Field List");
// The choices of RowSourceType; the single blank stands for no lookup.
QStringList rowSourceTypes();
} // namespace lookup
